#pragma once

#include "DialogTemplate.h"
#include "DialogUnits.h"

#include <QFont>

#include <map>
#include <vector>

class QWidget;

// The font every window of the program lays out with. Its texts fit the boxes
// the templates give them at the base units of DialogUnits.
QFont DialogFont();

// Gives `window` the template's font, title and fixed client size, and makes
// its controls as children in template order, so that the focus chain follows
// the template. Controls whose id is in `bound` are the window's own member
// widgets and are placed and named; the others are created, owned by the
// window. Returns every control in template order.
std::vector<QWidget*> BuildFromTemplate(QWidget& window, const DialogTemplate& dialogTemplate,
                                        const std::map<int, QWidget*>& bound);

// The control that was made for `id`, or null. Plain labels share IDC_STATIC
// and are not found this way.
QWidget* FindDialogItem(const QWidget& window, int id);
