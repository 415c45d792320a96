// Arbitrary bytes as a preset file, fed whole and in chunks whose size the
// first byte picks: both must give the same entries, and every entry must keep
// to the limits the table and the fields rely on.
#include "engnum/FieldTextUtf8.h"
#include "presets/PresetFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(const PresetEntry& e) {
  if (e.name.size() > kPresetPieceLength - 1) std::abort();
  if (!e.name.empty() && e.name.front() == '/') std::abort();
  if (e.name.find_first_of(std::string_view("\"\n\0", 3)) != std::string_view::npos) std::abort();
  for (std::string_view value : {e.first, e.second}) {
    // A value is limited in characters (UTF-8 counts as typed), and what
    // reaches a field keeps to the field's bytes.
    if (value.empty() || FieldBytesLength(value) > kPresetValueLength) std::abort();
    if (Utf8ToFieldBytes(value).size() > kPresetValueLength) std::abort();
    if (value.find_first_of(std::string_view(" \t\n\0", 4)) != std::string_view::npos) std::abort();
  }
  if (e.initLoad != (e.name == kInitLoadName)) std::abort();
}

std::vector<std::string> Read(std::string_view bytes, std::size_t chunk) {
  std::vector<std::string> entries;
  PresetFileReader reader([&](const PresetEntry& e) {
    Check(e);
    std::string flat(e.name);
    flat += '"';
    flat += e.first;
    flat += ' ';
    flat += e.second;
    entries.push_back(std::move(flat));
  });
  for (std::size_t at = 0; at < bytes.size(); at += chunk) reader.Feed(bytes.substr(at, chunk));
  reader.Finish();
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = data[0] % 70 + 1;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  if (Read(bytes, bytes.size() + 1) != Read(bytes, chunk)) std::abort();
  return 0;
}
