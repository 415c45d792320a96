#include "MainWindowFixture.h"
#include "chain/ChainPlot.h"
#include "ui/FindStageSettingsDlg.h"
#include "ui/StepUpDlg.h"

#include <QFile>
#include <QSettings>
#include <QtGlobal>

namespace {

// The main window with a moving coil.
class StepUpDlgTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // The fixture's own configuration folder, for QSettings too.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ConfigFolder());
    dlg->m_editL.setText(QStringLiteral("40u"));
    dlg->m_editRS.setText(QStringLiteral("18"));
    dlg->m_editC.setText(QStringLiteral("100p"));
    dlg->m_editRL.setText(QStringLiteral("47k"));
  }

  CStepUpDlg& Open() {
    ShowStepUpTransformer(*dlg, *dlg);
    auto* dialog = dlg->findChild<CStepUpDlg*>();
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(WaitFor([dialog] { return dialog && dialog->isVisible(); }));
    return *dialog;
  }

  static QString ConfigFolder() { return QFile::decodeName(qgetenv("XDG_CONFIG_HOME")); }
};

TEST_F(StepUpDlgTest, FiguresAndTheCurveUntilClosed) {
  CStepUpDlg& d = Open();
  d.m_editRatio.setText(QStringLiteral("1:10"));
  d.m_editC1.setText(QStringLiteral("100p"));
  const ChainPanel want = ComputeChainPanel({"40u", "18", "100p", "47k", {"1:10", "", "", "100p", "", ""}});
  ASSERT_EQ(d.Panel().rows.size(), want.rows.size());
  for (std::size_t i = 0; i < want.rows.size(); ++i) EXPECT_EQ(d.Panel().rows[i].value, want.rows[i].value);
  ASSERT_EQ(dlg->m_plot.ExtraCurves().size(), 1u);
  EXPECT_EQ(dlg->m_plot.ExtraCurves()[0].name, "1:10 transformer");
  EXPECT_EQ(dlg->m_plot.ExtraCurves()[0].colour, kChainCurveColour);

  // A refused ratio leaves no figures and no curve, only the reason.
  d.m_editRatio.setText(QStringLiteral("0"));
  EXPECT_TRUE(d.Panel().rows.empty());
  EXPECT_TRUE(dlg->m_plot.ExtraCurves().empty());
  EXPECT_TRUE(d.m_problem.isVisible());
  d.m_editRatio.setText(QStringLiteral("10"));
  EXPECT_EQ(dlg->m_plot.ExtraCurves().size(), 1u);
  d.reject();
  EXPECT_TRUE(dlg->m_plot.ExtraCurves().empty());
}

TEST_F(StepUpDlgTest, SolveUseAndRemember) {
  CStepUpDlg& d = Open();
  d.m_editRatio.setText(QStringLiteral("8"));
  d.m_editWanted.setText(QStringLiteral("100"));
  d.OnSolve();
  EXPECT_TRUE(d.m_solution.text().startsWith(QStringLiteral("Rsec exact: 7.409k")));
  QTest::mouseClick(&d.m_useSolution, Qt::LeftButton);
  EXPECT_EQ(d.m_editRsec.text(), QStringLiteral("7.32k"));
  d.reject();

  CStepUpDlg again(*dlg, nullptr);
  EXPECT_EQ(again.m_editRatio.text(), QStringLiteral("8"));
  EXPECT_EQ(again.m_editRsec.text(), QStringLiteral("7.32k"));
  EXPECT_EQ(again.m_editWanted.text(), QStringLiteral("100"));

  // A stored value the reader refuses is not taken.
  QFile file(ConfigFolder() + QStringLiteral("/varnholt/transformer.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("ratio=1:x\nRp=3\n");
  file.close();
  CStepUpDlg stored(*dlg, nullptr);
  EXPECT_EQ(stored.m_editRatio.text(), QStringLiteral("10"));
  EXPECT_EQ(stored.m_editRp.text(), QStringLiteral("3"));
}

// The finder ranks the taps; its chain rows are drawn by their levels, and
// closing it leaves the transformer dialog's curve.
TEST_F(StepUpDlgTest, FinderRowsThroughTheTaps) {
  Open().m_editRatio.setText(QStringLiteral("10"));
  QTest::keyClick(&dlg->m_editL, Qt::Key_F, Qt::ControlModifier);
  auto* finder = dlg->findChild<CFindStageSettingsDlg*>();
  ASSERT_NE(finder, nullptr);
  finder->m_editCList.setText(QStringLiteral("0 220p"));
  finder->m_editRBase.setText(QStringLiteral("47k"));
  finder->m_editTaps.setText(QStringLiteral("1:10 1:20"));
  finder->m_editRsecList.setText(QStringLiteral("10k"));
  ASSERT_EQ(finder->Model().rowCount(), 2 * 2 * 2);
  EXPECT_EQ(finder->Model().index(0, StageSettingsModel::F).data().toString(), QStringLiteral("\u2014"));
  finder->m_table.selectAll();
  const std::vector<PlotExtraCurve>& extras = dlg->m_plot.ExtraCurves();
  ASSERT_EQ(extras.size(), kMaxExtraCurves);
  EXPECT_EQ(extras[0].colour, kChainCurveColour);
  EXPECT_TRUE(extras[1].levelDb);
  EXPECT_NE(extras[1].name.find("1:"), std::string::npos);

  finder->m_editTaps.setText(QStringLiteral("1:0"));
  EXPECT_EQ(finder->Model().rowCount(), 0);
  EXPECT_TRUE(CFindStageSettingsDlg::IsMarked(finder->m_editTaps));
  finder->reject();
  ASSERT_EQ(dlg->m_plot.ExtraCurves().size(), 1u);
  EXPECT_EQ(dlg->m_plot.ExtraCurves()[0].colour, kChainCurveColour);
}

}  // namespace
