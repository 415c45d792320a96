#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The program's remembered inputs: small files of "key=value" lines (UTF-8,
// LF or CRLF) in the configuration folder, one per dialog.

// Reads the whole file into `text`; false when it cannot be opened. A file
// over `maxSize` bytes is not ours and reads as empty.
bool ReadSettingsFile(const std::string& path, std::size_t maxSize, std::string& text);

// Calls `visit(key, value)` for every line that has an '='.
void ForEachSetting(std::string_view text,
                    const std::function<void(std::string_view, std::string_view)>& visit);

// Makes the file's folder and writes `text` through the safe writer: empty,
// or why it could not be written.
std::string SaveSettingsFile(const std::string& path, const std::string& text);
