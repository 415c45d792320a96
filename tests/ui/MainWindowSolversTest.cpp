#include "MainWindowFixture.h"
#include "circuit/Calculate.h"
#include "circuit/SolverCommands.h"
#include "ui/ResourceIds.h"

#include <QCoreApplication>

#include <ostream>
#include <string>

namespace {

// One press of a solver button on the real window, from the fields' texts to
// the fields, the box and the plot afterwards.
struct SolverPress {
  const char* name;
  int button;
  const char* in[6];    // L, RS, C, RL, F, Q before
  const char* message;  // nullptr: no box
  const char* out[6];   // L, RS, C, RL, F, Q afterwards
};

void PrintTo(const SolverPress& row, std::ostream* os) { *os << row.name; }

class MainWindowSolvers : public MainWindowTest, public testing::WithParamInterface<SolverPress> {
 protected:
  QLineEdit& Edit(int i) {
    QLineEdit* const edits[] = {&dlg->m_editL,  &dlg->m_editRS, &dlg->m_editC,
                                &dlg->m_editRL, &dlg->m_editF,  &dlg->m_editQ};
    return *edits[i];
  }
};

TEST_P(MainWindowSolvers, PressGivesTheFieldsTheBoxAndThePlot) {
  const SolverPress& row = GetParam();
  for (int i = 0; i < 6; ++i) Edit(i).setText(QString::fromLatin1(row.in[i]));
  dlg->m_plot.m_dF = 1.0;
  dlg->m_plot.m_dQ = 2.0;
  dlg->m_plot.m_bShowCurve = 0;
  if (row.message) AnswerNextMessageBox(QMessageBox::Ok);

  Click(row.button);

  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Edit(i).text(), QString::fromLatin1(row.out[i])) << Edit(i).accessibleName().toStdString();
  }
  if (!row.message) {
    EXPECT_TRUE(m_seen.empty());
    EXPECT_EQ(dlg->m_plot.m_dF, g_circuit.F);
    EXPECT_EQ(dlg->m_plot.m_dQ, g_circuit.Q);
    EXPECT_EQ(dlg->m_plot.m_bShowCurve, 1);
    return;
  }
  ASSERT_EQ(m_seen.size(), 1u);
  const bool inputError = row.message == kInputErrorText;
  EXPECT_EQ(m_seen[0].title, inputError ? QStringLiteral("Error") : QCoreApplication::applicationName());
  EXPECT_EQ(m_seen[0].text, QString::fromLatin1(row.message));
  EXPECT_EQ(m_seen[0].buttons, QMessageBox::Ok);
  EXPECT_EQ(m_seen[0].icon, QMessageBox::NoIcon);
  // The plot is left as it was.
  EXPECT_EQ(dlg->m_plot.m_dF, 1.0);
  EXPECT_EQ(dlg->m_plot.m_dQ, 2.0);
  EXPECT_EQ(dlg->m_plot.m_bShowCurve, 0);
}

constexpr const char* kFailed = kIterationFailedText;
constexpr const char* kInput = kInputErrorText;
constexpr const char* kUnverified = kNotVerifiedText;

const SolverPress kPresses[] = {
    {"CFromQ",
     IDC_OPT_C_FROM_Q,
     {"300m", "740", "1n", "47k", "", "1.331402"},
     nullptr,
     {"300m", "740", "251p", "47k", "18.4848k", "1.331402"}},
    {"CFromQSmallerRoot",
     IDC_OPT_C_FROM_Q,
     {"300m", "740", "1n", "47k", "", "0.7"},
     nullptr,
     {"300m", "740", "66.529p", "47k", "35.9043k", "0.700000"}},
    {"CFromQUnreachable",
     IDC_OPT_C_FROM_Q,
     {"300m", "740", "1n", "47k", "old", "5"},
     kUnverified,
     {"300m", "740", "1n", "47k", "old", "5"}},
    {"CFromQEmptyQ",
     IDC_OPT_C_FROM_Q,
     {"300m", "740", "1n", "47k", "old", ""},
     kInput,
     {"300m", "740", "1n", "47k", "old", ""}},
    {"RLFromQ",
     IDC_OPT_RL_FROM_Q,
     {"300m", "740", "251p", "1M", "", "1.331402"},
     nullptr,
     {"300m", "740", "251p", "47k", "18.4848k", "1.331402"}},
    {"RLFromQNoRealRoot",
     IDC_OPT_RL_FROM_Q,
     {"340m", "2.43k", "100n", "47k", "old", "0.94"},
     kUnverified,
     {"340m", "2.43k", "100n", "47k", "old", "0.94"}},
    {"CFromF",
     IDC_OPT_C_FROM_F,
     {"300m", "740", "1n", "47k", "20000", "junk"},
     nullptr,
     {"300m", "740", "214.409p", "47k", "20k", "1.235628"}},
    {"CFromFZeroF",
     IDC_OPT_C_FROM_F,
     {"300m", "740", "1n", "47k", "0", "junk"},
     kInput,
     {"300m", "740", "1n", "47k", "0", "junk"}},
    {"CFromFHugeF",
     IDC_OPT_C_FROM_F,
     {"300m", "740", "1n", "47k", "1e200", "junk"},
     kUnverified,
     {"300m", "740", "1n", "47k", "1e200", "junk"}},
    {"CFromFTinyF",
     IDC_OPT_C_FROM_F,
     {"300m", "740", "1n", "47k", "1e-200", "junk"},
     kUnverified,
     {"300m", "740", "1n", "47k", "1e-200", "junk"}},
    {"Full",
     IDC_FULL_OPT,
     {"300m", "740", "", "", "20k", "0.6"},
     nullptr,
     {"300m", "740", "218.138p", "22.149k", "20k", "0.599999"}},
    {"FullNoRealRoot",
     IDC_FULL_OPT,
     {"300m", "740", "251p", "47k", "200", "1"},
     kFailed,
     {"300m", "740", "251p", "47k", "200", "1"}},
    {"FullEmptyQ",
     IDC_FULL_OPT,
     {"300m", "740", "251p", "", "20k", ""},
     kInput,
     {"300m", "740", "251p", "", "20k", ""}},
};

INSTANTIATE_TEST_SUITE_P(Buttons, MainWindowSolvers, testing::ValuesIn(kPresses),
                         [](const testing::TestParamInfo<SolverPress>& info) { return info.param.name; });

// The hint follows the C field whoever writes it; RL plays no part in it.
TEST_F(MainWindowTest, SolvedCRefreshesTheHintAndSolvedRLDoesNot) {
  const char* const in[] = {"300m", "740", "1n", "47k", "", "1.331402"};
  QLineEdit* const edits[] = {&dlg->m_editL,  &dlg->m_editRS, &dlg->m_editC,
                              &dlg->m_editRL, &dlg->m_editF,  &dlg->m_editQ};
  for (int i = 0; i < 6; ++i) edits[i]->setText(QString::fromLatin1(in[i]));
  ASSERT_EQ(dlg->m_status.text(), "Serial Q = 23.406092 (limits max total Q)");

  Click(IDC_OPT_C_FROM_Q);
  ASSERT_EQ(dlg->m_editC.text(), "251p");
  EXPECT_EQ(dlg->m_status.text(), "Serial Q = 46.718840 (limits max total Q)");

  dlg->m_status.setText(QStringLiteral("untouched"));
  dlg->m_editRL.setText(QStringLiteral("1M"));
  Click(IDC_OPT_RL_FROM_Q);
  ASSERT_EQ(dlg->m_editRL.text(), "47k");
  EXPECT_EQ(dlg->m_status.text(), "untouched");
}

}  // namespace
