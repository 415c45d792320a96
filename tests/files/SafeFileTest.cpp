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

fs::path Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

std::size_t Entries(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

#ifndef _WIN32
unsigned ModeOf(const fs::path& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Root writes into any folder: a read-only one is tried as nobody, in a child.
std::string WriteAsUnprivileged(const std::string& path, const std::string& bytes) {
  int ends[2];
  if (geteuid() != 0 || pipe(ends) != 0) return WriteFileSafely(path, bytes);
  if (fork() == 0) {
    const std::string reason =
        setgid(65534) == 0 && setuid(65534) == 0 ? WriteFileSafely(path, bytes) : "root";
    [[maybe_unused]] const ssize_t n = write(ends[1], reason.data(), reason.size());
    _exit(0);
  }
  close(ends[1]);
  std::string reason;
  char chunk[256];
  for (ssize_t n; (n = read(ends[0], chunk, sizeof chunk)) > 0;)
    reason.append(chunk, static_cast<std::size_t>(n));
  close(ends[0]);
  wait(nullptr);
  return reason;
}
#endif

const std::string kNew = "<svg>new</svg>\n";

struct TargetCase {
  const char* name;
  WriteMode mode;
  // Puts whatever stands at the target in `dir` and returns the name to write to.
  std::function<fs::path(const fs::path& dir)> place;
  // "" on success, a refusal's text, or (with `error`) the system's words.
  std::string reason;
  std::function<void(const fs::path& dir, const fs::path& target)> check;
  std::errc error{};
};

void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.name; }

class SafeFileTargets : public testing::TestWithParam<TargetCase> {
 protected:
  // Named in other scripts, to show names stay UTF-8 all the way.
  SafeFileTargets()
      : m_dir(fs::temp_directory_path() /
              PathFromUtf8("varnholt-\xC3\xA9\xCE\xBB-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(m_dir);
  }
  ~SafeFileTargets() override {
    std::error_code ignored;
    fs::permissions(m_dir / "ro", fs::perms::owner_all, ignored);
    fs::remove_all(m_dir, ignored);
  }
  fs::path m_dir;
};

TEST_P(SafeFileTargets, WritesWholeOrRefuses) {
  const TargetCase& c = GetParam();
  const fs::path target = c.place(m_dir);
#ifdef _WIN32
  const std::string reason = WriteFileSafely(Utf8FromPath(target), kNew, c.mode);
  // Windows and Wine word their errors differently: only that there is a reason.
  if (c.error != std::errc{}) {
    EXPECT_NE(reason, "");
  } else {
    EXPECT_EQ(reason, c.reason);
  }
#else
  const mode_t mask = umask(022);
  const std::string reason = std::string(c.name).rfind("read-only", 0) == 0
                                 ? WriteAsUnprivileged(Utf8FromPath(target), kNew)
                                 : WriteFileSafely(Utf8FromPath(target), kNew, c.mode);
  umask(mask);
  EXPECT_EQ(reason, c.error == std::errc{} ? c.reason : std::make_error_code(c.error).message());
#endif
  c.check(m_dir, target);
  // No temporary file is left behind, whatever happened.
  for (const auto& entry : fs::recursive_directory_iterator(m_dir))
    EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

void HasNewContent(const fs::path&, const fs::path& target) { EXPECT_EQ(ReadAll(target), kNew); }

void KeptOld(const fs::path&, const fs::path& target) { EXPECT_EQ(ReadAll(target), "old"); }

const TargetCase kCases[] = {
    {"missing", WriteMode::kReplace, [](const fs::path& d) { return d / "new.svg"; }, "",
     [](const fs::path& d, const fs::path& target) {
       HasNewContent(d, target);
#ifndef _WIN32
       EXPECT_EQ(ModeOf(target), 0644u);  // as any new file under umask 022
#endif
     }},
    {"regular", WriteMode::kReplace,
     [](const fs::path& d) { return Put(d / "old.svg", "an older, longer one"); }, "", HasNewContent},
    {"folder", WriteMode::kReplace,
     [](const fs::path& d) {
       fs::create_directory(d / "sub.svg");
       return d / "sub.svg";
     },
     kIsFolderReason, [](const fs::path&, const fs::path& target) { EXPECT_TRUE(fs::is_directory(target)); }},
    {"missing folder", WriteMode::kReplace, [](const fs::path& d) { return d / "gone" / "x.svg"; }, "",
     [](const fs::path& d, const fs::path&) { EXPECT_EQ(Entries(d), 0u); },
     std::errc::no_such_file_or_directory},
    {"create-only, existing", WriteMode::kCreateOnly,
     [](const fs::path& d) { return Put(d / "v.txt", "old"); }, kExistsReason, KeptOld},
#ifndef _WIN32
    // 249 bytes: the temporary's name must stay within the limit of 255 and
    // be cut between characters.
    {"long name", WriteMode::kReplace,
     [](const fs::path& d) {
       std::string name(11, 'n');
       for (int i = 0; i < 119; ++i) name += "\xC3\xA9";
       return d / PathFromUtf8(name);
     },
     "", HasNewContent},
    {"0600", WriteMode::kReplace,
     [](const fs::path& d) {
       fs::permissions(Put(d / "private.svg", "old"), fs::perms::owner_read | fs::perms::owner_write);
       return d / "private.svg";
     },
     "",
     [](const fs::path& d, const fs::path& target) {
       HasNewContent(d, target);
       EXPECT_EQ(ModeOf(target), 0600u);
     }},
    {"symbolic link", WriteMode::kReplace,
     [](const fs::path& d) {
       fs::create_directory(d / "real");
       Put(d / "real" / "plot.svg", "old");
       fs::create_symlink("real/plot.svg", d / "link.svg");
       return d / "link.svg";
     },
     "",
     [](const fs::path& d, const fs::path& target) {
       EXPECT_TRUE(fs::is_symlink(target));
       EXPECT_EQ(ReadAll(d / "real" / "plot.svg"), kNew);
     }},
    {"dangling link", WriteMode::kReplace,
     [](const fs::path& d) {
       fs::create_symlink("target.svg", d / "link.svg");
       return d / "link.svg";
     },
     "",
     [](const fs::path& d, const fs::path& target) {
       EXPECT_TRUE(fs::is_symlink(target));
       EXPECT_EQ(ReadAll(d / "target.svg"), kNew);
     }},
    {"FIFO", WriteMode::kReplace,
     [](const fs::path& d) {
       mkfifo((d / "pipe.svg").c_str(), 0644);  // opening it would block
       return d / "pipe.svg";
     },
     kNotRegularReason, [](const fs::path&, const fs::path& target) { EXPECT_TRUE(fs::is_fifo(target)); }},
    {"read-only folder", WriteMode::kReplace,
     [](const fs::path& d) {
       fs::create_directory(d / "ro");
       Put(d / "ro" / "plot.svg", "old");
       fs::permissions(d, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
       fs::permissions(d / "ro", fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write |
                                                    fs::perms::others_write));
       return d / "ro" / "plot.svg";
     },
     "", KeptOld, std::errc::permission_denied},
    // Refused as a shell's redirect refuses it, though the folder would allow the rename.
    {"read-only file", WriteMode::kReplace,
     [](const fs::path& d) {
       fs::permissions(d, fs::perms::all);
       const fs::path target = Put(d / "ro.svg", "old");
       if (geteuid() == 0) {
         [[maybe_unused]] const int ignored = chown(target.c_str(), 65534, 65534);
       }
       fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
       return target;
     },
     "", KeptOld, std::errc::permission_denied},
    // The atomic replace gives the name a new file: another hard link keeps the old one.
    {"hard link", WriteMode::kReplace,
     [](const fs::path& d) {
       fs::create_hard_link(Put(d / "a.svg", "old"), d / "b.svg");
       return d / "a.svg";
     },
     "",
     [](const fs::path& d, const fs::path& target) {
       HasNewContent(d, target);
       EXPECT_EQ(ReadAll(d / "b.svg"), "old");
     }},
    // As /dev/stdout is when standard output is a pipe.
    {"link to a pipe", WriteMode::kReplace,
     [](const fs::path& d) {
       int ends[2] = {-1, -1};
       EXPECT_EQ(pipe(ends), 0);
       fs::create_symlink("/proc/self/fd/" + std::to_string(ends[1]), d / "out.svg");
       return d / "out.svg";
     },
     kNotRegularReason, [](const fs::path&, const fs::path& target) { EXPECT_TRUE(fs::is_symlink(target)); }},
    {"create-only, dangling link", WriteMode::kCreateOnly,
     [](const fs::path& d) {
       fs::create_symlink("elsewhere.txt", d / "v.txt");
       return d / "v.txt";
     },
     kExistsReason,
     [](const fs::path& d, const fs::path&) { EXPECT_FALSE(fs::exists(d / "elsewhere.txt")); }},
#endif
};
#ifndef _WIN32
// Root may write any file, as with a shell's redirect.
TEST(SafeFile, RootWritesAReadOnlyFile) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root";
  const fs::path target = Put(fs::temp_directory_path() / ("varnholt-ro-" + std::to_string(getpid())), "old");
  fs::permissions(target, fs::perms::owner_read);
  EXPECT_EQ(WriteFileSafely(Utf8FromPath(target), kNew), "");
  EXPECT_EQ(ReadAll(target), kNew);
  fs::remove(target);
}
#endif

INSTANTIATE_TEST_SUITE_P(Targets, SafeFileTargets, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
