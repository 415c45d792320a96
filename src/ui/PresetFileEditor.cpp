#include "PresetFileEditor.h"

#include "MessageBoxes.h"
#include "files/ConfigFolder.h"
#include "files/FilePath.h"
#include "files/SafeFile.h"
#include "presets/PresetCommands.h"
#include "presets/PresetLocation.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <filesystem>
#include <system_error>

// Resources compiled into a static library need their initialiser pulled in
// by hand, outside any namespace.
static void InitShellResources() { Q_INIT_RESOURCE(Varnholt); }

QByteArray SamplePresetFile() {
  InitShellResources();
  QFile sample(QStringLiteral(":/varnholt/varnholt.txt"));
  return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
}

bool CreateFileOnce(const QString& path, const QByteArray& content, QString& reason) {
  const std::string name = path.toUtf8().toStdString();
  std::error_code error;
  const std::filesystem::path folder = PathFromUtf8(name).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) {
    reason = QString::fromLocal8Bit(error.message());
    return false;
  }
  const std::string why =
      WriteFileSafely(name, std::string_view(content.constData(), static_cast<std::size_t>(content.size())),
                      WriteMode::kCreateOnly);
  reason = QString::fromUtf8(why);
  return why.empty();
}

void EditPresetFile(QWidget* owner) {
  const std::string config = UserConfigFolder();
  const std::vector<std::string> places = PresetFilePaths(config);
  const int found = FindPresetFile(places);
  QString path;
  if (found >= 0) {
    path = QFileInfo(QString::fromStdString(places[static_cast<std::size_t>(found)])).absoluteFilePath();
  } else if (config.empty()) {
    RunMessageBox(
        owner,
        QStringLiteral("Cannot create the preset file\n%1").arg(QString::fromUtf8(NoConfigFolderReason())),
        QString(), QMessageBox::Ok);
    return;
  } else {
    path = QString::fromStdString(ConfigPresetFilePath(config));
    QString reason;
    if (!CreateFileOnce(path, SamplePresetFile(), reason)) {
      RunMessageBox(owner, QStringLiteral("Cannot create the preset file\n%1\n%2").arg(path, reason),
                    QString(), QMessageBox::Ok);
      return;
    }
  }
  // Nothing to report if no editor can be started, as with Help.
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
