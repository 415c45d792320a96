#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QIcon>

QMessageBox::StandardButton RunMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                          QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton) {
  QMessageBox box(owner);
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(caption.isNull() ? QCoreApplication::applicationName() : caption);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setStandardButtons(buttons);
  box.setDefaultButton(defaultButton);
  box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok);
  // Some desktop styles decorate standard buttons with pictures; these boxes
  // carry words only.
  for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
  return static_cast<QMessageBox::StandardButton>(box.exec());
}
