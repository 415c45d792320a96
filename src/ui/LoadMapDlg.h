#pragma once

#include "LoadMapWidget.h"
#include "loads/StageSettings.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class CommandView;

// "Load Map": where in C total and RL the window's cartridge is flat, with the
// stage's settings on it. Modeless, like the finder, so that a double-click
// on the map can be followed on the window's plot.
class CLoadMapDlg : public QDialog {
  Q_OBJECT

 public:
  // Nodes per axis of the map on screen.
  static constexpr int kColumns = 400;
  static constexpr int kRows = 300;

  CLoadMapDlg(CommandView& window, QWidget* parent);

  // The cartridge, cable and stage to map (the finder's inputs, 8-bit), and
  // ranges around the window's C and RL.
  void SetInputs(const StageSettingsInput& in);

  // Recomputes the map from the inputs and the range fields.
  void Recompute();

  // Writes the chosen load into the window and runs Calculate there.
  void OnLoadChosen(double C, double RL);

  void OnSaveImage();

  QLineEdit m_editCRange;
  QLineEdit m_editRRange;
  QLabel m_problem;
  CLoadMapWidget m_map;
  QPushButton m_save;
  QPushButton m_close;

 protected:
  bool event(QEvent* event) override;

 private:
  std::optional<LoadMapLoad> WindowLoad();

  CommandView& m_window;
  StageSettingsInput m_inputs;
};

// Opens the load map of `window` (made on first use) for the finder's inputs
// `in`, with ranges around the window's load, and brings it to the front.
void ShowLoadMap(QWidget& window, CommandView& view, const StageSettingsInput& in);

// The same from the window itself: the stage as the finder last had it.
void ShowLoadMapFromWindow(QWidget& window, CommandView& view);

// Writes the map's picture to `path`: SVG when the name ends in ".svg", else
// PNG. Returns why it failed, or a null string.
QString SaveLoadMapImage(const CLoadMapWidget& map, const QString& path);
