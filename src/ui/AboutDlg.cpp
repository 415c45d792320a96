#include "AboutDlg.h"

#include "AppIcon.h"
#include "ResourceIds.h"
#include "TemplateBuilder.h"

#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowIcon(LoadAppIcon());
  BuildFromTemplate(*this, kAboutTemplate, {});
  // OK is the default button: Enter anywhere presses it; Escape is the dialog's Cancel.
  if (auto* ok = qobject_cast<QPushButton*>(FindDialogItem(*this, IDOK))) {
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus(Qt::OtherFocusReason);
  }
}

CAboutDlg::~CAboutDlg() = default;
