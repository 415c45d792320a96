#pragma once

#include <QUrl>

// The user guide lives on the project's site; docs/audio/varnholt.htm is its source.
inline constexpr const char* kDocumentationSite = "https://varnholt.example.org";
inline constexpr const char* kHelpPagePath = "/audio/varnholt.htm";

inline QUrl HelpPageUrl() {
  return QUrl(QString::fromLatin1(kDocumentationSite) + QString::fromLatin1(kHelpPagePath));
}
