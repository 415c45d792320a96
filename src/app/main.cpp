#include "LoadCalcApp.h"

#include <QApplication>

int main(int argc, char** argv) {
  // The application name, and so the caption of a message box without its own,
  // is the executable's name.
  QApplication app(argc, argv);
  theApp.InitInstance();
  return 0;
}
