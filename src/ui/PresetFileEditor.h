#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// "Edit Preset File…": opens the file Reset reads in the desktop's editor. When
// there is none, it first creates the configuration folder's file from the
// sample that comes with the program. If that cannot be created, a box owned
// by `owner` names the path and the reason, and nothing else happens.
void EditPresetFile(QWidget* owner);

// Creates `path` with `content`, and its folder if need be, through a
// temporary file in that folder and a rename that never replaces anything
// already at `path`. On failure returns false with the reason.
bool CreateFileOnce(const QString& path, const QByteArray& content, QString& reason);

// The sample preset file, as installed in the program's resources.
QByteArray SamplePresetFile();
