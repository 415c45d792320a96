// Start-up cost of the real program against a bare dialog: each runs its
// window modally offscreen and ends it once the first paint has completed.
// Built three times: the program, a bare dialog (VARNHOLT_BARE_DIALOG), and a
// bare dialog with one line of text (also VARNHOLT_BARE_TEXT), which shows what
// merely drawing text costs. With --rss the peak resident memory in KiB is
// printed at the end.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef VARNHOLT_BARE_DIALOG
#include "app/LoadCalcApp.h"
#endif

namespace {

// Ends the first dialog that paints, once the paint in progress is over.
class EndAfterFirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !m_done) {
      if (auto* dialog = qobject_cast<QDialog*>(watched)) {
        m_done = true;
        QTimer::singleShot(0, dialog, &QDialog::reject);
      }
    }
    return false;
  }

 private:
  bool m_done = false;
};

}  // namespace

int main(int argc, char** argv) {
  bool printRss = false;
  for (int i = 1; i < argc; ++i) printRss |= std::strcmp(argv[i], "--rss") == 0;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);

  QApplication app(argc, argv);
  EndAfterFirstPaint ender;
  app.installEventFilter(&ender);
#ifdef VARNHOLT_BARE_DIALOG
  QDialog dialog;
#ifdef VARNHOLT_BARE_TEXT
  QLabel label(QStringLiteral("Varnholt"), &dialog);
#endif
  dialog.exec();
#else
  theApp.InitInstance();
#endif

  if (printRss) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
  }
  return 0;
}
