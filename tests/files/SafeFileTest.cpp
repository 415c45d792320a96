#include "files/FilePath.h"
#include "files/SafeFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A private folder, named in another script to prove names stay UTF-8 throughout.
class Folder {
 public:
  Folder() {
    std::random_device random;
    m_path = fs::temp_directory_path() /
             PathFromUtf8("varnholt-files-\xC3\xA9\xCE\xBB-" + std::to_string(random()));
    fs::create_directories(m_path);
  }
  ~Folder() {
    std::error_code ignored;
    fs::permissions(m_path, fs::perms::owner_all, ignored);
    fs::remove_all(m_path, ignored);
  }
  fs::path operator/(const char* name) const { return m_path / name; }
  const fs::path& Path() const { return m_path; }
  std::size_t Entries() const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_path)) ++count;
    return count;
  }

 private:
  fs::path m_path;
};

#ifndef _WIN32
unsigned ModeOf(const fs::path& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// What an unprivileged user gets: root writes into any folder.
std::string WriteAsUnprivileged(const std::string& path, const std::string& bytes) {
  if (geteuid() != 0) return WriteFileSafely(path, bytes);
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return "no pipe";
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    std::string reason = "could not drop privileges";
    if (setgid(65534) == 0 && setuid(65534) == 0) reason = WriteFileSafely(path, bytes);
    [[maybe_unused]] const ssize_t n = write(pipeEnds[1], reason.data(), reason.size());
    _exit(0);
  }
  close(pipeEnds[1]);
  std::string reason;
  char chunk[256];
  for (ssize_t n; (n = read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
    reason.append(chunk, static_cast<std::size_t>(n));
  close(pipeEnds[0]);
  waitpid(child, nullptr, 0);
  return reason;
}
#endif

struct TargetCase {
  const char* name;
  WriteMode mode;
  // Puts whatever stands at the target and returns the name to write to.
  std::function<fs::path(const Folder&)> place;
  // What the writer answers: "" on success, a refusal's text, or the
  // system's words for `error` (read in the locale the test runs in).
  std::string reason;
  // What must hold afterwards, the target's name given.
  std::function<void(const Folder&, const fs::path&)> check;
  std::errc error{};
};

const std::string kNew = "<svg>new</svg>\n";

void HasNewContent(const Folder&, const fs::path& target) { EXPECT_EQ(ReadAll(target), kNew); }

void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.name; }

class SafeFileTargets : public testing::TestWithParam<TargetCase> {};

TEST_P(SafeFileTargets, WritesWholeOrRefuses) {
  const TargetCase& c = GetParam();
  const Folder folder;
  const fs::path target = c.place(folder);
  const std::size_t entries = folder.Entries();
  std::string reason;
#ifndef _WIN32
  const mode_t mask = umask(022);
  reason = std::string(c.name).find("read-only") != std::string::npos
               ? WriteAsUnprivileged(Utf8FromPath(target), kNew)
               : WriteFileSafely(Utf8FromPath(target), kNew, c.mode);
  umask(mask);
#else
  reason = WriteFileSafely(Utf8FromPath(target), kNew, c.mode);
#endif
#ifdef _WIN32
  // The system's words differ between Windows and Wine: only that there are some.
  if (c.error == std::errc{}) {
    EXPECT_EQ(reason, c.reason);
  } else {
    EXPECT_NE(reason, "");
  }
#else
  EXPECT_EQ(reason, c.error == std::errc{} ? c.reason : std::make_error_code(c.error).message());
#endif
  c.check(folder, target);
  // No temporary file is left, whatever happened; a new file is the one entry more.
  const bool created = reason.empty() && entries < folder.Entries();
  EXPECT_EQ(folder.Entries(), entries + (created ? 1 : 0));
}

const TargetCase kPortableCases[] = {
    {"missing", WriteMode::kReplace, [](const Folder& f) { return f / "new.svg"; }, "", HasNewContent},
    {"regular", WriteMode::kReplace,
     [](const Folder& f) {
       WriteAll(f / "old.svg", "an older and longer picture");
       return f / "old.svg";
     },
     "", HasNewContent},
    {"folder", WriteMode::kReplace,
     [](const Folder& f) {
       fs::create_directory(f / "sub.svg");
       return f / "sub.svg";
     },
     kIsFolderReason, [](const Folder&, const fs::path& target) { EXPECT_TRUE(fs::is_directory(target)); }},
    {"missing folder", WriteMode::kReplace, [](const Folder& f) { return f / "gone" / "x.svg"; }, "",
     [](const Folder&, const fs::path& target) { EXPECT_FALSE(fs::exists(target)); },
     std::errc::no_such_file_or_directory},
    {"create-only, missing", WriteMode::kCreateOnly, [](const Folder& f) { return f / "varnholt.txt"; }, "",
     HasNewContent},
    {"create-only, existing", WriteMode::kCreateOnly,
     [](const Folder& f) {
       WriteAll(f / "varnholt.txt", "mine");
       return f / "varnholt.txt";
     },
     kExistsReason, [](const Folder&, const fs::path& target) { EXPECT_EQ(ReadAll(target), "mine"); }},
};
INSTANTIATE_TEST_SUITE_P(Everywhere, SafeFileTargets, testing::ValuesIn(kPortableCases),
                         [](const auto& info) { return std::to_string(info.index); });

#ifndef _WIN32
const TargetCase kPosixCases[] = {
    {"missing gets the umask's mode", WriteMode::kReplace, [](const Folder& f) { return f / "new.svg"; }, "",
     [](const Folder&, const fs::path& target) { EXPECT_EQ(ModeOf(target), 0644u); }},
    {"0600 stays 0600", WriteMode::kReplace,
     [](const Folder& f) {
       WriteAll(f / "private.svg", "old");
       chmod((f / "private.svg").c_str(), 0600);
       return f / "private.svg";
     },
     "",
     [](const Folder& f, const fs::path& target) {
       HasNewContent(f, target);
       EXPECT_EQ(ModeOf(target), 0600u);
     }},
    {"symbolic link", WriteMode::kReplace,
     [](const Folder& f) {
       fs::create_directory(f / "real");
       WriteAll(f / "real" / "plot.svg", "old");
       fs::create_symlink("real/plot.svg", f / "link.svg");
       return f / "link.svg";
     },
     "",
     [](const Folder& f, const fs::path& target) {
       EXPECT_TRUE(fs::is_symlink(target));
       EXPECT_EQ(ReadAll(f / "real" / "plot.svg"), kNew);
       EXPECT_EQ(fs::directory_iterator(f / "real")->path().filename(), "plot.svg");  // no temporary there
     }},
    {"dangling link", WriteMode::kReplace,
     [](const Folder& f) {
       fs::create_symlink("target.svg", f / "link.svg");
       return f / "link.svg";
     },
     "",
     [](const Folder& f, const fs::path& target) {
       EXPECT_TRUE(fs::is_symlink(target));
       EXPECT_EQ(ReadAll(f / "target.svg"), kNew);
     }},
    {"FIFO", WriteMode::kReplace,
     [](const Folder& f) {
       mkfifo((f / "pipe.svg").c_str(), 0644);
       return f / "pipe.svg";
     },
     kNotRegularReason, [](const Folder&, const fs::path& target) { EXPECT_TRUE(fs::is_fifo(target)); }},
    {"link to a folder", WriteMode::kReplace,
     [](const Folder& f) {
       fs::create_directory(f / "sub");
       fs::create_directory_symlink("sub", f / "link.svg");
       return f / "link.svg";
     },
     kIsFolderReason, [](const Folder&, const fs::path& target) { EXPECT_TRUE(fs::is_symlink(target)); }},
    {"read-only folder", WriteMode::kReplace,
     [](const Folder& f) {
       fs::create_directory(f / "ro");
       WriteAll(f / "ro" / "plot.svg", "old");
       chmod((f / "ro").c_str(), 0555);
       chmod(f.Path().c_str(), 0755);
       return f / "ro" / "plot.svg";
     },
     "",
     [](const Folder& f, const fs::path& target) {
       EXPECT_EQ(ReadAll(target), "old");
       EXPECT_EQ(fs::directory_iterator(f / "ro")->path().filename(), "plot.svg");
     },
     std::errc::permission_denied},
    {"create-only, dangling link", WriteMode::kCreateOnly,
     [](const Folder& f) {
       fs::create_symlink("elsewhere.txt", f / "varnholt.txt");
       return f / "varnholt.txt";
     },
     kExistsReason, [](const Folder& f, const fs::path&) { EXPECT_FALSE(fs::exists(f / "elsewhere.txt")); }},
};
INSTANTIATE_TEST_SUITE_P(Posix, SafeFileTargets, testing::ValuesIn(kPosixCases),
                         [](const auto& info) { return std::to_string(info.index); });
#endif

TEST(WriteToStream, WritesTheBytesAsGiven) {
  const Folder folder;
  const fs::path path = folder / "out.bin";
  std::FILE* stream = OpenFileUtf8(Utf8FromPath(path), "wb");
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(WriteToStream(stream, std::string("a\r\nb\n\0c", 7)), "");
  std::fclose(stream);
  EXPECT_EQ(ReadAll(path), std::string("a\r\nb\n\0c", 7));
}

}  // namespace
