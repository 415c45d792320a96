#include "MainWindowFixture.h"
#include "ui/AboutDlg.h"
#include "ui/ResourceIds.h"

#include <QLabel>

namespace {

// Checks the About box while it is open, then ends it with `key`.
GuiFixture::ModalAnswer InspectAboutAndPress(Qt::Key key, QWidget* owner, bool* inspected) {
  return [=](QWidget& modal) {
    *inspected = true;
    EXPECT_EQ(modal.windowTitle(), QStringLiteral("About Varnholt"));
    EXPECT_EQ(modal.parentWidget(), owner);
    QStringList texts;
    bool hasIcon = false;
    for (QLabel* label : modal.findChildren<QLabel*>()) {
      texts << label->text();
      if (!label->pixmap().isNull()) hasIcon = true;
    }
    EXPECT_TRUE(hasIcon);
    EXPECT_TRUE(texts.contains(QStringLiteral("Varnholt Version 3.1.0")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Terms of Use")));
    // Centred over the main window.
    EXPECT_LE((modal.geometry().center() - owner->geometry().center()).manhattanLength(), 2);
    QTest::keyClick(modal.focusWidget() ? modal.focusWidget() : &modal, key);
  };
}

TEST_F(MainWindowTest, AboutButtonShowsTheAboutBoxEndedByEnterOrEscape) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    bool inspected = false;
    AnswerNextModal(InspectAboutAndPress(key, dlg.get(), &inspected));
    Click(IDC_ABOUT);
    EXPECT_TRUE(inspected);
    EXPECT_TRUE(dlg->isVisible());
  }
}

TEST_F(MainWindowTest, AboutSystemCommandIgnoresTheLowFourBits) {
  for (const unsigned id : {0x10u, 0x11u, 0x1Fu}) {
    bool inspected = false;
    AnswerNextModal(InspectAboutAndPress(Qt::Key_Escape, dlg.get(), &inspected));
    EXPECT_TRUE(dlg->OnSysCommand(id)) << id;
    EXPECT_TRUE(inspected) << id;
  }
  // Other system commands go on to default processing: no About box.
  for (const unsigned id : {0x00u, 0x20u, 0xF060u}) EXPECT_FALSE(dlg->OnSysCommand(id)) << id;
}

TEST_F(GuiFixture, AboutOkButtonEndsWithOk) {
  CAboutDlg about;
  AnswerNextModal([](QWidget& modal) {
    auto* ok = qobject_cast<QPushButton*>(modal.findChild<QPushButton*>(QStringLiteral("IDOK")));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST_F(GuiFixture, AboutTextsFitTheirBoxes) {
  CAboutDlg about;
  about.show();
  EXPECT_EQ(about.size(), QSize(341, 223));
  for (QLabel* label : about.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
    if (label->height() < 2 * label->fontMetrics().height()) {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
          << label->text().toStdString();
    }
  }
}

}  // namespace
