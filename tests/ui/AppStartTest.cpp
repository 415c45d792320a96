#include "app/LoadCalcApp.h"
#include "support/GuiFixture.h"
#include "ui/LoadCalcDlg.h"

#include <QApplication>
#include <QTest>

namespace {

TEST_F(GuiFixture, InitInstanceRunsTheMainWindowModallyAndEnds) {
  bool ran = false;
  AnswerNextModal([&](QWidget& modal) {
    ran = true;
    EXPECT_EQ(&modal, theApp.m_pMainWnd);
    EXPECT_NE(qobject_cast<CLoadCalcDlg*>(&modal), nullptr);
    EXPECT_EQ(modal.windowTitle(), QStringLiteral("Varnholt"));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &modal, Qt::Key_Escape);
  });
  EXPECT_FALSE(theApp.InitInstance());
  EXPECT_TRUE(ran);
  EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

}  // namespace
