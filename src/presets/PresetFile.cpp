#include "PresetFile.h"

#include "engnum/FieldTextUtf8.h"
#include "files/FilePath.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Takes the next run of non-blank characters from `rest`; empty at the end.
std::string_view NextValue(std::string_view& rest) {
  std::size_t start = 0;
  while (start < rest.size() && IsBlank(rest[start])) ++start;
  std::size_t end = start;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  const std::string_view value = rest.substr(start, end - start);
  rest.remove_prefix(end);
  return value;
}

}  // namespace

bool ParsePresetPiece(std::string_view piece, PresetEntry& entry) {
  // The text ends at a NUL byte, as it always has for the C string functions.
  piece = piece.substr(0, piece.find('\0'));
  if (piece.empty() || piece.front() == '/') return false;
  const std::size_t quote = piece.find('"');
  if (quote == std::string_view::npos) return false;

  std::string_view rest = piece.substr(quote + 1);
  const std::string_view first = NextValue(rest);
  const std::string_view second = NextValue(rest);
  if (first.empty() || second.empty()) return false;
  // Cutting a longer value would silently turn it into another number.
  // A value counts in characters: a UTF-8 micro sign is one, as typed.
  if (FieldBytesLength(first) > kPresetValueLength || FieldBytesLength(second) > kPresetValueLength)
    return false;

  entry.name = piece.substr(0, quote);
  entry.initLoad = entry.name == kInitLoadName;
  entry.first = first;
  entry.second = second;
  return true;
}

void PresetFileReader::Feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (m_markMatched >= 0) {
      const auto matched = static_cast<std::size_t>(m_markMatched);
      if (c == kByteOrderMark[matched]) {
        m_markMatched = matched + 1 == kByteOrderMark.size() ? -1 : m_markMatched + 1;
        continue;
      }
      // Not a mark after all: its first bytes were text.
      m_markMatched = -1;
      for (const char part : kByteOrderMark.substr(0, matched)) Take(part);
    }
    Take(c);
  }
}

void PresetFileReader::Take(char c) {
  if (c == '\n') {
    m_pendingCR = false;
    EndPiece();
    return;
  }
  if (m_pendingCR) {
    m_pendingCR = false;
    Append('\r');
  }
  if (c == '\r') {
    m_pendingCR = true;
  } else {
    Append(c);
  }
}

void PresetFileReader::Finish() {
  if (m_markMatched > 0) {
    for (const char part : kByteOrderMark.substr(0, static_cast<std::size_t>(m_markMatched))) Take(part);
  }
  m_markMatched = -1;
  // A CR at the very end is the remnant of a line end, never part of a value.
  m_pendingCR = false;
  if (m_length > 0) EndPiece();
}

void PresetFileReader::Append(char c) {
  m_piece[m_length++] = c;
  if (m_length == kPresetPieceLength) EndPiece();
}

void PresetFileReader::EndPiece() {
  PresetEntry entry;
  if (ParsePresetPiece(std::string_view(m_piece, m_length), entry)) m_sink(entry);
  m_length = 0;
}

namespace {

// A folder opens for reading on some systems and then reads as nothing; a
// device or pipe could block. Only a plain file (through any links) is one.
std::FILE* OpenPresetFile(const char* path) {
  try {
    std::error_code error;
    if (!std::filesystem::is_regular_file(PathFromUtf8(path), error)) return nullptr;
    return OpenFileUtf8(path, "rb");
  } catch (const std::exception&) {
    return nullptr;  // a name that is not UTF-8 names no file on a system of UTF-16 names
  }
}

}  // namespace

bool CanReadPresetFile(const char* path) {
  std::FILE* file = OpenPresetFile(path);
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

bool ReadPresetFile(const char* path, const PresetSink& sink) {
  std::FILE* file = OpenPresetFile(path);
  if (file == nullptr) return false;
  PresetFileReader reader(sink);
  char chunk[4096];
  std::size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) reader.Feed(std::string_view(chunk, count));
  reader.Finish();
  std::fclose(file);
  return true;
}
