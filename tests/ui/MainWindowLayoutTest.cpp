#include "MainWindowFixture.h"
#include "ui/ResourceIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <string>
#include <vector>

namespace {

TEST_F(MainWindowTest, WindowIsFixedTitledAndCentred) {
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Varnholt"));
  EXPECT_EQ(dlg->size(), QSize(371, 497));
  EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
  const Qt::WindowFlags flags = dlg->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
  const QRect screen = dlg->screen()->availableGeometry();
  EXPECT_LE(std::abs(dlg->frameGeometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(dlg->frameGeometry().center().y() - screen.center().y()), 1);
}

TEST_F(MainWindowTest, PlotHasTheSizeItsExamplesUse) {
  EXPECT_EQ(dlg->m_plot.geometry(), QRect(8, 163, 352, 325));
  EXPECT_EQ(dlg->GetDlgItem(IDC_PLOT), &dlg->m_plot);
}

TEST_F(MainWindowTest, MembersAreTheTemplatesControls) {
  const std::pair<int, QWidget*> bound[] = {
      {IDC_SERIAL_Q, &dlg->m_status}, {IDC_NAME, &dlg->m_name}, {IDC_F, &dlg->m_editF},
      {IDC_Q, &dlg->m_editQ},         {IDC_RL, &dlg->m_editRL}, {IDC_CTOTAL, &dlg->m_editC},
      {IDC_RS, &dlg->m_editRS},       {IDC_L, &dlg->m_editL},
  };
  for (const auto& [id, widget] : bound) {
    EXPECT_EQ(dlg->GetDlgItem(id), widget) << id;
    EXPECT_EQ(widget->parentWidget(), dlg.get()) << id;
    EXPECT_TRUE(widget->isVisible()) << id;
  }
  EXPECT_TRUE(dlg->m_name.isEditable());
  EXPECT_EQ(dlg->m_name.insertPolicy(), QComboBox::NoInsert);
}

TEST_F(MainWindowTest, ControlsAreMadeInTemplateOrder) {
  // The 29 controls, labels included, as direct children in creation order.
  std::vector<QString> seen;
  for (QObject* child : dlg->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget->isWindow()) continue;
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->objectName().isEmpty()) {
      seen.push_back(QStringLiteral("\"%1\"").arg(label->text()));
    } else {
      seen.push_back(widget->objectName());
    }
  }
  const std::vector<QString> expected = {
      "IDC_EXIT",
      "\"L\"",
      "IDC_L",
      "IDC_RS",
      "IDC_CTOTAL",
      "\"R\"",
      "\"C\"",
      "IDC_RL",
      "\"S\"",
      "\"R\"",
      "\"L\"",
      "\"total\"",
      "\"F    =\"",
      "\"Q    =\"",
      "IDC_CALCULATE",
      "IDC_OPT_C_FROM_Q",
      "IDC_Q",
      "IDC_OPT_RL_FROM_Q",
      "\"o\"",
      "IDC_F",
      "IDC_OPT_C_FROM_F",
      "IDC_HELP_PAGE",
      "IDC_FULL_OPT",
      "IDC_PLOT",
      "\"Name\"",
      "IDC_NAME",
      "IDC_SERIAL_Q",
      "IDC_RESET",
      "IDC_ABOUT",
  };
  EXPECT_EQ(seen, expected);
}

TEST_F(MainWindowTest, NoButtonIsADefaultButton) {
  for (QPushButton* button : dlg->findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
    EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
  }
}

TEST_F(MainWindowTest, EveryTextFitsItsBox) {
  for (QPushButton* button : dlg->findChildren<QPushButton*>()) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics = button->fontMetrics();
    EXPECT_LE(metrics.horizontalAdvance(button->text()), contents.width()) << button->text().toStdString();
    EXPECT_LE(metrics.height(), contents.height()) << button->text().toStdString();
  }
  for (QLabel* label : dlg->findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    // One line, not wrapped, not cut at the bottom.
    const QFontMetrics metrics = label->fontMetrics();
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
    EXPECT_LE(metrics.height(), label->height()) << label->text().toStdString();
  }
  for (QLineEdit* edit :
       {&dlg->m_editL, &dlg->m_editRS, &dlg->m_editC, &dlg->m_editRL, &dlg->m_editF, &dlg->m_editQ}) {
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(QStringLiteral("18.4848k")), edit->width() - 8);
    EXPECT_LE(edit->fontMetrics().height(), edit->height() - 4);
  }
}

TEST_F(MainWindowTest, ControlsCarryTheNamesUsersRead) {
  const std::pair<QWidget*, const char*> named[] = {
      {&dlg->m_editL, "L"}, {&dlg->m_editRS, "RS"}, {&dlg->m_editC, "C total"}, {&dlg->m_editRL, "RL"},
      {&dlg->m_editF, "F"}, {&dlg->m_editQ, "Q"},   {&dlg->m_name, "Name"},
  };
  for (const auto& [widget, name] : named) EXPECT_EQ(widget->accessibleName().toStdString(), name);
  for (QPushButton* button : dlg->findChildren<QPushButton*>()) {
    EXPECT_EQ(button->accessibleName(), button->text());
  }
}

TEST_F(MainWindowTest, StartsWithIconsDefaultsAndFocusOnExit) {
  const QIcon icon = dlg->windowIcon();
  ASSERT_FALSE(icon.isNull());
  for (const int size : {16, 32}) {
    EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
  }
  EXPECT_EQ(dlg->m_editL.text(), QStringLiteral("300m"));
  EXPECT_EQ(dlg->m_editRS.text(), QStringLiteral("740"));
  EXPECT_EQ(dlg->m_editC.text(), QStringLiteral("251p"));
  EXPECT_EQ(dlg->m_editRL.text(), QStringLiteral("47k"));
  EXPECT_EQ(QApplication::focusWidget(), &Button(IDC_EXIT));
}

TEST_F(MainWindowTest, TabWalksTheTemplateOrder) {
  const std::vector<std::string> expected = {
      "IDC_L",         "IDC_RS",           "IDC_CTOTAL",    "IDC_RL",
      "IDC_CALCULATE", "IDC_OPT_C_FROM_Q", "IDC_Q",         "IDC_OPT_RL_FROM_Q",
      "IDC_F",         "IDC_OPT_C_FROM_F", "IDC_HELP_PAGE", "IDC_FULL_OPT",
      "IDC_NAME",      "IDC_RESET",        "IDC_ABOUT",     "IDC_EXIT",
  };
  auto focusName = [] {
    QWidget* focus = QApplication::focusWidget();
    // The Name list's text field stands for the list.
    if (focus && qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
    return focus ? focus->objectName().toStdString() : std::string("(none)");
  };
  ASSERT_EQ(focusName(), "IDC_EXIT");
  for (const std::string& name : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), name);
  }
  // Shift+Tab walks back.
  for (auto it = expected.rbegin() + 1; it != expected.rend(); ++it) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), *it);
  }
}

}  // namespace
