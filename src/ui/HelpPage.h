#pragma once

#include <QString>
#include <QUrl>

// The user guide is published on the project's site; docs/ is that site's
// source, and the program installs the same tree as its documentation.
inline constexpr const char* kDocumentationSite = "https://varnholt.example.org";
inline constexpr const char* kHelpPagePath = "/audio/varnholt.htm";

// The published guide.
inline QUrl HelpPageUrl() {
  return QUrl(QString::fromLatin1(kDocumentationSite) + QString::fromLatin1(kHelpPagePath));
}

// Where a copy of the guide may be found.
struct HelpPlaces {
  QString appDir;         // the folder of the running executable
  QString installedDocs;  // the installed documentation, relative to appDir
  QString buildAppDir;    // the build tree's executable folder, or empty
  QString sourceDocs;     // the source tree's docs folder, or empty
};

// The first guide that exists: the installed one beside the program, then,
// only when the program runs from its build tree, the source tree's, and
// otherwise the published one.
QUrl ChooseHelpPage(const HelpPlaces& places);

// The places for this program as built.
HelpPlaces ProgramHelpPlaces();
