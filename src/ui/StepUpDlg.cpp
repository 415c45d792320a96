#include "StepUpDlg.h"

#include "FieldText.h"
#include "chain/ChainPlot.h"
#include "chain/ChainSettingsFile.h"
#include "circuit/CommandView.h"
#include "files/ConfigFolder.h"
#include "ui/ResponsePlot.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace {

CResponsePlot* PlotOf(QWidget* window) { return window ? window->findChild<CResponsePlot*>() : nullptr; }

}  // namespace

CStepUpDlg::CStepUpDlg(CommandView& window, QWidget* parent) : QDialog(parent), m_window(window) {
  setWindowTitle(QStringLiteral("Step-Up Transformer"));

  auto* inputs = new QFormLayout;
  inputs->addRow(QStringLiteral("&Ratio 1:N"), &m_editRatio);
  inputs->addRow(QStringLiteral("&Primary winding Rp"), &m_editRp);
  inputs->addRow(QStringLiteral("&Secondary winding Rs2"), &m_editRs2);
  inputs->addRow(QStringLiteral("C &before transformer C1"), &m_editC1);
  inputs->addRow(QStringLiteral("Resistor across secondary Rse&c"), &m_editRsec);
  inputs->addRow(QStringLiteral("Rated &output (mV)"), &m_editRated);
  m_editRatio.setPlaceholderText(QStringLiteral("10 or 1:10"));
  m_editRsec.setPlaceholderText(QStringLiteral("none"));
  m_editRated.setPlaceholderText(QStringLiteral("none"));
  for (QLabel* label : {&m_problem, &m_solution}) {
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  m_figures = new QFormLayout;

  auto* solver = new QHBoxLayout;
  auto* wantedLabel = new QLabel(QStringLiteral("&Wanted load"));
  wantedLabel->setBuddy(&m_editWanted);
  m_editWanted.setPlaceholderText(QStringLiteral("100"));
  m_solve.setText(QStringLiteral("Sol&ve Rsec"));
  m_useSolution.setText(QStringLiteral("&Use"));
  m_useSolution.setEnabled(false);
  solver->addWidget(wantedLabel);
  solver->addWidget(&m_editWanted, 1);
  solver->addWidget(&m_solve);
  solver->addWidget(&m_useSolution);

  m_close.setText(QStringLiteral("Close"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new QLabel(QStringLiteral("Cartridge and load from the window.")));
  buttons->addStretch(1);
  buttons->addWidget(&m_close);

  auto* top = new QVBoxLayout(this);
  top->addLayout(inputs);
  top->addWidget(&m_problem);
  top->addLayout(m_figures);
  top->addLayout(solver);
  top->addWidget(&m_solution);
  top->addStretch(1);
  top->addLayout(buttons);

  m_editRatio.setAccessibleName(QStringLiteral("Ratio"));
  m_editWanted.setAccessibleName(QStringLiteral("Wanted load"));
  for (QPushButton* button : {&m_solve, &m_useSolution, &m_close}) button->setAutoDefault(false);

  ChainSettings stored;
  LoadChainSettingsFile(ChainSettingsFilePath(UserConfigFolder()), stored);
  if (stored.texts.ratio.empty()) stored.texts.ratio = "10";
  const std::pair<QLineEdit*, const std::string*> restore[] = {
      {&m_editRatio, &stored.texts.ratio}, {&m_editRp, &stored.texts.Rp},
      {&m_editRs2, &stored.texts.Rs2},     {&m_editC1, &stored.texts.C1},
      {&m_editRsec, &stored.texts.Rsec},   {&m_editRated, &stored.texts.rated},
      {&m_editWanted, &stored.wantedLoad}};
  for (const auto& [edit, text] : restore) edit->setText(FromFieldBytes(*text));

  for (QLineEdit* edit : {&m_editRatio, &m_editRp, &m_editRs2, &m_editC1, &m_editRsec, &m_editRated})
    connect(edit, &QLineEdit::textChanged, this, &CStepUpDlg::Recompute);
  connect(&m_solve, &QPushButton::clicked, this, &CStepUpDlg::OnSolve);
  connect(&m_editWanted, &QLineEdit::returnPressed, this, &CStepUpDlg::OnSolve);
  connect(&m_useSolution, &QPushButton::clicked, this,
          [this] { m_editRsec.setText(FromFieldBytes(m_solvedRsec)); });
  connect(&m_close, &QPushButton::clicked, this, &CStepUpDlg::reject);
}

ChainPanelInput CStepUpDlg::Input() {
  ChainPanelInput in;
  in.L = m_window.GetFieldText(Field::L, kMaxFieldText);
  in.RS = m_window.GetFieldText(Field::RS, kMaxFieldText);
  in.C = m_window.GetFieldText(Field::C, kMaxFieldText);
  in.RL = m_window.GetFieldText(Field::RL, kMaxFieldText);
  in.texts = {Bytes(m_editRatio), Bytes(m_editRp),   Bytes(m_editRs2),
              Bytes(m_editC1),    Bytes(m_editRsec), Bytes(m_editRated)};
  return in;
}

void CStepUpDlg::Recompute() {
  m_panel = ComputeChainPanel(Input());
  while (m_figures->rowCount() > 0) m_figures->removeRow(0);
  for (const ChainPanelRow& row : m_panel.rows) {
    auto* value = new QLabel(QString::fromUtf8(row.value.c_str()));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_figures->addRow(QString::fromUtf8(row.label.c_str()), value);
  }
  m_problem.setText(QString::fromUtf8(m_panel.problem.c_str()));
  m_problem.setVisible(!m_panel.problem.empty());
  ShowCurve(isVisible());
}

void CStepUpDlg::OnSolve() {
  const ChainPanel solved = SolveChainPanel(Input(), Bytes(m_editWanted));
  QString text = QString::fromUtf8(solved.problem.c_str());
  for (const ChainPanelRow& row : solved.rows)
    text += QString::fromUtf8((row.label + ": " + row.value + "\n").c_str());
  m_solution.setText(text.trimmed());
  // "Use" puts the E96 value in: a resistor one can buy.
  m_solvedRsec = solved.rsecText;
  m_useSolution.setEnabled(!m_solvedRsec.empty());
  Save();
}

void CStepUpDlg::ShowCurve(bool show) {
  CResponsePlot* plot = PlotOf(parentWidget());
  if (!plot) return;
  std::vector<PlotExtraCurve> extras = plot->ExtraCurves();
  const std::size_t before = extras.size();
  std::erase_if(extras, [](const PlotExtraCurve& e) { return e.colour == kChainCurveColour && e.levelDb; });
  if (show && m_panel.chain) {
    extras.push_back(ChainPlotCurve(*m_panel.chain));
  } else if (extras.size() == before) {
    return;
  }
  plot->SetExtraCurves(std::move(extras));
}

void CStepUpDlg::Save() {
  ChainSettings s;
  s.texts = Input().texts;
  s.wantedLoad = Bytes(m_editWanted);
  const std::string path = ChainSettingsFilePath(UserConfigFolder());
  // Remembering is a convenience: a folder that cannot be written costs only that.
  if (!path.empty()) SaveChainSettingsFile(path, s);
}

bool CStepUpDlg::event(QEvent* event) {
  // The window's fields may have changed while another window was active.
  if (event->type() == QEvent::WindowActivate) Recompute();
  return QDialog::event(event);
}

void CStepUpDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Recompute();
}

void CStepUpDlg::hideEvent(QHideEvent* event) {
  Save();
  ShowCurve(false);
  QDialog::hideEvent(event);
}

void ShowStepUpTransformer(QWidget& window, CommandView& view) {
  auto* dialog = window.findChild<CStepUpDlg*>(QString(), Qt::FindDirectChildrenOnly);
  if (!dialog) dialog = new CStepUpDlg(view, &window);
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}
