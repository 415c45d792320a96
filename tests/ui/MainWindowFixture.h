#pragma once

#include "circuit/Circuit.h"
#include "support/GuiFixture.h"
#include "ui/LoadCalcDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The real main window, shown and active, with a zeroed circuit record.
class MainWindowTest : public GuiFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    g_circuit = CircuitValues{};
    dlg = std::make_unique<CLoadCalcDlg>();
    ShowAndActivate(*dlg);
  }
  void TearDown() override {
    dlg.reset();
    GuiFixture::TearDown();
  }

  QPushButton& Button(int id) {
    auto* button = qobject_cast<QPushButton*>(dlg->GetDlgItem(id));
    EXPECT_NE(button, nullptr) << id;
    return *button;
  }
  void Click(int id) { QTest::mouseClick(&Button(id), Qt::LeftButton); }

  std::unique_ptr<CLoadCalcDlg> dlg;
};
