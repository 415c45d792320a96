#include "GuiFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QVariant>

namespace {

constexpr int kTickMs = 10;
// Room for answers that click with an animation.
constexpr qint64 kAnswerGraceMs = 2000;
constexpr const char* kAnsweredAtProperty = "guiFixtureAnsweredAt";

GuiFixture::ModalSeen Describe(QWidget& modal) {
  GuiFixture::ModalSeen seen;
  seen.title = modal.windowTitle();
  if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
    seen.isMessageBox = true;
    seen.text = box->text();
    seen.buttons = box->standardButtons();
    if (QAbstractButton* def = box->defaultButton()) seen.defaultButton = box->standardButton(def);
    seen.icon = box->icon();
    for (QAbstractButton* button : box->buttons()) seen.buttonIcons |= !button->icon().isNull();
  }
  return seen;
}

void EndWindow(QWidget& window) {
  if (auto* dialog = qobject_cast<QDialog*>(&window)) {
    dialog->reject();
  } else {
    window.close();
  }
}

}  // namespace

void GuiFixture::SetUp() {
  ASSERT_TRUE(m_dir.isValid());
  ASSERT_TRUE(m_configDir.isValid());
  m_hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  m_previousConfigHome = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configDir.path()));
  m_previousDir = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
  m_startedMs = QDateTime::currentMSecsSinceEpoch();
  m_watchdog.setInterval(kTickMs);
  QObject::connect(&m_watchdog, &QTimer::timeout, [this] { Tick(); });
  m_watchdog.start();
}

void GuiFixture::TearDown() {
  // Give answered windows the chance to go before judging what is left.
  WaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 1000);
  if (QWidget* modal = QApplication::activeModalWidget()) {
    ADD_FAILURE() << "A modal window is still open: " << modal->windowTitle().toStdString();
    CloseAllModals();
  }
  EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " queued answer(s) found no modal window";
  m_watchdog.stop();
  QDir::setCurrent(m_previousDir);
  if (m_hadConfigHome) {
    qputenv("XDG_CONFIG_HOME", m_previousConfigHome);
  } else {
    qunsetenv("XDG_CONFIG_HOME");
  }
}

QString GuiFixture::WorkDir() const { return m_dir.path(); }

QString GuiFixture::ConfigDir() const { return m_configDir.path(); }

void GuiFixture::WriteWorkFile(const QString& name, const QByteArray& bytes) {
  QFile file(m_dir.filePath(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

void GuiFixture::AnswerNextModal(ModalAnswer answer) { m_answers.push_back(std::move(answer)); }

void GuiFixture::AnswerNextMessageBox(QMessageBox::StandardButton button) {
  AnswerNextModal([button](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr) << "expected a message box, got " << modal.windowTitle().toStdString();
    QAbstractButton* target = box->button(button);
    ASSERT_NE(target, nullptr) << "the message box has no such button";
    target->click();
  });
}

void GuiFixture::AnswerNextWithKey(Qt::Key key) {
  AnswerNextModal([key](QWidget& modal) {
    QWidget* target = modal.focusWidget() ? modal.focusWidget() : &modal;
    QTest::keyClick(target, key);
  });
}

bool GuiFixture::WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  return QTest::qWaitFor(condition, timeoutMs);
}

void GuiFixture::ShowAndActivate(QWidget& window) {
  window.show();
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << window.windowTitle().toStdString();
}

void GuiFixture::Tick() {
  if (m_inTick) return;
  m_inTick = true;
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (!m_deadlinePassed && now - m_startedMs > kDeadlineMs) {
    m_deadlinePassed = true;
    ADD_FAILURE() << "The test ran past its deadline; closing its modal windows";
    CloseAllModals();
  }
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal->isVisible()) {
    // The mark lives on the window itself, so a new window at a reused address
    // is never taken for one already answered.
    const QVariant answeredAt = modal->property(kAnsweredAtProperty);
    if (!answeredAt.isValid()) {
      modal->setProperty(kAnsweredAtProperty, now);
      m_seen.push_back(Describe(*modal));
      if (!m_answers.empty()) {
        ModalAnswer answer = std::move(m_answers.front());
        m_answers.pop_front();
        answer(*modal);
      } else {
        ADD_FAILURE() << "Unexpected modal window \"" << m_seen.back().title.toStdString()
                      << "\": " << m_seen.back().text.toStdString();
        EndWindow(*modal);
      }
    } else if (now - answeredAt.toLongLong() > kAnswerGraceMs) {
      // Answered but still open: the answer did not end it.
      ADD_FAILURE() << "The answer left \"" << modal->windowTitle().toStdString() << "\" open";
      modal->setProperty(kAnsweredAtProperty, QVariant());
      EndWindow(*modal);
    }
  }
  m_inTick = false;
}

void GuiFixture::CloseAllModals() {
  for (int i = 0; i < 20; ++i) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    EndWindow(*modal);
    QCoreApplication::processEvents();
  }
}
