#include "files/SafeFile.h"

#include "files/CommandLine.h"
#include "files/FilePath.h"

#include <windows.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace {

// The system's own text for an error code, as UTF-8 without the line end.
std::string Reason(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string reason;
  if (length > 0 && text != nullptr) reason = Utf8FromPath(std::filesystem::path(std::wstring(text, length)));
  if (text != nullptr) LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
    reason.pop_back();
  if (!reason.empty() && reason.back() == '.') reason.pop_back();
  return reason.empty() ? "system error " + std::to_string(error) : reason;
}

// The name the data of `path` lives under when it is a symbolic link (or
// another reparse point); `path` itself otherwise.
bool FollowLinks(std::wstring& path, DWORD& error) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return true;
  HANDLE handle =
      CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return false;
  }
  std::vector<wchar_t> final(MAX_PATH + 1);
  DWORD length = GetFinalPathNameByHandleW(handle, final.data(), static_cast<DWORD>(final.size()), 0);
  if (length >= final.size()) {
    final.resize(length + 1);
    length = GetFinalPathNameByHandleW(handle, final.data(), static_cast<DWORD>(final.size()), 0);
  }
  error = GetLastError();
  CloseHandle(handle);
  if (length == 0 || length >= final.size()) return false;
  path.assign(final.data(), length);
  return true;
}

// Whether `path` names a plain file on a disk: true with `exists` false when
// nothing is there; false with a reason for anything that is not a file.
bool CheckTarget(const std::wstring& path, bool& exists, std::string& reason) {
  exists = false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return true;
    reason = Reason(error);
    return false;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    reason = kIsFolderReason;
    return false;
  }
  // A read-only file is not replaced, as a redirect would not write it.
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    reason = Reason(ERROR_ACCESS_DENIED);
    return false;
  }
  // Devices (NUL, COM1) and pipes answer to their names too.
  HANDLE handle =
      CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    reason = Reason(GetLastError());
    return false;
  }
  const DWORD type = GetFileType(handle);
  CloseHandle(handle);
  if (type != FILE_TYPE_DISK) {
    reason = kNotRegularReason;
    return false;
  }
  exists = true;
  return true;
}

DWORD WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    bytes.remove_prefix(written);
  }
  return 0;
}

}  // namespace

std::string WriteFileSafely(const std::string& utf8Path, std::string_view bytes, WriteMode mode) {
  std::wstring path;
  try {
    path = PathFromUtf8(utf8Path).wstring();
  } catch (const std::exception&) {
    return "the name is not valid UTF-8";
  }
  bool exists = false;
  if (mode == WriteMode::kReplace) {
    DWORD error = 0;
    if (!FollowLinks(path, error)) return Reason(error);
    std::string reason;
    if (!CheckTarget(path, exists, reason)) return reason;
  } else if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return kExistsReason;
  }

  std::wstring temp;
  HANDLE handle = INVALID_HANDLE_VALUE;
  for (int attempt = 0; handle == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
    temp = PathFromUtf8(TemporaryNameBeside(Utf8FromPath(std::filesystem::path(path)))).wstring();
    handle = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return Reason(GetLastError());
  }
  if (handle == INVALID_HANDLE_VALUE) return Reason(ERROR_FILE_EXISTS);

  DWORD error = WriteAll(handle, bytes);
  if (error == 0 && !FlushFileBuffers(handle)) error = GetLastError();
  CloseHandle(handle);
  if (error == 0) {
    if (mode == WriteMode::kCreateOnly) {
      // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken.
      if (!MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) error = GetLastError();
    } else if (exists) {
      // ReplaceFileW keeps the replaced file's security and attributes; where
      // it is not supported the plain replacing move does the job.
      if (!ReplaceFileW(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                        nullptr) &&
          !MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    } else if (!MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      error = GetLastError();
    }
  }
  if (error != 0) {
    DeleteFileW(temp.c_str());
    if (mode == WriteMode::kCreateOnly && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS))
      return kExistsReason;
    return Reason(error);
  }
  return {};
}

std::string WriteToStream(std::FILE* stream, std::string_view bytes) {
  SetBinaryMode(stream);
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size() || std::fflush(stream) != 0)
    return std::generic_category().message(errno != 0 ? errno : EIO);
  return {};
}
