#pragma once

class QWidget;

// The application object: runs the main window once and ends. It exists before
// the window system is up; InitInstance is called from main once it is.
class CLoadCalcApp {
 public:
  CLoadCalcApp() = default;

  // Runs the main window modally. Returns false: the program has no event loop
  // of its own after the window ends.
  bool InitInstance();

  QWidget* m_pMainWnd = nullptr;  // the main window while it runs
};

extern CLoadCalcApp theApp;
