#include "MainWindowFixture.h"
#include "ui/FindStageSettingsDlg.h"
#include "ui/LoadMapDlg.h"
#include "ui/ResourceIds.h"
#include "ui/WindowPlacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The main window with its finder, and a settings folder of the test's own so
// that no test reads or writes the user's settings.
class FindStageSettingsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_settings.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    MainWindowTest::SetUp();
    SetMain("500m", "1.2k", "1n", "10k", "", "");
  }

  void SetMain(const char* l, const char* rs, const char* c, const char* rl, const char* f, const char* q) {
    dlg->m_editL.setText(QString::fromLatin1(l));
    dlg->m_editRS.setText(QString::fromLatin1(rs));
    dlg->m_editC.setText(QString::fromLatin1(c));
    dlg->m_editRL.setText(QString::fromLatin1(rl));
    dlg->m_editF.setText(QString::fromLatin1(f));
    dlg->m_editQ.setText(QString::fromLatin1(q));
  }

  CFindStageSettingsDlg& Open() {
    QTest::keyClick(&dlg->m_editL, Qt::Key_F, Qt::ControlModifier);
    auto* finder = dlg->findChild<CFindStageSettingsDlg*>();
    EXPECT_NE(finder, nullptr);
    EXPECT_TRUE(WaitFor([finder] { return finder && finder->isVisible(); }));
    return *finder;
  }

  // The worked example: choices 0 .. 330p on a 100 pF cable, 47k.
  CFindStageSettingsDlg& OpenWithChoices() {
    CFindStageSettingsDlg& finder = Open();
    finder.m_editCable.setText(QStringLiteral("100p"));
    finder.m_editCBase.clear();
    finder.m_editCList.setText(QStringLiteral("0 47p 100p 150p 220p 330p"));
    finder.m_cMode.setCurrentIndex(0);
    finder.m_editRBase.setText(QStringLiteral("47k"));
    finder.m_editRList.clear();
    finder.m_flattest.setChecked(true);
    finder.m_editBandEdge.setText(QStringLiteral("20k"));
    return finder;
  }

  static QString Cell(const CFindStageSettingsDlg& finder, int row, int column) {
    return finder.Model().index(row, column).data().toString();
  }

  QTemporaryDir m_settings;
};

TEST_F(FindStageSettingsTest, CtrlFOpensWithTheWindowsValues) {
  SetMain("500m", "1.2k", "1n", "10k", "15k", "1.000000");
  CFindStageSettingsDlg& finder = Open();
  EXPECT_FALSE(finder.isModal());
  EXPECT_EQ(finder.m_editL.text(), QStringLiteral("500m"));
  EXPECT_EQ(finder.m_editRS.text(), QStringLiteral("1.2k"));
  EXPECT_EQ(finder.m_editTargetF.text(), QStringLiteral("15k"));
  EXPECT_EQ(finder.m_editTargetQ.text(), QStringLiteral("1.000000"));
  QStringList shortcuts;
  for (const QAction* action : dlg->actions()) {
    if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_F)) shortcuts << action->text();
  }
  EXPECT_EQ(shortcuts, QStringList{QStringLiteral("Find Stage Settings\u2026")});
}

TEST_F(FindStageSettingsTest, UnusableFAndQLeaveTheWantedValues) {
  CFindStageSettingsDlg& finder = Open();
  finder.m_editTargetF.setText(QStringLiteral("12k"));
  finder.reject();
  SetMain("500m", "1.2k", "1n", "10k", "", "0.7");
  Open();
  EXPECT_EQ(finder.m_editTargetF.text(), QStringLiteral("12k"));
}

TEST_F(FindStageSettingsTest, ApplyWritesTheRowAndCalculates) {
  CFindStageSettingsDlg& finder = OpenWithChoices();
  ASSERT_EQ(finder.Model().rowCount(), 6);
  EXPECT_EQ(Cell(finder, 0, StageSettingsModel::Setting), QStringLiteral("47p, 47k"));
  dlg->m_plot.m_bShowCurve = 0;

  QTest::mouseClick(&finder.m_apply, Qt::LeftButton);

  EXPECT_EQ(dlg->m_editC.text(), QStringLiteral("147p"));
  EXPECT_EQ(dlg->m_editRL.text(), QStringLiteral("47k"));
  EXPECT_EQ(dlg->m_editF.text(), Cell(finder, 0, StageSettingsModel::F));
  EXPECT_EQ(dlg->m_editQ.text(), Cell(finder, 0, StageSettingsModel::Q));
  EXPECT_EQ(dlg->m_plot.m_bShowCurve, 1);
  EXPECT_EQ(dlg->m_plot.m_dF, finder.Model().RowAt(0)->F);
  EXPECT_TRUE(finder.isVisible());
  EXPECT_TRUE(m_seen.empty());
}

TEST_F(FindStageSettingsTest, DoubleClickAndEnterApplyThatRow) {
  CFindStageSettingsDlg& finder = OpenWithChoices();
  QTableView& table = finder.m_table;
  const QRect third = table.visualRect(finder.Model().index(2, StageSettingsModel::Setting));
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, third.center());
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, third.center());
  EXPECT_EQ(dlg->m_editC.text(), Cell(finder, 2, StageSettingsModel::CTotal));

  table.setFocus();
  table.selectRow(5);
  QTest::keyClick(&table, Qt::Key_Return);
  EXPECT_EQ(dlg->m_editC.text(), Cell(finder, 5, StageSettingsModel::CTotal));
  EXPECT_TRUE(finder.isVisible());
}

TEST_F(FindStageSettingsTest, SortingKeepsApplyOnTheRowShown) {
  CFindStageSettingsDlg& finder = OpenWithChoices();
  finder.m_table.sortByColumn(StageSettingsModel::CTotal, Qt::DescendingOrder);
  EXPECT_EQ(Cell(finder, 0, StageSettingsModel::CTotal), QStringLiteral("430p"));
  EXPECT_EQ(Cell(finder, 5, StageSettingsModel::CTotal), QStringLiteral("100p"));
  EXPECT_EQ(Cell(finder, 0, StageSettingsModel::Rank), QStringLiteral("6"));
  finder.m_table.selectRow(0);
  finder.OnApply();
  EXPECT_EQ(dlg->m_editC.text(), QStringLiteral("430p"));
  // Typing keeps the order the user chose.
  finder.m_editCable.setText(QStringLiteral("50p"));
  EXPECT_EQ(Cell(finder, 0, StageSettingsModel::CTotal), QStringLiteral("380p"));
}

TEST_F(FindStageSettingsTest, BadEntryIsNamedMarkedAndNothingIsWritten) {
  CFindStageSettingsDlg& finder = OpenWithChoices();
  finder.m_editCList.setText(QStringLiteral("47p 22x0p"));
  EXPECT_EQ(finder.m_problem.text(), QStringLiteral("Cannot read \"22x0p\" in stage capacitance"));
  EXPECT_TRUE(finder.m_problem.isVisible());
  EXPECT_TRUE(CFindStageSettingsDlg::IsMarked(finder.m_editCList));
  EXPECT_FALSE(CFindStageSettingsDlg::IsMarked(finder.m_editCable));
  EXPECT_EQ(finder.Model().rowCount(), 0);
  EXPECT_FALSE(finder.m_apply.isEnabled());
  finder.OnApply();
  EXPECT_EQ(dlg->m_editC.text(), QStringLiteral("1n"));
  EXPECT_EQ(dlg->m_editRL.text(), QStringLiteral("10k"));

  finder.m_editCList.setText(QStringLiteral("47p 220p"));
  EXPECT_FALSE(CFindStageSettingsDlg::IsMarked(finder.m_editCList));
  EXPECT_FALSE(finder.m_problem.isVisible());
  EXPECT_EQ(finder.Model().rowCount(), 2);
}

TEST_F(FindStageSettingsTest, TargetRankingShowsTheDistance) {
  CFindStageSettingsDlg& finder = OpenWithChoices();
  EXPECT_TRUE(finder.m_table.isColumnHidden(StageSettingsModel::Distance));
  EXPECT_FALSE(finder.m_editTargetF.isEnabled());
  finder.m_editTargetF.setText(QStringLiteral("15k"));
  finder.m_editTargetQ.setText(QStringLiteral("1"));
  QTest::mouseClick(&finder.m_closest, Qt::LeftButton);
  EXPECT_FALSE(finder.m_table.isColumnHidden(StageSettingsModel::Distance));
  EXPECT_EQ(Cell(finder, 0, StageSettingsModel::Setting), QStringLiteral("150p, 47k"));
}

TEST_F(FindStageSettingsTest, InputsAreRememberedAndUnreadableOnesIgnored) {
  CFindStageSettingsDlg& finder = OpenWithChoices();
  finder.m_editRList.setText(QStringLiteral("100k 10k"));
  finder.m_rMode.setCurrentIndex(1);
  finder.m_closest.setChecked(true);
  finder.reject();

  CFindStageSettingsDlg again(*dlg, nullptr);
  EXPECT_EQ(again.m_editCList.text(), QStringLiteral("0 47p 100p 150p 220p 330p"));
  EXPECT_EQ(again.m_editRList.text(), QStringLiteral("100k 10k"));
  EXPECT_EQ(again.m_rMode.currentIndex(), 1);
  EXPECT_TRUE(again.m_closest.isChecked());

  // Kept in the one configuration folder, by the safe writer, not with QSettings.
  const QString file = ConfigDir() + QStringLiteral("/varnholt/stage-settings.txt");
  ASSERT_TRUE(QFile::exists(file));
  EXPECT_TRUE(QDir(m_settings.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));

  QFile stored(file);
  ASSERT_TRUE(stored.open(QIODevice::WriteOnly | QIODevice::Truncate));
  stored.write("capacitanceList=47p 22x0p\nresistanceMode=sideways\ncable\nbandEdge=" +
               QByteArray(5000, '1') + "\nresistanceList=100k 10k\n");
  stored.close();
  CFindStageSettingsDlg ignored(*dlg, nullptr);
  EXPECT_EQ(ignored.m_editCList.text(), QString());
  EXPECT_EQ(ignored.m_rMode.currentIndex(), 0);
  EXPECT_EQ(ignored.m_editCable.text(), QStringLiteral("100p"));
  EXPECT_EQ(ignored.m_editBandEdge.text(), QStringLiteral("20k"));
  EXPECT_EQ(ignored.m_editRList.text(), QStringLiteral("100k 10k"));
}

// Entries an older version kept with QSettings are read while the file does
// not exist, and the file wins once it does; nothing is stored without a
// configuration folder, not even in the working folder.
TEST_F(FindStageSettingsTest, OlderEntriesAreTakenOverOnceAndNoFolderStoresNothing) {
  {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnholt"),
                    QStringLiteral("Varnholt"));
    store.setValue(QStringLiteral("FindStageSettings/capacitanceList"), QStringLiteral("0 68p"));
    store.setValue(QStringLiteral("FindStageSettings/resistanceBase"), QStringLiteral("22x"));
  }
  CFindStageSettingsDlg& finder = Open();
  EXPECT_EQ(finder.m_editCList.text(), QStringLiteral("0 68p"));
  EXPECT_EQ(finder.m_editRBase.text(), QString());  // unreadable there too
  finder.m_editCList.setText(QStringLiteral("0 150p"));
  finder.reject();
  CFindStageSettingsDlg again(*dlg, nullptr);
  EXPECT_EQ(again.m_editCList.text(), QStringLiteral("0 150p"));

  // A relative XDG_CONFIG_HOME is passed over for $HOME/.config; without a
  // HOME either, nothing is stored. The working folder is never written.
  const QByteArray home = qgetenv("HOME");
  qputenv("XDG_CONFIG_HOME", "rel");
  for (const QString& place : {ConfigDir() + QStringLiteral("/home"), QString()}) {
    place.isEmpty() ? qunsetenv("HOME") : qputenv("HOME", QFile::encodeName(place));
    CFindStageSettingsDlg other(*dlg, nullptr);
    other.show();
    other.m_editCList.setText(QStringLiteral("0 47p"));
    other.reject();
  }
  qputenv("HOME", home);
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigDir()));
  EXPECT_TRUE(QFile::exists(ConfigDir() + QStringLiteral("/home/.config/varnholt/stage-settings.txt")));
  EXPECT_FALSE(QFile::exists(WorkDir() + QStringLiteral("/rel")));
  CFindStageSettingsDlg kept(*dlg, nullptr);
  EXPECT_EQ(kept.m_editCList.text(), QStringLiteral("0 150p"));
}

TEST_F(FindStageSettingsTest, KeyboardReachesEveryControlAndEscapeClosesOnlyTheFinder) {
  CFindStageSettingsDlg& finder = OpenWithChoices();
  finder.m_editTargetF.setText(QStringLiteral("15k"));
  finder.m_editTargetQ.setText(QStringLiteral("1"));
  finder.m_closest.setChecked(true);  // so that F and Q wanted take the focus
  ShowAndActivate(finder);
  finder.m_editL.setFocus();
  const QList<QWidget*> order = {
      &finder.m_editL,        &finder.m_editRS,      &finder.m_editCable,    &finder.m_editCBase,
      &finder.m_editCList,    &finder.m_cMode,       &finder.m_editRBase,    &finder.m_editRList,
      &finder.m_rMode,        &finder.m_editTaps,    &finder.m_editRsecList, &finder.m_rsecMode,
      &finder.m_editRp,       &finder.m_editRs2,     &finder.m_editC1,       &finder.m_closest,
      &finder.m_editBandEdge, &finder.m_editTargetF, &finder.m_editTargetQ,  &finder.m_table,
      &finder.m_apply,        &finder.m_close};
  for (QWidget* widget : order) {
    EXPECT_EQ(QApplication::focusWidget(), widget) << widget->accessibleName().toStdString();
    EXPECT_FALSE(widget->accessibleName().isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  // The arrow keys choose the ranking.
  finder.m_closest.setFocus();
  QTest::keyClick(&finder.m_closest, Qt::Key_Left);
  EXPECT_TRUE(finder.m_flattest.isChecked());
  EXPECT_TRUE(finder.m_table.isColumnHidden(StageSettingsModel::Distance));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([&] { return !finder.isVisible(); }));
  EXPECT_TRUE(dlg->isVisible());
}

TEST_F(FindStageSettingsTest, SelectedRowsAreCurvesOverThePlotUntilTheFinderCloses) {
  Click(IDC_CALCULATE);
  const QImage before = dlg->m_plot.Render(1.0);
  CFindStageSettingsDlg& finder = OpenWithChoices();
  QItemSelectionModel& selection = *finder.m_table.selectionModel();
  const auto selectRows = [&](std::initializer_list<int> rows) {
    selection.clearSelection();
    for (const int row : rows)
      selection.select(finder.Model().index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  };
  selectRows({0, 2, 4});
  const std::vector<PlotExtraCurve>& extras = dlg->m_plot.ExtraCurves();
  ASSERT_EQ(extras.size(), 3u);
  EXPECT_EQ(extras[1].name, "100p, 47k");
  EXPECT_EQ(extras[1].F, finder.Model().RowAt(2)->F);
  EXPECT_NE(extras[0].colour, extras[1].colour);
  EXPECT_NE(dlg->m_plot.Render(1.0), before);
  // No more than five, in the table's order.
  selectRows({5, 4, 3, 2, 1, 0});
  ASSERT_EQ(dlg->m_plot.ExtraCurves().size(), kMaxExtraCurves);
  EXPECT_EQ(dlg->m_plot.ExtraCurves()[0].F, finder.Model().RowAt(0)->F);
  // Rows that an unreadable entry takes away leave no curve behind.
  finder.m_editCList.setText(QStringLiteral("0 47x"));
  EXPECT_TRUE(dlg->m_plot.ExtraCurves().empty());
  finder.m_editCList.setText(QStringLiteral("0 47p 100p 150p 220p 330p"));

  QTest::keyClick(&finder.m_table, Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([&] { return !finder.isVisible(); }));
  EXPECT_TRUE(dlg->m_plot.ExtraCurves().empty());
  EXPECT_EQ(dlg->m_plot.Render(1.0), before);
}

TEST_F(FindStageSettingsTest, TheAppliedSettingIsTheBlackCurveAlone) {
  CFindStageSettingsDlg& finder = OpenWithChoices();
  finder.m_table.setCurrentIndex(finder.Model().index(1, 0));
  finder.m_table.selectAll();
  finder.OnApply();
  EXPECT_EQ(dlg->m_plot.m_dF, finder.Model().RowAt(1)->F);
  const std::vector<PlotExtraCurve>& extras = dlg->m_plot.ExtraCurves();
  ASSERT_EQ(extras.size(), kMaxExtraCurves);
  for (const PlotExtraCurve& extra : extras) EXPECT_NE(extra.F, dlg->m_plot.m_dF) << extra.name;
}

// The map opens with the finder's stage; a double-click on it is a load
// written as a solver writes it, and Calculate.
TEST_F(FindStageSettingsTest, LoadMapShowsTheStageAndWritesTheLoadChosen) {
  CFindStageSettingsDlg& finder = OpenWithChoices();
  QTest::mouseClick(&finder.m_loadMap, Qt::LeftButton);
  auto* map = dlg->findChild<CLoadMapDlg*>();
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(WaitFor([map] { return map->isVisible(); }));
  EXPECT_EQ(map->m_editCRange.text(), QStringLiteral("200p, 5n"));  // around the window's 1n
  ASSERT_TRUE(map->m_map.Map());
  EXPECT_EQ(map->m_map.Map()->C.size(), static_cast<std::size_t>(CLoadMapDlg::kColumns));

  const QPoint middle = map->m_map.rect().center();
  const QString readout = map->m_map.ReadoutAt(middle);
  ASSERT_TRUE(readout.startsWith(QStringLiteral("C "))) << readout.toStdString();
  QTest::mouseDClick(&map->m_map, Qt::LeftButton, {}, middle);
  // "C 1.00079n  RL 31.6503k  F ..."
  EXPECT_EQ(QStringLiteral("C ") + dlg->m_editC.text() + QStringLiteral("  RL ") + dlg->m_editRL.text(),
            readout.section(QStringLiteral("  F "), 0, 0));
  EXPECT_FALSE(dlg->m_editF.text().isEmpty());
  EXPECT_EQ(dlg->m_plot.m_bShowCurve, 1);

  // Saved through the same canvases as the plot.
  QTemporaryDir folder;
  for (const char* name : {"map.svg", "map.png"}) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    ASSERT_TRUE(SaveLoadMapImage(map->m_map, path).isNull());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(8);
    EXPECT_TRUE(head.startsWith("<?xml") || head.startsWith("\x89PNG")) << name;
  }

  // A range that cannot be mapped is named, and nothing is drawn.
  map->m_editCRange.setText(QStringLiteral("5n, 200p"));
  EXPECT_EQ(map->m_problem.text(), QStringLiteral("C total range is reversed"));
  EXPECT_FALSE(map->m_map.Map());
  EXPECT_TRUE(m_seen.empty());
}

}  // namespace

namespace {

// The finder opens beside the window, not over its plot, where the screen has
// room, moving the window aside only where neither side has it.
TEST(WindowPlacement, BesideTheWindowWhereTheScreenHasRoom) {
  const QRect screen(0, 0, 1280, 1024);
  const struct {
    QRect window;
    QSize size;
    int least;
    QRect tool;  // empty: no place
    QPoint windowAt;
  } rows[] = {
      {{100, 100, 380, 470}, {600, 500}, 500, {480, 100, 600, 500}, {100, 100}},  // right, whole
      {{700, 100, 380, 470}, {600, 500}, 500, {100, 100, 600, 500}, {700, 100}},  // left, whole
      {{0, 0, 380, 470}, {950, 500}, 500, {380, 0, 900, 500}, {0, 0}},            // right, narrower
      {{445, 160, 371, 497}, {810, 680}, 700, {371, 160, 810, 680}, {0, 160}},    // the window moves aside
      {{100, 800, 380, 200}, {600, 500}, 500, {480, 524, 600, 500}, {100, 800}},  // kept on the screen
      {{445, 160, 371, 497}, {950, 500}, 950, {}, {}},                            // the screen is too narrow
  };
  for (const auto& row : rows) {
    const std::optional<BesidePlacement> place = BesideWindow(row.window, row.size, row.least, screen);
    ASSERT_EQ(place.has_value(), !row.tool.isEmpty()) << row.window.x();
    if (!place) continue;
    EXPECT_EQ(place->tool, row.tool) << row.window.x();
    EXPECT_EQ(place->windowAt, row.windowAt) << row.window.x();
  }
}

}  // namespace
