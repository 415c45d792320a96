#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// File names cross the program as UTF-8 bytes. These are the only places that
// turn them into the system's own names, so that a name in any script opens on
// every system (on Windows the UTF-16 calls, never the 8-bit code page).

// Where names are UTF-16 (Windows), a text that is not UTF-8 throws
// std::filesystem::filesystem_error.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// std::fopen for a UTF-8 name; `mode` is one of fopen's ("rb", "wb"). Null,
// as fopen, when it cannot be opened, the name's conversion included.
std::FILE* OpenFileUtf8(const std::string& utf8, const char* mode);
