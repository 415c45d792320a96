#include "support/GuiFixture.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <gtest/gtest-spi.h>

namespace {

TEST_F(GuiFixture, UnexpectedBoxFailsTheTestInsteadOfHanging) {
  EXPECT_NONFATAL_FAILURE(
      {
        QMessageBox box;
        box.setText(QStringLiteral("nobody expects this"));
        box.exec();
      },
      "Unexpected modal window");
  ASSERT_EQ(m_seen.size(), 1u);
  EXPECT_EQ(m_seen[0].text, QStringLiteral("nobody expects this"));
}

TEST_F(GuiFixture, AnswerThatLeavesTheBoxOpenFailsAndTheBoxIsClosed) {
  AnswerNextModal([](QWidget&) {});
  EXPECT_NONFATAL_FAILURE(
      {
        QMessageBox box;
        box.exec();
      },
      "left");
}

TEST_F(GuiFixture, AnswersAreUsedInOrder) {
  AnswerNextMessageBox(QMessageBox::Yes);
  AnswerNextMessageBox(QMessageBox::No);
  for (const auto expected : {QMessageBox::Yes, QMessageBox::No}) {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.exec(), expected);
  }
  EXPECT_EQ(m_seen.size(), 2u);
}

TEST_F(GuiFixture, RunsInAFreshWorkingFolder) {
  EXPECT_EQ(QDir::currentPath(), QDir(WorkDir()).canonicalPath());
  EXPECT_FALSE(QFile::exists(QStringLiteral("varnholt.txt")));
  WriteWorkFile(QStringLiteral("varnholt.txt"), "x\"1 2\n");
  QFile file(QStringLiteral("varnholt.txt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("x\"1 2\n"));
}

}  // namespace
