#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Every file the program writes goes through here, so that a file appears
// whole or not at all. The bytes go to a new temporary file beside the
// target, reach the disk, and then take the target's name in one step (a
// rename). A failure at any point leaves whatever was there before as it was
// and removes the temporary file.

enum class WriteMode {
  // Replaces the file. An existing file keeps its permissions (a private file
  // stays private); a new one gets those of any new file (0666 less the umask
  // on POSIX). A symbolic link is followed and stays a link: its target gets
  // the new content. A folder, pipe, device or anything else that is not a
  // regular file is refused without being opened, so a pipe cannot block.
  kReplace,
  // Writes only where nothing exists yet, not even a link; never replaces.
  kCreateOnly,
};

// Writes `bytes` to the file named `utf8Path`. Returns an empty text on
// success, else why it failed, in plain words.
std::string WriteFileSafely(const std::string& utf8Path, std::string_view bytes,
                            WriteMode mode = WriteMode::kReplace);

// Writes `bytes` to an open stream exactly as given (switched to binary
// first, see SetBinaryMode) and flushes it. Returns
// an empty text on success, else why it failed.
std::string WriteToStream(std::FILE* stream, std::string_view bytes);

// The texts a refusal gives, shared by both systems' writers.
inline constexpr const char* kIsFolderReason = "it is a folder";
inline constexpr const char* kNotRegularReason = "it is not a regular file";
inline constexpr const char* kExistsReason = "a file of that name exists already";

// A name for a temporary file beside `path`, unlikely to be taken: the
// target's own name hidden behind a dot, with a random tail.
std::string TemporaryNameBeside(const std::string& path);
