#include "MainWindowFixture.h"
#include "circuit/Calculate.h"
#include "ui/ResourceIds.h"

#include <QSignalSpy>

#include <string>

namespace {

constexpr double kDefaultF = 18484.807061630512;
constexpr double kDefaultQ = 1.3314016810396694;

TEST_F(MainWindowTest, CalculateWithTheDefaults) {
  Click(IDC_CALCULATE);
  EXPECT_EQ(dlg->m_editF.text(), QStringLiteral("18.4848k"));
  EXPECT_EQ(dlg->m_editQ.text(), QStringLiteral("1.331402"));
  EXPECT_DOUBLE_EQ(dlg->m_plot.m_dF, kDefaultF);
  EXPECT_DOUBLE_EQ(dlg->m_plot.m_dQ, kDefaultQ);
  EXPECT_EQ(dlg->m_plot.m_bShowCurve, 1);
  EXPECT_DOUBLE_EQ(g_circuit.F, kDefaultF);
  EXPECT_DOUBLE_EQ(g_circuit.Q, kDefaultQ);
  EXPECT_TRUE(m_seen.empty());
}

TEST_F(MainWindowTest, MicroSignsTypedOrPastedReadAsMicro) {
  // 300000 micro henry is the default 300m.
  for (const QString& l :
       {QStringLiteral("300000\u00B5"), QStringLiteral("300000\u03BC"), QStringLiteral("300000u")}) {
    dlg->m_editL.setText(l);
    dlg->m_editF.clear();
    Click(IDC_CALCULATE);
    EXPECT_EQ(dlg->m_editF.text(), QStringLiteral("18.4848k")) << l.toStdString();
  }
}

TEST_F(MainWindowTest, MicroFromTheCoreShowsAsMicroSign) {
  dlg->SetFieldText(Field::F, "4.7\xB5");
  EXPECT_EQ(dlg->m_editF.text(), QStringLiteral("4.7\u00B5"));
  EXPECT_EQ(dlg->GetFieldText(Field::F, kMaxFieldText), "4.7\xB5");
}

struct BadInput {
  const char* name;
  const char* text;
};

const BadInput kBadInputs[] = {
    {"Empty", ""}, {"Zero", "0"}, {"Negative", "-1k"}, {"Letters", "abc"}, {"LeadingSpace", " 47k"},
};

class MainWindowBadInput : public MainWindowTest, public testing::WithParamInterface<BadInput> {};

// Each bad text in each component field: one error box, and nothing the user
// sees changes.
TEST_P(MainWindowBadInput, ShowsOneErrorBoxAndChangesNothing) {
  QLineEdit* const fields[] = {&dlg->m_editL, &dlg->m_editRS, &dlg->m_editC, &dlg->m_editRL};
  for (QLineEdit* field : fields) {
    dlg->OnReset();
    dlg->m_editF.setText(QStringLiteral("F before"));
    dlg->m_editQ.setText(QStringLiteral("Q before"));
    dlg->m_plot.m_dF = 1.0;
    dlg->m_plot.m_dQ = 2.0;
    dlg->m_plot.m_bShowCurve = 0;
    field->setText(QString::fromLatin1(GetParam().text));
    m_seen.clear();
    AnswerNextMessageBox(QMessageBox::Ok);
    Click(IDC_CALCULATE);

    ASSERT_EQ(m_seen.size(), 1u) << field->accessibleName().toStdString();
    EXPECT_EQ(m_seen[0].title, QStringLiteral("Error"));
    EXPECT_EQ(m_seen[0].text, QString::fromLatin1(kInputErrorText));
    EXPECT_EQ(m_seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(m_seen[0].icon, QMessageBox::NoIcon);
    EXPECT_FALSE(m_seen[0].buttonIcons);
    EXPECT_EQ(dlg->m_editF.text(), QStringLiteral("F before"));
    EXPECT_EQ(dlg->m_editQ.text(), QStringLiteral("Q before"));
    EXPECT_EQ(dlg->m_plot.m_dF, 1.0);
    EXPECT_EQ(dlg->m_plot.m_dQ, 2.0);
    EXPECT_EQ(dlg->m_plot.m_bShowCurve, 0);
    EXPECT_EQ(field->text(), QString::fromLatin1(GetParam().text));
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, MainWindowBadInput, testing::ValuesIn(kBadInputs),
                         [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

TEST_F(MainWindowTest, AllFieldsBadStillOneBoxAndEveryValueStored) {
  dlg->m_editL.setText(QStringLiteral("0"));
  dlg->m_editRS.setText(QStringLiteral("-5"));
  dlg->m_editC.setText(QString());
  dlg->m_editRL.setText(QStringLiteral("abc"));
  g_circuit.RS = 99.0;
  AnswerNextMessageBox(QMessageBox::Ok);
  Click(IDC_CALCULATE);
  EXPECT_EQ(m_seen.size(), 1u);
  EXPECT_EQ(g_circuit.RS, -5.0);
  EXPECT_EQ(dlg->m_editF.text(), QString());
}

TEST_F(MainWindowTest, OnlyTheFirstThirtyCharactersCount) {
  // 4 and 29 zeros is 4e29 ohm; the "k" after it would make 4e32.
  const QString thirty = QStringLiteral("4") + QString(29, QChar('0'));
  dlg->m_editRL.setText(thirty + QStringLiteral("k"));
  Click(IDC_CALCULATE);
  EXPECT_EQ(g_circuit.RL, 4e29);
  const QString q = dlg->m_editQ.text();

  dlg->m_editRL.setText(thirty);
  Click(IDC_CALCULATE);
  EXPECT_EQ(dlg->m_editQ.text(), q);
}

TEST_F(MainWindowTest, ExponentLetterIsTheExaPrefix) {
  dlg->m_editRL.setText(QStringLiteral("1E3"));
  Click(IDC_CALCULATE);
  EXPECT_EQ(g_circuit.RL, 1e18);
  EXPECT_TRUE(m_seen.empty());
  EXPECT_EQ(dlg->m_plot.m_bShowCurve, 1);
}

TEST_F(MainWindowTest, LongQTextIsKeptWhole) {
  // A Q of 1e25 or more prints in full with "%.6f".
  dlg->m_editL.setText(QStringLiteral("1"));
  dlg->m_editRS.setText(QStringLiteral("0.000001y"));
  dlg->m_editC.setText(QStringLiteral("1"));
  dlg->m_editRL.setText(QStringLiteral("1000Y"));
  Click(IDC_CALCULATE);
  ASSERT_GE(g_circuit.Q, 1e25);
  const QString q = dlg->m_editQ.text();
  EXPECT_GT(q.size(), 32);
  EXPECT_TRUE(q.endsWith(QStringLiteral(".000000"))) << q.toStdString();
  EXPECT_EQ(dlg->GetFieldText(Field::Q, q.size() + 1), q.toStdString());
}

TEST_F(MainWindowTest, WritingFAndQNotifiesNothingThatIsHandled) {
  // The component fields' changes feed the serial-Q hint; F and Q have no
  // handler, so writing them must not touch the hint either.
  dlg->m_status.setText(QStringLiteral("hint"));
  Click(IDC_CALCULATE);
  EXPECT_EQ(dlg->m_status.text(), QStringLiteral("hint"));
}

}  // namespace
