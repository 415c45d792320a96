#pragma once

#include <QByteArray>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

class QWidget;

// Base for tests that drive real windows. Offscreen (the GUI test main sees to
// it), in a fresh working folder of its own (for the preset file), with a
// fresh configuration folder ($XDG_CONFIG_HOME) so that the user's own preset
// file never takes part, and with a
// watchdog: every modal window that opens is answered by the next queued answer
// or, when none is queued, recorded as a failure and closed, so a test never
// hangs on a box nobody expected. A test that runs longer than the deadline has
// its modal windows closed and fails.
class GuiFixture : public ::testing::Test {
 public:
  // What the watchdog saw of one modal window.
  struct ModalSeen {
    QString title;
    QString text;  // a message box's text; empty for other windows
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool isMessageBox = false;
    bool buttonIcons = false;  // any of a message box's buttons shows a picture
  };
  using ModalAnswer = std::function<void(QWidget& modal)>;

 protected:
  void SetUp() override;
  void TearDown() override;

  // The working folder, current while the test runs.
  QString WorkDir() const;
  // The configuration folder, empty at the start.
  QString ConfigDir() const;
  void WriteWorkFile(const QString& name, const QByteArray& bytes);

  // Queue the answer to the next modal window. The answer must end that window.
  void AnswerNextModal(ModalAnswer answer);
  // Press `button` in the next modal window, which must be a message box.
  void AnswerNextMessageBox(QMessageBox::StandardButton button);
  // Type `key` into the next modal window (Enter, Escape, ...).
  void AnswerNextWithKey(Qt::Key key);
  std::size_t PendingAnswers() const { return m_answers.size(); }

  // Processes events until `condition` holds; false on timeout.
  static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000);

  // Shows `window`, makes it the active window and waits until it is.
  static void ShowAndActivate(QWidget& window);

  // Every modal window met so far, in order.
  std::vector<ModalSeen> m_seen;

  // Longer than any one test should take.
  static constexpr int kDeadlineMs = 30000;

 private:
  void Tick();
  void CloseAllModals();

  QTemporaryDir m_dir;
  QTemporaryDir m_configDir;
  QString m_previousDir;
  QByteArray m_previousConfigHome;
  bool m_hadConfigHome = false;
  QTimer m_watchdog;
  qint64 m_startedMs = 0;
  std::deque<ModalAnswer> m_answers;
  bool m_inTick = false;
  bool m_deadlinePassed = false;
};
