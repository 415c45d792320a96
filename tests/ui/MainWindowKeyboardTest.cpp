#include "MainWindowFixture.h"
#include "ui/HelpPage.h"
#include "ui/ResourceIds.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>

namespace {

// What the exit question must look like.
void ExpectExitQuestion(const GuiFixture::ModalSeen& seen) {
  EXPECT_EQ(seen.title, QCoreApplication::applicationName());
  EXPECT_EQ(seen.text, QStringLiteral("Do you really want to exit?"));
  EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(seen.defaultButton, QMessageBox::Ok);
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
  EXPECT_FALSE(seen.buttonIcons);
}

TEST_F(MainWindowTest, ExitCancelledChangesNothing) {
  Click(IDC_CALCULATE);
  const QString f = dlg->m_editF.text();
  const double plotF = dlg->m_plot.m_dF;
  AnswerNextMessageBox(QMessageBox::Cancel);
  Click(IDC_EXIT);
  ASSERT_EQ(m_seen.size(), 1u);
  ExpectExitQuestion(m_seen[0]);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(dlg->m_editF.text(), f);
  EXPECT_EQ(dlg->m_editL.text(), QStringLiteral("300m"));
  EXPECT_EQ(dlg->m_plot.m_dF, plotF);
}

TEST_F(MainWindowTest, ExitConfirmedEndsWithOk) {
  AnswerNextMessageBox(QMessageBox::Ok);
  Click(IDC_EXIT);
  ASSERT_EQ(m_seen.size(), 1u);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, EnterRightAfterStartAsksTheExitQuestion) {
  // Focus starts on Exit, and Enter presses the focused button.
  AnswerNextWithKey(Qt::Key_Escape);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ASSERT_EQ(m_seen.size(), 1u);
  ExpectExitQuestion(m_seen[0]);
  EXPECT_TRUE(dlg->isVisible());
}

TEST_F(MainWindowTest, CloseRequestCancelledKeepsTheWindow) {
  AnswerNextMessageBox(QMessageBox::Cancel);
  EXPECT_FALSE(dlg->close());
  ASSERT_EQ(m_seen.size(), 1u);
  ExpectExitQuestion(m_seen[0]);
  EXPECT_TRUE(dlg->isVisible());
}

TEST_F(MainWindowTest, CloseRequestConfirmedEndsWithCancel) {
  dlg->setResult(-1);
  AnswerNextMessageBox(QMessageBox::Ok);
  dlg->close();
  ASSERT_EQ(m_seen.size(), 1u);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(MainWindowTest, EnterInAFieldEndsWithOkWithoutAsking) {
  for (QLineEdit* field : {&dlg->m_editL, &dlg->m_editQ}) {
    ShowAndActivate(*dlg);
    dlg->setResult(-1);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(dlg->isVisible()) << field->accessibleName().toStdString();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
  }
  EXPECT_TRUE(m_seen.empty());
}

TEST_F(MainWindowTest, KeypadEnterInClosedNameListEndsWithOk) {
  dlg->m_name.setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_TRUE(m_seen.empty());
}

TEST_F(MainWindowTest, EnterOnCalculatePressesIt) {
  Button(IDC_CALCULATE).setFocus();
  QTest::keyClick(&Button(IDC_CALCULATE), Qt::Key_Return);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(dlg->m_editF.text(), QStringLiteral("18.4848k"));
}

TEST_F(MainWindowTest, EscapeEndsWithCancelWithoutAsking) {
  for (QWidget* focus : {static_cast<QWidget*>(&dlg->m_editRL), static_cast<QWidget*>(&Button(IDC_EXIT)),
                         static_cast<QWidget*>(&dlg->m_name)}) {
    ShowAndActivate(*dlg);
    dlg->setResult(-1);
    focus->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible()) << focus->objectName().toStdString();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
  }
  EXPECT_TRUE(m_seen.empty());
}

TEST_F(MainWindowTest, EscapeWithTheNameListOpenOnlyClosesTheList) {
  dlg->m_name.addItem(QStringLiteral("First"));
  dlg->m_name.setFocus();
  dlg->m_name.showPopup();
  ASSERT_TRUE(WaitFor([&] { return dlg->m_name.view()->isVisible(); }));
  QTest::keyClick(dlg->m_name.view(), Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([&] { return !dlg->m_name.view()->isVisible(); }));
  EXPECT_TRUE(dlg->isVisible());
}

// Takes the address the program hands the desktop.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls.push_back(url); }
};

// The test program runs neither from an installed tree nor from the build
// tree's program folder, so the published guide is the one that opens
// (HelpPageTest covers the other choices).
TEST_F(MainWindowTest, HelpAndF1OpenTheUserGuide) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
  Click(IDC_HELP_PAGE);
  QTest::keyClick(&dlg->m_editL, Qt::Key_F1);
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  ASSERT_EQ(catcher.urls.size(), 2);
  for (const QUrl& url : catcher.urls) {
    EXPECT_EQ(url.path(), QStringLiteral("/audio/varnholt.htm"));
    EXPECT_EQ(url, HelpPageUrl());
  }
  EXPECT_TRUE(dlg->isVisible());
}

}  // namespace

#include "MainWindowKeyboardTest.moc"
