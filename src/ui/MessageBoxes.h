#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// A modal message box owned by `owner`: plain text, no icon (on the box or its
// buttons), captioned `caption` or, when that is null, with the application
// name. Escape answers Cancel where there is one, else OK. Returns the button
// pressed.
QMessageBox::StandardButton RunMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                          QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton = QMessageBox::Ok);
