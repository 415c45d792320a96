#include "TemplateBuilder.h"

#include "AppIcon.h"
#include "FieldText.h"
#include "ResourceIds.h"
#include "plot/WindowPlot.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

#include <algorithm>

namespace {

constexpr const char* kItemIdProperty = "dialogItemId";

// The closed height of the Name list, in dialog units.
constexpr int kComboClosedHeight = 13;
// The icon's size, in pixels: an icon control shows the icon at its own size.
constexpr int kIconPixels = 32;

void SetUpLabel(QLabel& label, const QString& text) {
  label.setText(text);
  label.setTextFormat(Qt::PlainText);
  label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label.setWordWrap(true);
}

QWidget* CreateItem(const DialogItem& item, QWidget& window) {
  switch (item.kind) {
    case ItemKind::kStatic:
      return new QLabel(&window);
    case ItemKind::kButton:
    case ItemKind::kDefButton:
      return new QPushButton(&window);
    case ItemKind::kIcon:
      return new QLabel(&window);
    case ItemKind::kEdit:
      return new QLineEdit(&window);
    case ItemKind::kCombo:
      return new QComboBox(&window);
    case ItemKind::kCustom:
      return new QWidget(&window);
  }
  return nullptr;
}

// What the template says about a control, whether the window supplied it or
// the builder made it.
void SetUpItem(const DialogItem& item, QWidget& widget) {
  const QString text = item.text ? FromFieldBytes(item.text) : QString();
  switch (item.kind) {
    case ItemKind::kStatic:
      if (auto* label = qobject_cast<QLabel*>(&widget)) SetUpLabel(*label, text);
      break;
    case ItemKind::kButton:
    case ItemKind::kDefButton:
      if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        button->setText(text);
        // Enter is the window's business (see the dialogs' key handling); only
        // the template's default button is ever a default.
        button->setAutoDefault(false);
        button->setDefault(item.kind == ItemKind::kDefButton);
        button->setAccessibleName(text);
      }
      break;
    case ItemKind::kIcon:
      if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setPixmap(LoadAppIcon().pixmap(kIconPixels, kIconPixels));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      }
      break;
    case ItemKind::kEdit:
      if (auto* edit = qobject_cast<QLineEdit*>(&widget)) edit->setText(text);
      break;
    case ItemKind::kCombo:
      if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
      }
      break;
    case ItemKind::kCustom:
      break;
  }
}

void PlaceItem(const DialogItem& item, const DialogUnits& units, QWidget& widget) {
  QRect rect = units.MapRect(item.x, item.y, item.cx, item.cy);
  if (item.kind == ItemKind::kCombo) {
    // The template's height is the list dropped down; the closed box is one line.
    auto& combo = static_cast<QComboBox&>(widget);
    const int closed = units.ToPixelsY(item.y + kComboClosedHeight) - rect.top();
    const int listHeight = rect.height() - closed;
    const int rowHeight = combo.fontMetrics().height() + 4;
    combo.setMaxVisibleItems(std::max(1, listHeight / rowHeight));
    rect.setHeight(closed);
  }
  widget.setGeometry(rect);
}

}  // namespace

QFont DialogFont() {
  QFont font(QString::fromLatin1(kWindowFontFamily));
  font.setPointSizeF(kWindowFontPoints);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

std::vector<QWidget*> BuildFromTemplate(QWidget& window, const DialogTemplate& dialogTemplate,
                                        const std::map<int, QWidget*>& bound) {
  window.setFont(DialogFont());
  window.setWindowTitle(FromFieldBytes(dialogTemplate.title));
  const DialogUnits units = DialogUnits::ForWidget(window);
  window.setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));

  std::vector<QWidget*> items;
  items.reserve(dialogTemplate.items.size());
  for (const DialogItem& item : dialogTemplate.items) {
    QWidget* widget = nullptr;
    if (const auto found = bound.find(item.id); item.id != IDC_STATIC && found != bound.end()) {
      widget = found->second;
      widget->setParent(&window);
    } else {
      widget = CreateItem(item, window);
    }
    SetUpItem(item, *widget);
    if (item.name) widget->setObjectName(QString::fromLatin1(item.name));
    widget->setProperty(kItemIdProperty, item.id);
    PlaceItem(item, units, *widget);
    widget->show();
    items.push_back(widget);
  }

  // Reparented members join the focus chain wherever Qt puts them: state the
  // template order outright.
  QWidget* previous = nullptr;
  for (QWidget* widget : items) {
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
  return items;
}

QWidget* FindDialogItem(const QWidget& window, int id) {
  if (id == IDC_STATIC) return nullptr;
  for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->property(kItemIdProperty).toInt() == id) return child;
  }
  return nullptr;
}
