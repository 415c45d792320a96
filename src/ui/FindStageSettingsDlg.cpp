#include "FindStageSettingsDlg.h"

#include "FieldText.h"
#include "LoadMapDlg.h"
#include "StageSettingsStore.h"
#include "WindowPlacement.h"
#include "chain/ChainPlot.h"
#include "circuit/CommandView.h"
#include "loads/ApplyStageSetting.h"
#include "loads/StageSettingTexts.h"
#include "loads/ValueList.h"
#include "ui/ResponsePlot.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* kFaultProperty = "stageInputFault";
constexpr const char* kPlacedProperty = "placedBesideWindow";

QLabel* Label(const char* text, QWidget* buddy) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setBuddy(buddy);
  return label;
}

// The Step-Up Transformer dialog's curve, which the finder leaves where it is.
bool IsTransformerDialogCurve(const PlotExtraCurve& extra) {
  return extra.levelDb && extra.colour == kChainCurveColour;
}

}  // namespace

CFindStageSettingsDlg::CFindStageSettingsDlg(CommandView& window, QWidget* parent)
    : QDialog(parent), m_window(window) {
  setWindowTitle(QStringLiteral("Find Stage Settings"));
  setSizeGripEnabled(true);
  BuildLayout();
  Restore();

  for (QLineEdit* edit : {&m_editL, &m_editRS, &m_editCable, &m_editCBase, &m_editCList, &m_editRBase,
                          &m_editRList, &m_editBandEdge, &m_editTargetF, &m_editTargetQ, &m_editTargetLoad,
                          &m_editTaps, &m_editRsecList, &m_editRp, &m_editRs2, &m_editC1})
    connect(edit, &QLineEdit::textChanged, this, &CFindStageSettingsDlg::Recompute);
  for (QComboBox* mode : {&m_cMode, &m_rMode, &m_rsecMode})
    connect(mode, &QComboBox::currentIndexChanged, this, &CFindStageSettingsDlg::Recompute);
  for (QRadioButton* button : {&m_flattest, &m_closest})
    connect(button, &QRadioButton::toggled, this, &CFindStageSettingsDlg::Recompute);
  connect(&m_apply, &QPushButton::clicked, this, &CFindStageSettingsDlg::OnApply);
  connect(&m_close, &QPushButton::clicked, this, &CFindStageSettingsDlg::reject);
  connect(&m_table, &QTableView::doubleClicked, this, &CFindStageSettingsDlg::OnApply);
  connect(m_table.selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CFindStageSettingsDlg::UpdateOverlay);
  connect(&m_loadMap, &QPushButton::clicked, this, [this] {
    if (parentWidget()) ShowLoadMap(*parentWidget(), m_window, Inputs());
  });
  for (const QKeyCombination key : {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter)}) {
    auto* shortcut = new QShortcut(QKeySequence(key), &m_table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, &CFindStageSettingsDlg::OnApply);
  }
  Recompute();
}

CFindStageSettingsDlg::~CFindStageSettingsDlg() = default;

void CFindStageSettingsDlg::BuildLayout() {
  auto* cartridge = new QGroupBox(QStringLiteral("Cartridge"));
  auto* cartridgeRow = new QHBoxLayout(cartridge);
  cartridgeRow->addWidget(Label("&L", &m_editL));
  cartridgeRow->addWidget(&m_editL);
  cartridgeRow->addWidget(Label("R&S", &m_editRS));
  cartridgeRow->addWidget(&m_editRS);
  cartridgeRow->addStretch(1);

  auto* stage = new QGroupBox(QStringLiteral("Cable and stage"));
  auto* grid = new QGridLayout(stage);
  grid->addWidget(new QLabel(QStringLiteral("Base")), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Values (spaces or commas between)")), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("Used as")), 0, 3);
  grid->addWidget(Label("Ca&ble", &m_editCable), 1, 0);
  grid->addWidget(&m_editCable, 1, 1);
  grid->addWidget(Label("&Capacitance", &m_editCBase), 2, 0);
  grid->addWidget(&m_editCBase, 2, 1);
  grid->addWidget(&m_editCList, 2, 2);
  grid->addWidget(&m_cMode, 2, 3);
  grid->addWidget(Label("&Resistance", &m_editRBase), 3, 0);
  grid->addWidget(&m_editRBase, 3, 1);
  grid->addWidget(&m_editRList, 3, 2);
  grid->addWidget(&m_rMode, 3, 3);
  grid->setColumnStretch(2, 1);
  for (QComboBox* mode : {&m_cMode, &m_rMode, &m_rsecMode})
    mode->addItems({QStringLiteral("choices"), QStringLiteral("switches")});
  m_editRBase.setPlaceholderText(QStringLiteral("none"));

  auto* transformer = new QGroupBox(QStringLiteral("Step-up transformer (optional)"));
  auto* transformerGrid = new QGridLayout(transformer);
  transformerGrid->addWidget(Label("Ta&ps", &m_editTaps), 0, 0);
  transformerGrid->addWidget(&m_editTaps, 0, 1);
  transformerGrid->addWidget(Label("Rs&ec", &m_editRsecList), 0, 2);
  transformerGrid->addWidget(&m_editRsecList, 0, 3);
  transformerGrid->addWidget(&m_rsecMode, 0, 4);
  auto* windings = new QHBoxLayout;
  windings->addWidget(Label("Rp", &m_editRp));
  windings->addWidget(&m_editRp);
  windings->addWidget(Label("Rs2", &m_editRs2));
  windings->addWidget(&m_editRs2);
  windings->addWidget(Label("C1", &m_editC1));
  windings->addWidget(&m_editC1);
  windings->addStretch(1);
  transformerGrid->addLayout(windings, 1, 0, 1, 5);
  transformerGrid->setColumnStretch(1, 1);
  transformerGrid->setColumnStretch(3, 1);
  m_editTaps.setPlaceholderText(QStringLiteral("none, or ratios as 1:10 1:20"));
  m_editRsecList.setPlaceholderText(QStringLiteral("none"));

  auto* ranking = new QGroupBox(QStringLiteral("Ranking"));
  auto* rankRow = new QHBoxLayout(ranking);
  m_flattest.setText(QStringLiteral("Flattest from 20 Hz up &to"));
  m_closest.setText(QStringLiteral("Cl&osest to"));
  rankRow->addWidget(&m_flattest);
  rankRow->addWidget(&m_editBandEdge);
  rankRow->addSpacing(12);
  rankRow->addWidget(&m_closest);
  rankRow->addWidget(Label("&F", &m_editTargetF));
  rankRow->addWidget(&m_editTargetF);
  rankRow->addWidget(Label("&Q", &m_editTargetQ));
  rankRow->addWidget(&m_editTargetQ);
  rankRow->addSpacing(12);
  m_closestLoad.setText(QStringLiteral("Load seen closest to"));
  rankRow->addWidget(&m_closestLoad);
  rankRow->addWidget(&m_editTargetLoad);
  rankRow->addStretch(1);
  m_flattest.setChecked(true);

  m_problem.setWordWrap(true);
  m_problem.setTextFormat(Qt::PlainText);

  m_table.setModel(&m_model);
  m_table.setSelectionBehavior(QAbstractItemView::SelectRows);
  // Several rows at once: their curves are compared over the window's plot.
  m_table.setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_table.setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table.setTabKeyNavigation(false);
  m_table.verticalHeader()->hide();
  m_table.verticalHeader()->setDefaultSectionSize(m_table.fontMetrics().lineSpacing() + 6);
  m_table.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  m_table.setSortingEnabled(true);
  m_table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_table.horizontalHeader()->setStretchLastSection(true);

  m_apply.setText(QStringLiteral("&Apply"));
  m_close.setText(QStringLiteral("Close"));
  m_loadMap.setText(QStringLiteral("Load &Map"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(&m_loadMap);
  buttons->addStretch(1);
  buttons->addWidget(&m_apply);
  buttons->addWidget(&m_close);

  auto* top = new QVBoxLayout(this);
  top->addWidget(cartridge);
  top->addWidget(stage);
  top->addWidget(transformer);
  top->addWidget(ranking);
  top->addWidget(&m_problem);
  top->addWidget(Label("Setti&ngs, best first", &m_table));
  top->addWidget(&m_table, 1);
  top->addLayout(buttons);

  const std::pair<QWidget*, const char*> names[] = {
      {&m_editL, "L"},
      {&m_editRS, "RS"},
      {&m_editCable, "Cable capacitance"},
      {&m_editCBase, "Stage capacitance base"},
      {&m_editCList, "Stage capacitance values"},
      {&m_cMode, "Stage capacitance values used as"},
      {&m_editRBase, "Stage resistance base"},
      {&m_editRList, "Stage resistance values"},
      {&m_rMode, "Stage resistance values used as"},
      {&m_editTaps, "Transformer taps"},
      {&m_editRsecList, "Resistors across the secondary"},
      {&m_rsecMode, "Resistors across the secondary used as"},
      {&m_editRp, "Primary winding resistance"},
      {&m_editRs2, "Secondary winding resistance"},
      {&m_editC1, "Capacitance before the transformer"},
      {&m_flattest, "Flattest up to band edge"},
      {&m_closest, "Closest to F and Q wanted"},
      {&m_editBandEdge, "Band edge"},
      {&m_editTargetF, "F wanted"},
      {&m_editTargetQ, "Q wanted"},
      {&m_closestLoad, "Closest to the load wanted"},
      {&m_editTargetLoad, "Load wanted"},
      {&m_problem, "Input problem"},
      {&m_table, "Settings, best first"},
      {&m_apply, "Apply"},
      {&m_close, "Close"},
      {&m_loadMap, "Load Map"},
  };
  QWidget* previous = nullptr;
  for (const auto& [widget, name] : names) {
    widget->setAccessibleName(QString::fromLatin1(name));
    if (widget == &m_problem) continue;
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
  for (QLineEdit* edit :
       {&m_editL, &m_editRS, &m_editCable, &m_editCBase, &m_editRBase, &m_editBandEdge, &m_editTargetF,
        &m_editTargetQ, &m_editTargetLoad, &m_editRp, &m_editRs2, &m_editC1})
    edit->setMaximumWidth(fontMetrics().averageCharWidth() * 14);
  // Room for the table's columns and a dozen rows, in the dialog's font.
  const QFontMetrics metrics = fontMetrics();
  resize(std::max(sizeHint().width(), metrics.averageCharWidth() * 135),
         sizeHint().height() + metrics.lineSpacing() * 8);
}

void CFindStageSettingsDlg::Restore() {
  // A usual moving-magnet input until the user's own stage is stored.
  StageSettingsInput in;
  in.cable = kDefaultCableText;
  LoadStageSettings(in);
  m_restoring = true;
  m_editCable.setText(FromFieldBytes(in.cable));
  m_editCBase.setText(FromFieldBytes(in.cBase));
  m_editCList.setText(FromFieldBytes(in.cList));
  m_cMode.setCurrentIndex(in.cMode == ListMode::Switches ? 1 : 0);
  m_editRBase.setText(FromFieldBytes(in.rBase));
  m_editRList.setText(FromFieldBytes(in.rList));
  m_rMode.setCurrentIndex(in.rMode == ListMode::Switches ? 1 : 0);
  (in.rankBy == RankBy::Target ? m_closest : m_flattest).setChecked(true);
  m_editBandEdge.setText(FromFieldBytes(in.bandEdge));
  m_editTargetF.setText(FromFieldBytes(in.targetF));
  m_editTargetQ.setText(FromFieldBytes(in.targetQ));
  m_restoring = false;
}

void CFindStageSettingsDlg::TakeFromWindow() {
  m_restoring = true;
  m_editL.setText(FromFieldBytes(m_window.GetFieldText(Field::L, kMaxFieldText)));
  m_editRS.setText(FromFieldBytes(m_window.GetFieldText(Field::RS, kMaxFieldText)));
  const std::string F = m_window.GetFieldText(Field::F, kMaxFieldText);
  const std::string Q = m_window.GetFieldText(Field::Q, kMaxFieldText);
  if (IsUsableWanted(F) && IsUsableWanted(Q)) {
    m_editTargetF.setText(FromFieldBytes(std::string(Trimmed(F))));
    m_editTargetQ.setText(FromFieldBytes(std::string(Trimmed(Q))));
  }
  m_restoring = false;
  Recompute();
}

StageSettingsInput CFindStageSettingsDlg::Inputs() const {
  StageSettingsInput in;
  in.L = Bytes(m_editL);
  in.RS = Bytes(m_editRS);
  in.cable = Bytes(m_editCable);
  in.cBase = Bytes(m_editCBase);
  in.cList = Bytes(m_editCList);
  in.cMode = m_cMode.currentIndex() == 1 ? ListMode::Switches : ListMode::Choices;
  in.rBase = Bytes(m_editRBase);
  in.RL = m_window.GetFieldText(Field::RL, kMaxFieldText);
  in.rList = Bytes(m_editRList);
  in.rMode = m_rMode.currentIndex() == 1 ? ListMode::Switches : ListMode::Choices;
  in.rankBy = m_closest.isChecked() ? RankBy::Target : RankBy::Flatness;
  in.bandEdge = Bytes(m_editBandEdge);
  in.targetF = Bytes(m_editTargetF);
  in.targetQ = Bytes(m_editTargetQ);
  if (m_closestLoad.isChecked()) in.rankBy = RankBy::Load;
  in.targetLoad = Bytes(m_editTargetLoad);
  in.taps = Bytes(m_editTaps);
  in.rsecList = Bytes(m_editRsecList);
  in.rsecMode = m_rsecMode.currentIndex() == 1 ? ListMode::Switches : ListMode::Choices;
  in.Rp = Bytes(m_editRp);
  in.Rs2 = Bytes(m_editRs2);
  in.C1 = Bytes(m_editC1);
  return in;
}

void CFindStageSettingsDlg::Recompute() {
  if (m_restoring) return;
  const StageSettingsInput in = Inputs();
  // Tab enters the pair of ranking buttons at the one that is on; the
  // arrow keys move between them.
  for (QRadioButton* button : {&m_flattest, &m_closest, &m_closestLoad})
    button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  m_editTargetF.setEnabled(in.rankBy == RankBy::Target);
  m_editTargetQ.setEnabled(in.rankBy == RankBy::Target);
  m_editTargetLoad.setEnabled(in.rankBy == RankBy::Load);
  StageSettingsResult result = FindStageSettings(in);
  Mark(result.input, QString::fromStdString(result.error));
  m_problem.setText(QString::fromStdString(result.error));
  m_problem.setVisible(!result.error.empty());
  m_model.SetResult(std::move(result));
  m_table.setColumnHidden(StageSettingsModel::Distance, in.rankBy == RankBy::Flatness);
  if (m_model.rowCount() > 0) m_table.selectRow(0);
  m_apply.setEnabled(m_model.rowCount() > 0);
  // Rows that went away with a fault take their curves with them.
  UpdateOverlay();
}

QLineEdit* CFindStageSettingsDlg::EditFor(StageInput input) {
  switch (input) {
    case StageInput::L:
      return &m_editL;
    case StageInput::RS:
      return &m_editRS;
    case StageInput::Cable:
      return &m_editCable;
    case StageInput::CBase:
      return &m_editCBase;
    case StageInput::CList:
      return &m_editCList;
    case StageInput::RBase:
      return &m_editRBase;
    case StageInput::RList:
      return &m_editRList;
    case StageInput::BandEdge:
      return &m_editBandEdge;
    case StageInput::TargetF:
      return &m_editTargetF;
    case StageInput::TargetQ:
      return &m_editTargetQ;
    case StageInput::Taps:
      return &m_editTaps;
    case StageInput::RsecList:
      return &m_editRsecList;
    case StageInput::Rp:
      return &m_editRp;
    case StageInput::Rs2:
      return &m_editRs2;
    case StageInput::C1:
      return &m_editC1;
    case StageInput::TargetLoad:
      return &m_editTargetLoad;
    case StageInput::RL:
    case StageInput::None:
      break;
  }
  return nullptr;
}

void CFindStageSettingsDlg::Mark(StageInput input, const QString& problem) {
  QLineEdit* marked = EditFor(input);
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    const bool fault = edit == marked;
    if (edit->property(kFaultProperty).toBool() == fault) continue;
    edit->setProperty(kFaultProperty, fault);
    QPalette palette = edit->parentWidget() ? edit->parentWidget()->palette() : QPalette();
    if (fault) palette.setColor(QPalette::Base, QColor(255, 214, 214));
    edit->setPalette(palette);
    edit->setAccessibleDescription(fault ? problem : QString());
  }
  if (marked) marked->setAccessibleDescription(problem);
}

bool CFindStageSettingsDlg::IsMarked(const QLineEdit& edit) { return edit.property(kFaultProperty).toBool(); }

void CFindStageSettingsDlg::OnApply() {
  const QModelIndex current = m_table.currentIndex();
  const StageSettingRow* row = current.isValid() ? m_model.RowAt(current.row()) : nullptr;
  // Only a row on show is ever written: none while an input is at fault.
  if (!row || !m_model.Result().error.empty()) return;
  const StageSettingsInput in = Inputs();
  ApplyStageSetting(m_window, *row, in.L.substr(0, kMaxFieldText - 1), in.RS.substr(0, kMaxFieldText - 1));
  SaveStageSettings(in);
  UpdateOverlay();
}

void CFindStageSettingsDlg::UpdateOverlay() {
  auto* plot = parentWidget() ? parentWidget()->findChild<CResponsePlot*>() : nullptr;
  if (!plot) return;
  std::vector<PlotExtraCurve> extras;
  for (const PlotExtraCurve& extra : plot->ExtraCurves())
    if (IsTransformerDialogCurve(extra)) extras.push_back(extra);
  const std::size_t kept = extras.size();
  if (isVisible() && m_model.Result().error.empty()) {
    QModelIndexList selected = m_table.selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : selected) {
      const StageSettingRow* row = m_model.RowAt(index.row());
      if (!row || extras.size() == kMaxExtraCurves) continue;
      // The applied setting is the plot's own curve, black and on top.
      if (plot->m_bShowCurve != 0 && row->F == plot->m_dF && row->Q == plot->m_dQ) continue;
      PlotExtraCurve curve{row->F, row->Q, ExtraCurveColour(extras.size()),
                           SettingLegendName(m_model.Result(), *row)};
      if (const std::optional<ChainValues> chain = RowChain(m_model.Result(), *row))
        curve.levelDb = [c = *chain](double f) { return ChainLevelDb(c, f); };
      extras.push_back(std::move(curve));
    }
  }
  if (extras.size() == plot->ExtraCurves().size() && kept == extras.size()) return;
  plot->SetExtraCurves(std::move(extras));
}

void CFindStageSettingsDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  UpdateOverlay();
}

void CFindStageSettingsDlg::hideEvent(QHideEvent* event) {
  SaveStageSettings(Inputs());
  // Closing takes the compared curves off the plot.
  if (auto* plot = parentWidget() ? parentWidget()->findChild<CResponsePlot*>() : nullptr) {
    std::vector<PlotExtraCurve> kept;
    for (const PlotExtraCurve& extra : plot->ExtraCurves())
      if (IsTransformerDialogCurve(extra)) kept.push_back(extra);
    if (kept.size() != plot->ExtraCurves().size()) plot->SetExtraCurves(std::move(kept));
  }
  QDialog::hideEvent(event);
}

void ShowFindStageSettings(QWidget& window, CommandView& view) {
  auto* finder = window.findChild<CFindStageSettingsDlg*>(QString(), Qt::FindDirectChildrenOnly);
  if (!finder) finder = new CFindStageSettingsDlg(view, &window);
  if (!finder->isVisible()) {
    finder->TakeFromWindow();
    // Beside the window the first time; where the user left it afterwards.
    if (!finder->property(kPlacedProperty).toBool()) {
      PlaceBeside(*finder, window);
      finder->setProperty(kPlacedProperty, true);
    }
    finder->show();
  }
  finder->raise();
  finder->activateWindow();
}
