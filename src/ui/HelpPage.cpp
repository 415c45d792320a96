#include "HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A file URL for `docs` + the page's path when that file exists.
QUrl LocalPage(const QString& docs) {
  const QFileInfo page(docs + QString::fromLatin1(kHelpPagePath));
  return page.isFile() ? QUrl::fromLocalFile(page.absoluteFilePath()) : QUrl();
}

bool SameFolder(const QString& a, const QString& b) {
  const QString canonical = QFileInfo(a).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QUrl ChooseHelpPage(const HelpPlaces& places) {
  if (const QUrl installed = LocalPage(QDir(places.appDir).filePath(places.installedDocs));
      installed.isValid())
    return installed;
  // The build tree's path is known to the program, but an installed copy,
  // wherever it is moved, never looks into a source tree.
  if (!places.sourceDocs.isEmpty() && SameFolder(places.appDir, places.buildAppDir)) {
    if (const QUrl source = LocalPage(places.sourceDocs); source.isValid()) return source;
  }
  return HelpPageUrl();
}

HelpPlaces ProgramHelpPlaces() {
  return {QCoreApplication::applicationDirPath(), QFile::decodeName(VARNHOLT_DOCS_FROM_BIN),
          QFile::decodeName(VARNHOLT_BUILD_APP_DIR), QFile::decodeName(VARNHOLT_SOURCE_DOCS_DIR)};
}
