#include "LoadCalcDlg.h"

#include "AboutDlg.h"
#include "AppIcon.h"
#include "FieldText.h"
#include "FindStageSettingsDlg.h"
#include "HelpPage.h"
#include "LoadMapDlg.h"
#include "MessageBoxes.h"
#include "NameList.h"
#include "PlotExport.h"
#include "PresetFileEditor.h"
#include "ResourceIds.h"
#include "StepUpDlg.h"
#include "TemplateBuilder.h"
#include "circuit/Calculate.h"
#include "circuit/SolverCommands.h"
#include "files/SystemMenu.h"
#include "presets/PresetCommands.h"
#include "presets/PresetLocation.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr const char* kExitQuestion = "Do you really want to exit?";

}  // namespace

CLoadCalcDlg::CLoadCalcDlg(QWidget* parent)
    : QDialog(parent),
      m_hIcon(LoadAppIcon()),
      m_editPresetFileAction(QStringLiteral("Edit Preset File\u2026")) {
  // A fixed frame with a title, a system menu and a close box; no minimise,
  // maximise or context-help box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  BuildFromTemplate(*this, kMainTemplate, DoDataExchange());

  m_name.setAccessibleName(QStringLiteral("Name"));
  // Typing only edits the text part: no completion picks an entry.
  m_name.setCompleter(nullptr);
  m_name.installEventFilter(this);
  m_name.lineEdit()->installEventFilter(this);
  m_editL.setAccessibleName(QStringLiteral("L"));
  m_editRS.setAccessibleName(QStringLiteral("RS"));
  m_editC.setAccessibleName(QStringLiteral("C total"));
  m_editRL.setAccessibleName(QStringLiteral("RL"));
  m_editF.setAccessibleName(QStringLiteral("F"));
  m_editQ.setAccessibleName(QStringLiteral("Q"));
  // The hint line is read out by its text; the plot has none of its own.
  m_plot.setAccessibleName(QStringLiteral("Response"));
  m_plot.setFocusPolicy(Qt::NoFocus);

  ConnectMessageMap();
  addAction(&m_editPresetFileAction);
  connect(&m_editPresetFileAction, &QAction::triggered, this, &CLoadCalcDlg::OnEditPresetFile);
  // Added to the window as well, so Ctrl+F works while no menu is open.
  m_findStageSettings.setText(QStringLiteral("Find Stage Settings\u2026"));
  m_findStageSettings.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  addAction(&m_findStageSettings);
  connect(&m_findStageSettings, &QAction::triggered, this, &CLoadCalcDlg::OnFindStageSettings);
}

CLoadCalcDlg::~CLoadCalcDlg() = default;

// Binds each member to its control id; the template builder puts each where
// its id stands in the template.
std::map<int, QWidget*> CLoadCalcDlg::DoDataExchange() {
  return {
      {IDC_SERIAL_Q, &m_status}, {IDC_NAME, &m_name}, {IDC_PLOT, &m_plot},
      {IDC_F, &m_editF},         {IDC_Q, &m_editQ},   {IDC_RL, &m_editRL},
      {IDC_CTOTAL, &m_editC},    {IDC_RS, &m_editRS}, {IDC_L, &m_editL},
  };
}

// The message map: one connection per entry, in table order. A system command
// arrives through nativeEvent where the platform has a system menu, and a
// close request through closeEvent.
void CLoadCalcDlg::ConnectMessageMap() {
  connect(Button(IDC_CALCULATE), &QPushButton::clicked, this, &CLoadCalcDlg::OnCalculate);
  connect(Button(IDC_OPT_C_FROM_Q), &QPushButton::clicked, this, &CLoadCalcDlg::OnOptimizeCFromQ);
  connect(Button(IDC_EXIT), &QPushButton::clicked, this, &CLoadCalcDlg::OnExit);
  connect(Button(IDC_OPT_RL_FROM_Q), &QPushButton::clicked, this, &CLoadCalcDlg::OnOptimizeRLFromQ);
  connect(Button(IDC_OPT_C_FROM_F), &QPushButton::clicked, this, &CLoadCalcDlg::OnOptimizeCFromF);
  connect(Button(IDC_HELP_PAGE), &QPushButton::clicked, this, &CLoadCalcDlg::OnHelpPage);
  connect(Button(IDC_FULL_OPT), &QPushButton::clicked, this, &CLoadCalcDlg::OnFullOptimization);
  // Only a user's choice in the list, not typing or a selection made by code.
  connect(&m_name, &QComboBox::activated, this, &CLoadCalcDlg::OnSelchangeName);
  connect(&m_editL, &QLineEdit::textChanged, this, &CLoadCalcDlg::OnChangeComponent);
  connect(&m_editRS, &QLineEdit::textChanged, this, &CLoadCalcDlg::OnChangeComponent);
  connect(&m_editC, &QLineEdit::textChanged, this, &CLoadCalcDlg::OnChangeComponent);
  connect(Button(IDC_RESET), &QPushButton::clicked, this, &CLoadCalcDlg::OnReset);
  connect(Button(IDC_ABOUT), &QPushButton::clicked, this, &CLoadCalcDlg::OnAbout);

  // F1 is the framework's Help command; the program has no help file, so it
  // opens the same page as the Help button.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &CLoadCalcDlg::OnHelpPage);
}

void CLoadCalcDlg::OnInitDialog() {
  AppendAboutToSystemMenu();
  setWindowIcon(m_hIcon);
  OnReset();
  Button(IDC_EXIT)->setFocus(Qt::OtherFocusReason);
}

void CLoadCalcDlg::showEvent(QShowEvent* event) {
  // The window comes to life on its first showing, as a template dialog does
  // when it is run.
  if (!m_bInitialized) {
    m_bInitialized = true;
    OnInitDialog();
  }
  QDialog::showEvent(event);
}

QWidget* CLoadCalcDlg::GetDlgItem(int id) const { return FindDialogItem(*this, id); }

QPushButton* CLoadCalcDlg::Button(int id) const { return qobject_cast<QPushButton*>(GetDlgItem(id)); }

QLineEdit& CLoadCalcDlg::EditFor(Field field) {
  switch (field) {
    case Field::L:
      return m_editL;
    case Field::RS:
      return m_editRS;
    case Field::C:
      return m_editC;
    case Field::RL:
      return m_editRL;
    case Field::F:
      return m_editF;
    case Field::Q:
      break;
  }
  return m_editQ;
}

std::string CLoadCalcDlg::GetFieldText(Field field, std::size_t maxCount) {
  if (maxCount == 0) return std::string();
  return ToFieldBytes(EditFor(field).text(), maxCount - 1);
}

void CLoadCalcDlg::SetFieldText(Field field, const std::string& text) {
  QLineEdit& edit = EditFor(field);
  edit.setText(FromFieldBytes(text));
  // Show the start of a long text, as a fresh edit control does.
  edit.setCursorPosition(0);
}

void CLoadCalcDlg::ShowMessage(const std::string& text, const char* caption) {
  RunMessageBox(this, FromFieldBytes(text), caption ? FromFieldBytes(caption) : QString(), QMessageBox::Ok);
}

void CLoadCalcDlg::ShowCurve(double F, double Q, bool current) {
  m_plot.m_dF = F;
  m_plot.m_dQ = Q;
  m_plot.m_bShowCurve = current ? 1 : 0;
  m_plot.CurveChanged();
}

bool CLoadCalcDlg::ConfirmExit() {
  return RunMessageBox(this, FromFieldBytes(kExitQuestion), QString(), QMessageBox::Ok | QMessageBox::Cancel,
                       QMessageBox::Ok) == QMessageBox::Ok;
}

bool CLoadCalcDlg::OnSysCommand(unsigned nID) {
  if ((nID & 0xFFF0u) != IDM_ABOUTBOX) return false;
  OnAbout();
  return true;
}

void CLoadCalcDlg::OnCalculate() { RunCalculate(*this); }

void CLoadCalcDlg::OnOptimizeCFromQ() { RunOptimizeCFromQ(*this); }

void CLoadCalcDlg::OnExit() {
  if (ConfirmExit()) accept();
}

void CLoadCalcDlg::OnOptimizeRLFromQ() { RunOptimizeRLFromQ(*this); }

void CLoadCalcDlg::OnClose() {
  // A confirmed close request is the Cancel command.
  if (ConfirmExit()) reject();
}

void CLoadCalcDlg::OnOptimizeCFromF() { RunOptimizeCFromF(*this); }

void CLoadCalcDlg::OnHelpPage() {
  // Nothing to report if no browser can be started.
  QDesktopServices::openUrl(ChooseHelpPage(ProgramHelpPlaces()));
}

void CLoadCalcDlg::OnFullOptimization() { RunFullOptimization(*this); }

void CLoadCalcDlg::OnSelchangeName() { RunSelchangeName(*this, m_presets); }

void CLoadCalcDlg::OnChangeComponent() { UpdateSerialQLabel(); }

void CLoadCalcDlg::OnReset() { RunReset(*this, m_presets, PresetFilePaths()); }

void CLoadCalcDlg::OnAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CLoadCalcDlg::OnEditPresetFile() { EditPresetFile(this); }

void CLoadCalcDlg::UpdateSerialQLabel() { RunUpdateSerialQLabel(*this); }

void CLoadCalcDlg::OnFindStageSettings() { ShowFindStageSettings(*this, *this); }

void CLoadCalcDlg::AddNames(std::vector<std::string> names) { AddNamesToList(m_name, std::move(names)); }

void CLoadCalcDlg::SelectName(int index) {
  // Selecting in code raises no activated signal, so no choice is applied here.
  m_name.setCurrentIndex(index < m_name.count() ? index : -1);
}

bool CLoadCalcDlg::GetSelectedName(std::string& name) {
  const int index = m_name.currentIndex();
  if (index < 0) return false;
  name = NameOfEntry(m_name, index);
  return true;
}

void CLoadCalcDlg::SetHintText(const std::string& text) { m_status.setText(FromFieldBytes(text)); }

void CLoadCalcDlg::MarkCurveStale() {
  m_plot.m_bShowCurve = 0;
  m_plot.update();
}

void CLoadCalcDlg::closeEvent(QCloseEvent* event) {
  // OnClose ends the dialog itself when the user agrees.
  event->ignore();
  OnClose();
}

// Right-click anywhere the controls leave it to the window (the edit fields
// keep their own menus).
void CLoadCalcDlg::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  // Over the plot its own items come first.
  if (m_plot.rect().contains(m_plot.mapFrom(this, event->pos()))) {
    AddPlotMenuItems(menu, this, m_plot);
    menu.addSeparator();
  }
  menu.addAction(&m_editPresetFileAction);
  menu.addAction(&m_findStageSettings);
  menu.addAction(QStringLiteral("Load Map\u2026"), this, [this] { ShowLoadMapFromWindow(*this, *this); });
  menu.addAction(QStringLiteral("Step-Up Transformer\u2026"), this,
                 [this] { ShowStepUpTransformer(*this, *this); });
  menu.exec(event->globalPos());
}

// Enter presses the focused push button and, with the focus anywhere else,
// ends the window with OK at once; Escape ends it with Cancel.
bool CLoadCalcDlg::HandleDialogKey(const QKeyEvent& event) {
  const bool plain = event.modifiers() == Qt::NoModifier ||
                     (event.modifiers() == Qt::KeypadModifier && event.key() == Qt::Key_Enter);
  if (!plain) return false;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
      } else {
        accept();
      }
      return true;
    case Qt::Key_Escape:
      reject();
      return true;
    default:
      return false;
  }
}

void CLoadCalcDlg::keyPressEvent(QKeyEvent* event) {
  if (!HandleDialogKey(*event)) QDialog::keyPressEvent(event);
}

// The editable Name list keeps Enter and Escape for itself; take them back
// while its list is closed. With the list open, its popup has the keyboard and
// Escape only closes it.
bool CLoadCalcDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && !m_name.view()->isVisible()) {
    if (HandleDialogKey(*static_cast<QKeyEvent*>(event))) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void CLoadCalcDlg::AppendAboutToSystemMenu() {
#ifdef Q_OS_WIN
  AppendSystemMenuItem(reinterpret_cast<void*>(winId()), IDM_ABOUTBOX,
                       FromFieldBytes(kAboutMenuText).toStdU16String());
#endif
  // Other window systems give a program no system menu to extend; the About
  // button remains.
}

#ifdef Q_OS_WIN
bool CLoadCalcDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  unsigned command = 0;
  if (IsSystemMenuCommand(message, command) && OnSysCommand(command)) {
    *result = 0;
    return true;
  }
  return QDialog::nativeEvent(eventType, message, result);
}
#endif
