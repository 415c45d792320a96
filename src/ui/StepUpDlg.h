#pragma once

#include "chain/ChainPanel.h"

#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class CommandView;

// "Step-Up Transformer": the window's cartridge and load with a transformer
// between them. Its figures and the resistor solver come from the core
// (ChainPanel); the chain's curve is drawn over the window's plot while the
// dialog is open. Modeless, like the finder, so that the window's fields can
// be changed with it open; it follows them when it becomes active again.
class CStepUpDlg : public QDialog {
  Q_OBJECT

 public:
  CStepUpDlg(CommandView& window, QWidget* parent);

  // Recomputes the figures from the window's fields and the inputs, and
  // redraws the chain's curve.
  void Recompute();
  void OnSolve();

  QLineEdit m_editRatio;
  QLineEdit m_editRp;
  QLineEdit m_editRs2;
  QLineEdit m_editC1;
  QLineEdit m_editRsec;
  QLineEdit m_editRated;
  QLabel m_problem;
  QLineEdit m_editWanted;
  QPushButton m_solve;
  QLabel m_solution;
  QPushButton m_useSolution;
  QPushButton m_close;

  // The figures' labels and values, as the core words them.
  const ChainPanel& Panel() const { return m_panel; }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  ChainPanelInput Input();
  void ShowCurve(bool show);
  void Save();

  CommandView& m_window;
  QFormLayout* m_figures = nullptr;
  ChainPanel m_panel;
  std::string m_solvedRsec;  // field bytes of the exact solution, for "Use"
};

// Opens the dialog of `window` (made on first use) and brings it to the front.
void ShowStepUpTransformer(QWidget& window, CommandView& view);
