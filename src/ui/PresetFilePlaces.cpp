#include "PresetFilePlaces.h"

#include "presets/PresetFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString ConfigPresetFilePath() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(config).filePath(QStringLiteral("varnholt/") + QString::fromLatin1(kPresetFileName));
}

std::vector<std::string> PresetFilePlaces() {
  return {kPresetFileName, QFile::encodeName(ConfigPresetFilePath()).toStdString()};
}
