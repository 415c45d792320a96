#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

// The preset file: 8-bit lines (a UTF-8 byte-order mark before the first is
// skipped, as some editors write one), each read in pieces of at most 62 characters
// (the rest of a longer line counts as a line of its own). A piece is a
// comment ("/" first), ignored (no double quote), or split at its first double
// quote into a name and two values separated by spaces or tabs. The name
// "_init_load" gives the C total and RL texts; any other name a cartridge's
// L and RS texts.

inline constexpr const char* kPresetFileName = "varnholt.txt";
inline constexpr std::size_t kPresetPieceLength = 62;
inline constexpr std::size_t kPresetValueLength = 15;
inline constexpr std::string_view kInitLoadName = "_init_load";

struct PresetEntry {
  bool initLoad;  // true: C total and RL; false: a cartridge's L and RS
  std::string_view name;
  std::string_view first;
  std::string_view second;
};

// The views point into the reader's one piece and are valid during the call only.
using PresetSink = std::function<void(const PresetEntry&)>;

// Splits bytes, fed in chunks of any size, into pieces and hands every entry
// to the sink. It holds one piece and nothing else of the input.
class PresetFileReader {
 public:
  explicit PresetFileReader(PresetSink sink) : m_sink(std::move(sink)) {}

  void Feed(std::string_view bytes);
  // Ends the input: a last line without a line feed still counts.
  void Finish();

 private:
  void Take(char c);
  void Append(char c);
  void EndPiece();

  PresetSink m_sink;
  char m_piece[kPresetPieceLength];
  std::size_t m_length = 0;
  bool m_pendingCR = false;  // a CR that is dropped if a LF follows
  // Bytes of a byte-order mark matched at the start; -1 once past it.
  int m_markMatched = 0;
};

// One piece, without its line end, to an entry. False for comments, pieces
// without a quote, fewer than two values, or a value over 15 characters.
bool ParsePresetPiece(std::string_view piece, PresetEntry& entry);

// Reads a whole file through a PresetFileReader. False when it cannot be
// opened; a folder or anything else that is not a plain file counts as none.
// `path` is UTF-8.
bool ReadPresetFile(const char* path, const PresetSink& sink);

// True when ReadPresetFile would open `path`.
bool CanReadPresetFile(const char* path);
