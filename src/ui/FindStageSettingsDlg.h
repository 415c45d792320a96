#pragma once

#include "StageSettingsModel.h"
#include "loads/StageSettings.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

class CommandView;

// "Find Stage Settings": which of a phono stage's settings suits the
// cartridge, ranked, with Apply into the main window.
//
// Modeless: the point is to apply a row, look at the main window's plot, and
// apply the next, with both windows in reach; a modal box would have to be
// closed and reopened for every look.
class CFindStageSettingsDlg : public QDialog {
  Q_OBJECT

 public:
  CFindStageSettingsDlg(CommandView& window, QWidget* parent);
  ~CFindStageSettingsDlg() override;

  // L and RS from the window; F and Q wanted too, when the window's fields
  // hold usable values.
  void TakeFromWindow();

  // The inputs as the core reads them (8-bit field bytes).
  StageSettingsInput Inputs() const;

  // Puts the current row into the main window and runs Calculate there.
  void OnApply();

  // The selected rows' curves over the window's plot (at most
  // kMaxExtraCurves), less the one the plot shows as its own.
  void UpdateOverlay();

  const StageSettingsModel& Model() const { return m_model; }
  // True when `edit` is marked as the input at fault.
  static bool IsMarked(const QLineEdit& edit);

  // In tab order.
  QLineEdit m_editL;
  QLineEdit m_editRS;
  QLineEdit m_editCable;
  QLineEdit m_editCBase;
  QLineEdit m_editCList;
  QComboBox m_cMode;
  QLineEdit m_editRBase;
  QLineEdit m_editRList;
  QComboBox m_rMode;
  QRadioButton m_flattest;
  QLineEdit m_editBandEdge;
  QRadioButton m_closest;
  QLineEdit m_editTargetF;
  QLineEdit m_editTargetQ;
  QRadioButton m_closestLoad;
  QLineEdit m_editTargetLoad;
  // A step-up transformer before the stage (optional).
  QLineEdit m_editTaps;
  QLineEdit m_editRsecList;
  QComboBox m_rsecMode;
  QLineEdit m_editRp;
  QLineEdit m_editRs2;
  QLineEdit m_editC1;
  QLabel m_problem;
  QTableView m_table;
  QPushButton m_apply;
  QPushButton m_close;
  QPushButton m_loadMap;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildLayout();
  void Restore();
  void Recompute();
  void Mark(StageInput input, const QString& problem);
  QLineEdit* EditFor(StageInput input);

  CommandView& m_window;
  StageSettingsModel m_model;
  bool m_restoring = false;
};

// Opens the finder of `window` (made on first use, kept afterwards), or
// brings it to the front when it is open.
void ShowFindStageSettings(QWidget& window, CommandView& view);
