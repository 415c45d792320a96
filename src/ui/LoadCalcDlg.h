#pragma once

#include "circuit/CommandView.h"
#include "presets/CartridgeMap.h"
#include "presets/PresetView.h"
#include "ui/ResponsePlot.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

#include <map>
#include <string>
#include <vector>

class QPushButton;

// The main window: the component fields, the command buttons, the Name list,
// the serial-Q hint and the response plot. The dialog keeps no values of its
// own: each command reads the fields it needs through the CommandView interface
// and stores them in g_circuit, where the commands share them.
class CLoadCalcDlg : public QDialog, public CommandView, public PresetView {
  Q_OBJECT

 public:
  explicit CLoadCalcDlg(QWidget* parent = nullptr);
  ~CLoadCalcDlg() override;

  // CommandView, and the field access of PresetView
  std::string GetFieldText(Field field, std::size_t maxCount) override;
  void SetFieldText(Field field, const std::string& text) override;
  void ShowMessage(const std::string& text, const char* caption) override;
  void ShowCurve(double F, double Q, bool current) override;

  // PresetView
  void AddNames(std::vector<std::string> names) override;
  void SelectName(int index) override;
  bool GetSelectedName(std::string& name) override;
  void SetHintText(const std::string& text) override;
  void MarkCurveStale() override;

  // The control with a template id, or null.
  QWidget* GetDlgItem(int id) const;

  // Handlers, in the order of the message map.
  bool OnSysCommand(unsigned nID);  // true when the command was the About item
  void OnCalculate();
  void OnOptimizeCFromQ();
  void OnExit();
  void OnOptimizeRLFromQ();
  void OnClose();
  void OnOptimizeCFromF();
  void OnHelpPage();
  void OnFullOptimization();
  void OnSelchangeName();
  void OnChangeComponent();
  void OnReset();
  void OnAbout();
  void OnEditPresetFile();

  void UpdateSerialQLabel();
  void OnFindStageSettings();

  // Controls bound to the template, in declaration order.
  QLabel m_status;
  QComboBox m_name;
  CResponsePlot m_plot;
  QLineEdit m_editF;
  QLineEdit m_editQ;
  QLineEdit m_editRL;
  QLineEdit m_editC;
  QLineEdit m_editRS;
  QLineEdit m_editL;
  CartridgeMap m_presets;
  QIcon m_hIcon;

  // The context menu's window items.
  QAction m_editPresetFileAction;
  QAction m_findStageSettings;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
#ifdef Q_OS_WIN
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

 private:
  std::map<int, QWidget*> DoDataExchange();
  void OnInitDialog();
  void ConnectMessageMap();
  void AppendAboutToSystemMenu();
  bool HandleDialogKey(const QKeyEvent& event);
  bool ConfirmExit();
  QLineEdit& EditFor(Field field);
  QPushButton* Button(int id) const;

  bool m_bInitialized = false;
};
