#include "LoadCalcApp.h"

#include "ui/LoadCalcDlg.h"

CLoadCalcApp theApp;

bool CLoadCalcApp::InitInstance() {
  CLoadCalcDlg dlg;
  m_pMainWnd = &dlg;
  // OK and Cancel end the program alike.
  dlg.exec();
  m_pMainWnd = nullptr;
  return false;
}
