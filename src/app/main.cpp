#include "LoadCalcApp.h"

#include <QApplication>

int main(int argc, char** argv) {
  // The application name is the caption of a message box without its own. It
  // is "Varnholt" whatever the command is called; the desktop file name ties
  // the window to the desktop entry and its icon.
  QApplication::setApplicationName(QStringLiteral("Varnholt"));
  QApplication::setDesktopFileName(QStringLiteral("org.varnholt.Varnholt"));
  QApplication app(argc, argv);
  theApp.InitInstance();
  return 0;
}
