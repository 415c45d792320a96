#pragma once

#include <QDialog>

// The About box: icon, version, ownership, designer, web site and terms of use.
// Ends with OK, Enter or Escape; opens centred over its owner.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  ~CAboutDlg() override;
};
