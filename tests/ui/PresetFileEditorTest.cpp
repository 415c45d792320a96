#include "MainWindowFixture.h"
#include "ui/PresetFileEditor.h"
#include "ui/ResourceIds.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTimer>

#include <filesystem>

namespace {

// Takes the file addresses the program hands the desktop.
class FileUrlCatcher : public QObject {
  Q_OBJECT
 public:
  FileUrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
  ~FileUrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  QList<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls.push_back(url); }
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class PresetFileTest : public MainWindowTest {
 protected:
  QString ConfigFile() const { return ConfigDir() + QStringLiteral("/varnholt/varnholt.txt"); }
  void WriteConfigFile(const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(ConfigDir() + QStringLiteral("/varnholt")));
    QFile file(ConfigFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QStringList Names() const {
    QStringList names;
    for (int i = 0; i < dlg->m_name.count(); ++i) names << dlg->m_name.itemText(i);
    return names;
  }
  FileUrlCatcher opened;
};

// The order of the places is the core's (ResetPlaces); here the window finds
// the configuration folder through $XDG_CONFIG_HOME.
TEST_F(PresetFileTest, ResetReadsTheConfigFolderWhenTheWorkingFolderHasNone) {
  WriteConfigFile("Config MM\"550m 1.1k\n");
  Click(IDC_RESET);
  EXPECT_EQ(Names(), QStringList{QStringLiteral("Config MM")});
  EXPECT_EQ(dlg->m_editL.text(), QStringLiteral("550m"));
}

TEST_F(PresetFileTest, OpensTheFileResetReads) {
  WriteConfigFile("Config MM\"550m 1.1k\n");
  dlg->OnEditPresetFile();
  WriteWorkFile(QStringLiteral("varnholt.txt"), "Work MM\"470m 680\n");
  dlg->OnEditPresetFile();
  ASSERT_EQ(opened.urls.size(), 2);
  EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(ConfigFile()));
  EXPECT_EQ(opened.urls[1], QUrl::fromLocalFile(QDir(WorkDir()).filePath(QStringLiteral("varnholt.txt"))));
  EXPECT_EQ(ReadAll(ConfigFile()), QByteArray("Config MM\"550m 1.1k\n"));
  EXPECT_TRUE(m_seen.empty());
}

TEST_F(PresetFileTest, CreatesTheConfigFileFromTheSampleWhenThereIsNone) {
  // A folder where the working folder's file would be is no file.
  ASSERT_TRUE(QDir(WorkDir()).mkdir(QStringLiteral("varnholt.txt")));
  dlg->OnEditPresetFile();
  ASSERT_EQ(opened.urls.size(), 1);
  EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(ConfigFile()));
  EXPECT_EQ(ReadAll(ConfigFile()), ReadAll(QStringLiteral(VARNHOLT_EXAMPLES_DIR "/varnholt.txt")));
  // Nothing but the file itself is left in its folder.
  EXPECT_EQ(QDir(ConfigDir() + QStringLiteral("/varnholt"))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("varnholt.txt")});
  Click(IDC_RESET);
  EXPECT_EQ(Names().size(), 6);
}

// What stands in the way of creating the file: the box names the path and the
// reason, and nothing is opened, created or changed.
TEST_F(PresetFileTest, CannotCreateShowsThePathAndTheReason) {
  const std::filesystem::path file = QFile::encodeName(ConfigFile()).toStdString();
  struct Obstacle {
    const char* name;
    std::function<void()> place;
  } const obstacles[] = {
      {"config folder is a file",
       [&] { QFile(ConfigDir() + QStringLiteral("/varnholt")).open(QIODevice::WriteOnly); }},
      {"dangling link", [&] {
         std::filesystem::create_directories(file.parent_path());
         std::filesystem::create_symlink(file.parent_path() / "elsewhere.txt", file);
       }}};
  for (const Obstacle& obstacle : obstacles) {
    SCOPED_TRACE(obstacle.name);
    std::filesystem::remove_all(QFile::encodeName(ConfigDir() + QStringLiteral("/varnholt")).toStdString());
    obstacle.place();
    const QStringList names = Names();
    const QString l = dlg->m_editL.text();
    m_seen.clear();
    AnswerNextMessageBox(QMessageBox::Ok);
    dlg->OnEditPresetFile();
    ASSERT_EQ(m_seen.size(), 1u);
    EXPECT_EQ(m_seen[0].title, QCoreApplication::applicationName());
    EXPECT_TRUE(m_seen[0].text.contains(ConfigFile())) << m_seen[0].text.toStdString();
    EXPECT_GT(m_seen[0].text.split(QLatin1Char('\n')).last().size(), 0);  // the reason
    EXPECT_EQ(m_seen[0].icon, QMessageBox::NoIcon);
    EXPECT_TRUE(opened.urls.empty());
    EXPECT_EQ(Names(), names);
    EXPECT_EQ(dlg->m_editL.text(), l);
  }
  EXPECT_TRUE(std::filesystem::is_symlink(file));
  EXPECT_FALSE(std::filesystem::exists(file.parent_path() / "elsewhere.txt"));
}

// Without a usable configuration folder (a relative XDG_CONFIG_HOME is
// ignored, HOME unset) only the working folder is read, and Edit Preset File…
// says why it creates nothing rather than writing somewhere unexpected.
TEST_F(PresetFileTest, WithoutAConfigFolderOnlyTheWorkingFolderCounts) {
  const QByteArray home = qgetenv("HOME");
  qputenv("XDG_CONFIG_HOME", "varnholt-rel");
  qunsetenv("HOME");
  ASSERT_TRUE(QDir(WorkDir()).mkpath(QStringLiteral("varnholt-rel/varnholt")));
  WriteWorkFile(QStringLiteral("varnholt-rel/varnholt/varnholt.txt"), "Relative\"550m 1.1k\n");
  Click(IDC_RESET);
  EXPECT_EQ(Names(), QStringList{});
  AnswerNextMessageBox(QMessageBox::Ok);
  dlg->OnEditPresetFile();
  qputenv("HOME", home);
  ASSERT_EQ(m_seen.size(), 1u);
  EXPECT_TRUE(m_seen[0].text.startsWith(QStringLiteral("Cannot create the preset file\n")))
      << m_seen[0].text.toStdString();
  EXPECT_TRUE(m_seen[0].text.contains(QStringLiteral("XDG_CONFIG_HOME")));
  EXPECT_TRUE(opened.urls.empty());
}

TEST(CreateFileOnce, NeverReplacesAFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("a/b/varnholt.txt"));
  QString reason;
  ASSERT_TRUE(CreateFileOnce(path, "first", reason)) << reason.toStdString();
  EXPECT_FALSE(CreateFileOnce(path, "second", reason));
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_EQ(ReadAll(path), QByteArray("first"));
  EXPECT_EQ(QDir(dir.filePath(QStringLiteral("a/b")))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("varnholt.txt")});
}

TEST_F(PresetFileTest, RightClickOffersEditPresetFileFirst) {
  // Over a label, a button and the plot alike: controls without a menu of
  // their own leave the click to the window.
  for (QWidget* target :
       {static_cast<QWidget*>(&dlg->m_status), static_cast<QWidget*>(&Button(IDC_CALCULATE)),
        static_cast<QWidget*>(&dlg->m_plot)}) {
    QStringList items;
    QTimer::singleShot(0, [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* action : menu->actions()) items << action->text();
        menu->close();
      }
    });
    const QPoint at = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    ASSERT_FALSE(items.isEmpty()) << target->accessibleName().toStdString();
    // The window's own items follow the plot's, after their separator.
    EXPECT_EQ(items.value(items.lastIndexOf(QString()) + 1), QStringLiteral("Edit Preset File\u2026"));
    EXPECT_TRUE(opened.urls.empty());
  }
}

}  // namespace

#include "PresetFileEditorTest.moc"
