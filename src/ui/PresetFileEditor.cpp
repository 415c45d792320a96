#include "PresetFileEditor.h"

#include "MessageBoxes.h"
#include "PresetFilePlaces.h"
#include "presets/PresetCommands.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
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
  const QString folder = QFileInfo(path).absolutePath();
  std::error_code error;
  std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
  if (error) {
    reason = QString::fromLocal8Bit(error.message());
    return false;
  }
  QTemporaryFile temporary(QDir(folder).filePath(QStringLiteral(".varnholt-XXXXXX")));
  if (!temporary.open()) {
    reason = temporary.errorString();
    return false;
  }
  if (temporary.write(content) != content.size() || !temporary.flush()) {
    reason = temporary.errorString();
    return false;
  }
  // A user's own text file: readable and writable by its owner, readable by
  // others, as an editor would make it.
  temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                           QFileDevice::ReadOther);
  // Qt's rename never replaces an existing file, link or folder.
  if (!temporary.rename(path)) {
    reason = temporary.errorString();
    return false;
  }
  temporary.setAutoRemove(false);
  return true;
}

void EditPresetFile(QWidget* owner) {
  const std::vector<std::string> places = PresetFilePlaces();
  const int found = FindPresetFile(places);
  QString path;
  if (found >= 0) {
    path = QFileInfo(QFile::decodeName(places[static_cast<std::size_t>(found)].c_str())).absoluteFilePath();
  } else {
    path = ConfigPresetFilePath();
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
