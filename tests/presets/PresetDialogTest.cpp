// Reset, the Name list and the hint against the real main window.
#include "ui/LoadCalcDlg.h"

#include "presets/PresetFile.h"
#include "support/GuiFixture.h"
#include "ui/ResourceIds.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Readable failure output.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString kDefaultHint = QStringLiteral("Serial Q = 46.718840 (limits max total Q)");

// The real window, opened after the test has written its preset file into the
// fixture's working folder.
class PresetDialog : public GuiFixture {
 protected:
  void TearDown() override {
    m_dlg.reset();
    GuiFixture::TearDown();
  }

  void WriteFile(const std::string& bytes) {
    WriteWorkFile(kPresetFileName, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  }
  void Open(const std::string& file) {
    if (!file.empty()) WriteFile(file);
    m_dlg = std::make_unique<CLoadCalcDlg>();
    ShowAndActivate(*m_dlg);
  }
  CLoadCalcDlg& Dlg() { return *m_dlg; }
  QString Names() {
    QStringList names;
    for (int i = 0; i < Dlg().m_name.count(); ++i) names << Dlg().m_name.itemText(i);
    return names.join('|');
  }
  void ClickEntry(int row) {
    QComboBox& combo = Dlg().m_name;
    combo.showPopup();
    QAbstractItemView* view = combo.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    // A release right after the popup opened is taken as the end of the opening click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect rect = view->visualRect(combo.model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
  }

  std::unique_ptr<CLoadCalcDlg> m_dlg;
};

TEST_F(PresetDialog, WithoutFileShowsDefaultsAndHint) {
  Open("");
  EXPECT_EQ(Dlg().m_editL.text(), "300m");
  EXPECT_EQ(Dlg().m_editRS.text(), "740");
  EXPECT_EQ(Dlg().m_editC.text(), "251p");
  EXPECT_EQ(Dlg().m_editRL.text(), "47k");
  EXPECT_EQ(Dlg().m_status.text(), kDefaultHint);
  EXPECT_EQ(Dlg().m_name.count(), 0);
}

TEST_F(PresetDialog, ExampleFileSelectsAndAppliesItsCartridge) {
  Open("/ cartridges: name, quote, L, RS\r\nExample MM\"550m 1.1k\r\n_init_load\" 200p  47k\r\nno quote\r\n");
  EXPECT_EQ(Names(), "Example MM");
  EXPECT_EQ(Dlg().m_name.currentIndex(), 0);
  EXPECT_EQ(Dlg().m_name.currentText(), "Example MM");
  EXPECT_EQ(Dlg().m_editL.text(), "550m");
  EXPECT_EQ(Dlg().m_editRS.text(), "1.1k");
  EXPECT_EQ(Dlg().m_editC.text(), "200p");
  EXPECT_EQ(Dlg().m_editRL.text(), "47k");
  EXPECT_EQ(Dlg().m_editF.text(), "");
  EXPECT_EQ(Dlg().m_editQ.text(), "");
  EXPECT_EQ(Dlg().m_status.text(), "Serial Q = 47.673129 (limits max total Q)");
}

TEST_F(PresetDialog, ListSortsWithoutCaseAndShowsNamesInTheirEncoding) {
  Open("beta\"1m 1\nAlpha\"2m 2\nKr\xC3\xB6te\"3m 3\nK\xF6nig\"4m 4\ngamma\"5m 5\n");
  EXPECT_EQ(Names(), QString::fromUtf8("Alpha|beta|gamma|Kr\xC3\xB6te|K\xC3\xB6nig"));
  ClickEntry(4);
  EXPECT_EQ(Dlg().m_editL.text(), "4m") << "the name's own bytes are the key";
}

TEST_F(PresetDialog, ResetButtonRereadsTheEditedFile) {
  Open("Beta\"1m 1\nGamma\"2m 2\n");
  ClickEntry(1);
  ASSERT_EQ(Dlg().m_editL.text(), "2m");
  Dlg().m_editC.setText("1n");
  WriteFile("Gamma\"3m 3\nalpha\"4m 4\n");

  auto* reset = qobject_cast<QPushButton*>(Dlg().GetDlgItem(IDC_RESET));
  ASSERT_NE(reset, nullptr);
  QTest::mouseClick(reset, Qt::LeftButton);

  EXPECT_EQ(Names(), "alpha|Beta|Gamma");
  EXPECT_EQ(Dlg().m_name.currentIndex(), 0);
  EXPECT_EQ(Dlg().m_editL.text(), "4m");
  EXPECT_EQ(Dlg().m_editC.text(), "251p");
  ClickEntry(2);
  EXPECT_EQ(Dlg().m_editL.text(), "3m");
  ClickEntry(1);
  EXPECT_EQ(Dlg().m_editL.text(), "1m") << "a name deleted from the file keeps its values";
}

TEST_F(PresetDialog, ChoosingAppliesAndClearsResultsOfTheSameCartridge) {
  Open("A\"1m 10\nB\"2m 20\nC\"3m 30\n");
  QPushButton* calculate = qobject_cast<QPushButton*>(Dlg().GetDlgItem(IDC_CALCULATE));
  ASSERT_NE(calculate, nullptr);
  QTest::mouseClick(calculate, Qt::LeftButton);
  ASSERT_FALSE(Dlg().m_editF.text().isEmpty());
  ASSERT_EQ(Dlg().m_plot.m_bShowCurve, 1);

  ClickEntry(0);
  EXPECT_EQ(Dlg().m_editL.text(), "1m");
  EXPECT_EQ(Dlg().m_editF.text(), "");
  EXPECT_EQ(Dlg().m_editQ.text(), "");
  EXPECT_EQ(Dlg().m_plot.m_bShowCurve, 0);

  // The arrow keys on the closed list choose too.
  Dlg().m_name.setFocus();
  QTest::keyClick(&Dlg().m_name, Qt::Key_Down);
  EXPECT_EQ(Dlg().m_name.currentIndex(), 1);
  EXPECT_EQ(Dlg().m_editL.text(), "2m");
  EXPECT_EQ(Dlg().m_editRS.text(), "20");
}

TEST_F(PresetDialog, TypingOrSelectingInCodeAppliesNothing) {
  Open("A\"1m 10\nB\"2m 20\n");
  Dlg().m_editF.setText("9k");
  Dlg().m_name.setFocus();
  Dlg().m_name.lineEdit()->selectAll();
  QTest::keyClicks(&Dlg().m_name, "B");
  EXPECT_EQ(Dlg().m_name.currentText(), "B");
  EXPECT_EQ(Dlg().m_editL.text(), "1m");
  EXPECT_EQ(Dlg().m_editF.text(), "9k");

  Dlg().m_name.setCurrentIndex(1);
  EXPECT_EQ(Dlg().m_editL.text(), "1m");
  EXPECT_EQ(Dlg().m_editF.text(), "9k");
}

TEST_F(PresetDialog, HintFollowsTypedAndWrittenComponents) {
  Open("");
  Dlg().m_editL.setFocus();
  Dlg().m_editL.selectAll();
  QTest::keyClicks(&Dlg().m_editL, "0");
  EXPECT_EQ(Dlg().m_status.text(), "Serial Q unknown (limits max total Q)");
  QTest::keyClicks(&Dlg().m_editL, ".3");
  EXPECT_EQ(Dlg().m_status.text(), kDefaultHint);

  // A command writing C, as a solver does.
  Dlg().SetFieldText(Field::C, "p");
  EXPECT_EQ(Dlg().m_status.text(), "Serial Q unknown (limits max total Q)");
  Dlg().SetFieldText(Field::C, "200p");
  Dlg().SetFieldText(Field::RS, "1.1k");
  Dlg().SetFieldText(Field::L, "550m");
  EXPECT_EQ(Dlg().m_status.text(), "Serial Q = 47.673129 (limits max total Q)");
}

}  // namespace
