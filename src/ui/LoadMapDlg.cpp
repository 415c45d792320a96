#include "LoadMapDlg.h"

#include "FieldText.h"
#include "FindStageSettingsDlg.h"
#include "ImageFile.h"
#include "MessageBoxes.h"
#include "PlotExport.h"
#include "circuit/CommandView.h"
#include "engnum/EngValue.h"
#include "loads/ApplyStageSetting.h"

#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

QString RangeText(double around, double factor) {
  return FromFieldBytes(FormatEngValue(around / factor, 4) + ", " + FormatEngValue(around * factor, 4));
}

// The range typed into `edit`, or the problem with it in words.
std::optional<LoadMapRange> ReadRange(const QLineEdit& edit, const QString& name, QString& problem) {
  LoadMapRange range{};
  if (!ReadLoadMapRange(Bytes(edit), range)) {
    problem = name + QStringLiteral(" is not two values, such as 20p, 500p");
    return std::nullopt;
  }
  if (const std::string fault = LoadMapRangeProblem(range); !fault.empty()) {
    problem = name + QLatin1Char(' ') + FromFieldBytes(fault);
    return std::nullopt;
  }
  return range;
}

}  // namespace

CLoadMapDlg::CLoadMapDlg(CommandView& window, QWidget* parent) : QDialog(parent), m_window(window) {
  setWindowTitle(QStringLiteral("Load Map"));
  setSizeGripEnabled(true);

  auto* ranges = new QFormLayout;
  ranges->addRow(QStringLiteral("&C total from, to"), &m_editCRange);
  ranges->addRow(QStringLiteral("R&L from, to"), &m_editRRange);
  m_problem.setWordWrap(true);
  m_problem.setTextFormat(Qt::PlainText);
  m_problem.hide();
  m_save.setText(QStringLiteral("&Save Image\u2026"));
  m_close.setText(QStringLiteral("Close"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new QLabel(QStringLiteral("Double-click puts a load into the window.")));
  buttons->addStretch(1);
  buttons->addWidget(&m_save);
  buttons->addWidget(&m_close);
  auto* top = new QVBoxLayout(this);
  top->addLayout(ranges);
  top->addWidget(&m_problem);
  top->addWidget(&m_map, 1);
  top->addLayout(buttons);

  m_editCRange.setAccessibleName(QStringLiteral("C total range"));
  m_editRRange.setAccessibleName(QStringLiteral("RL range"));
  m_map.setAccessibleName(QStringLiteral("Load map"));
  m_save.setAutoDefault(false);
  m_close.setAutoDefault(false);

  for (QLineEdit* edit : {&m_editCRange, &m_editRRange})
    connect(edit, &QLineEdit::textChanged, this, &CLoadMapDlg::Recompute);
  connect(&m_map, &CLoadMapWidget::LoadChosen, this, &CLoadMapDlg::OnLoadChosen);
  connect(&m_save, &QPushButton::clicked, this, &CLoadMapDlg::OnSaveImage);
  connect(&m_close, &QPushButton::clicked, this, &CLoadMapDlg::reject);
}

std::optional<LoadMapLoad> CLoadMapDlg::WindowLoad() {
  const double C = ParseEngValue(m_window.GetFieldText(Field::C, kMaxFieldText).c_str());
  const double RL = ParseEngValue(m_window.GetFieldText(Field::RL, kMaxFieldText).c_str());
  if (!(C > 0) || !(RL > 0)) return std::nullopt;
  return LoadMapLoad{C, RL};
}

void CLoadMapDlg::SetInputs(const StageSettingsInput& in) {
  m_inputs = in;
  const std::optional<LoadMapLoad> load = WindowLoad();
  const QSignalBlocker blockC(m_editCRange);
  const QSignalBlocker blockR(m_editRRange);
  m_editCRange.setText(load ? RangeText(load->C, 5.0) : QStringLiteral("50p, 1.25n"));
  m_editRRange.setText(load ? RangeText(load->RL, 10.0) : QStringLiteral("4.7k, 470k"));
  Recompute();
}

void CLoadMapDlg::Recompute() {
  QString problem;
  const StageSettingsResult stage = FindStageSettings(m_inputs);
  if (!stage.error.empty()) problem = QString::fromUtf8(stage.error.c_str());
  std::optional<LoadMapRange> C, RL;
  if (problem.isEmpty()) C = ReadRange(m_editCRange, QStringLiteral("C total range"), problem);
  if (problem.isEmpty()) RL = ReadRange(m_editRRange, QStringLiteral("RL range"), problem);
  m_problem.setText(problem);
  m_problem.setVisible(!problem.isEmpty());
  m_save.setEnabled(problem.isEmpty());
  if (!problem.isEmpty()) {
    m_map.SetMap(std::nullopt);
    return;
  }
  LoadMapInput input{};
  input.L = ParseEngValue(m_inputs.L.substr(0, kMaxFieldText - 1).c_str());
  input.RS = ParseEngValue(m_inputs.RS.substr(0, kMaxFieldText - 1).c_str());
  input.C = *C;
  input.RL = *RL;
  input.columns = kColumns;
  input.rows = kRows;
  input.bandEdge = stage.bandEdge;
  LoadMapMarks marks;
  for (const StageSettingRow& row : stage.rows) marks.stage.push_back({row.C, row.RL});
  if (!stage.rows.empty()) marks.best = LoadMapLoad{stage.rows.front().C, stage.rows.front().RL};
  marks.current = WindowLoad();
  m_map.SetMap(ComputeLoadMap(input));
  m_map.SetMarks(std::move(marks));
}

bool CLoadMapDlg::event(QEvent* event) {
  // The window's load may have changed meanwhile; the cross follows it.
  if (event->type() == QEvent::WindowActivate && m_map.Map()) {
    LoadMapMarks marks = m_map.Marks();
    marks.current = WindowLoad();
    m_map.SetMarks(std::move(marks));
  }
  return QDialog::event(event);
}

void CLoadMapDlg::OnLoadChosen(double C, double RL) {
  ApplyLoad(m_window, C, RL);
  Recompute();
}

namespace {

ImageSources LoadMapImageSources(const CLoadMapWidget& map) {
  return {[&map] { return map.Svg(); }, [&map] { return map.Render(map.devicePixelRatioF()); }};
}

}  // namespace

QString SaveLoadMapImage(const CLoadMapWidget& map, const QString& path) {
  return SaveImage(LoadMapImageSources(map), path);
}

void CLoadMapDlg::OnSaveImage() {
  SaveImageAs(this, QStringLiteral("loadmap.png"), LoadMapImageSources(m_map));
}

void ShowLoadMap(QWidget& window, CommandView& view, const StageSettingsInput& in) {
  auto* map = window.findChild<CLoadMapDlg*>(QString(), Qt::FindDirectChildrenOnly);
  if (!map) map = new CLoadMapDlg(view, &window);
  map->SetInputs(in);
  map->show();
  map->raise();
  map->activateWindow();
}

void ShowLoadMapFromWindow(QWidget& window, CommandView& view) {
  // The stage as the finder has it: its own first or remembered inputs when it
  // has not been opened yet (made now, hidden, and kept as ShowFindStageSettings
  // keeps it).
  auto* finder = window.findChild<CFindStageSettingsDlg*>(QString(), Qt::FindDirectChildrenOnly);
  if (!finder) finder = new CFindStageSettingsDlg(view, &window);
  StageSettingsInput in = finder->Inputs();
  in.L = view.GetFieldText(Field::L, kMaxFieldText);
  in.RS = view.GetFieldText(Field::RS, kMaxFieldText);
  ShowLoadMap(window, view, in);
}
