#include "files/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace {

// The system's text for an error number (thread-safe, unlike strerror).
std::string Reason(int error) { return std::generic_category().message(error); }

// The folder part of `path`, with its slash; empty for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Follows symbolic links from `path` to the name the data lives under; a link
// that leads nowhere gives the name it points to. Returns an error number.
int FollowLinks(std::string& path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(info.st_mode)) return 0;
    std::vector<char> target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    for (;;) {
      const ssize_t length = readlink(path.c_str(), target.data(), target.size());
      if (length < 0) return errno;
      if (static_cast<std::size_t>(length) < target.size()) {
        target.resize(static_cast<std::size_t>(length));
        break;
      }
      target.resize(target.size() * 2);  // the link changed while we looked
    }
    std::string next(target.begin(), target.end());
    path = next.front() == '/' ? next : FolderOf(path) + next;
  }
  return ELOOP;
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

// Makes a rename or link in `folder` last through a crash; a folder that
// cannot be synced (some file systems refuse) is no failure of the write.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

std::string WriteFileSafely(const std::string& utf8Path, std::string_view bytes, WriteMode mode) {
  std::string path = utf8Path;
  struct stat existing {};
  bool exists = false;
  if (mode == WriteMode::kReplace) {
    // What the name leads to, links followed by the system: a link to a pipe
    // that has no name of its own (/dev/stdout) is refused for what it is.
    if (stat(path.c_str(), &existing) == 0) {
      if (S_ISDIR(existing.st_mode)) return kIsFolderReason;
      if (!S_ISREG(existing.st_mode)) return kNotRegularReason;
    }
    if (const int error = FollowLinks(path); error != 0) return Reason(error);
    if (lstat(path.c_str(), &existing) == 0) {
      if (S_ISDIR(existing.st_mode)) return kIsFolderReason;
      if (!S_ISREG(existing.st_mode)) return kNotRegularReason;
      // The rename would replace a file the caller may not write, which a
      // shell's redirect refuses; root may, as there.
      if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return Reason(errno);
      exists = true;
    } else if (errno != ENOENT) {
      return Reason(errno);
    }
  } else if (lstat(path.c_str(), &existing) == 0) {
    return kExistsReason;
  }

  // 0666 takes the umask on creation, as any new file does.
  std::string temp;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temp = TemporaryNameBeside(path);
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return Reason(errno);
  }
  if (fd < 0) return Reason(EEXIST);

  int error = 0;
  if (exists) {
    // The owner can only be kept where the system allows it (as root); the
    // permissions always are.
    if (existing.st_uid != geteuid() || existing.st_gid != getegid()) {
      [[maybe_unused]] const int ignored = fchown(fd, existing.st_uid, existing.st_gid);
    }
    if (fchmod(fd, existing.st_mode & 07777) != 0) error = errno;
  }
  if (error == 0) error = WriteAll(fd, bytes);
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0) {
    if (mode == WriteMode::kReplace) {
      if (rename(temp.c_str(), path.c_str()) != 0) error = errno;
    } else if (link(temp.c_str(), path.c_str()) != 0) {
      // A hard link, unlike a rename, fails when the name is taken.
      error = errno;
    }
  }
  if (error != 0 || mode == WriteMode::kCreateOnly) unlink(temp.c_str());
  if (error == EEXIST && mode == WriteMode::kCreateOnly) return kExistsReason;
  if (error != 0) return Reason(error);
  SyncFolder(FolderOf(path));
  return {};
}

std::string WriteToStream(std::FILE* stream, std::string_view bytes) {
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size() || std::fflush(stream) != 0)
    return Reason(errno != 0 ? errno : EIO);
  return {};
}
