#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

// One run of varnholt-calc: what it wrote to each stream and its exit status.
struct CalcRun {
  int status = -1;
  std::string out;
  std::string err;
};

struct RunOptions {
  std::string workDir;           // empty: the test's own
  std::vector<std::string> env;  // NAME=value entries added to the test's environment
  std::string stdoutPath;        // empty: a temporary file that is read back
};

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline CalcRun RunCalc(const std::vector<std::string>& args, const RunOptions& options = {}) {
  static int counter = 0;
  const auto base = std::filesystem::temp_directory_path() /
                    ("varnholt-calc-run-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
  const std::string outPath = options.stdoutPath.empty() ? base.string() + ".out" : options.stdoutPath;
  const std::string errPath = base.string() + ".err";

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (!options.workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, options.workDir.c_str());

  std::vector<std::string> argStore = {VARNHOLT_CALC_PATH};
  argStore.insert(argStore.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argStore) argv.push_back(arg.data());
  argv.push_back(nullptr);

  std::vector<std::string> envStore;
  for (char** e = environ; *e != nullptr; ++e) envStore.emplace_back(*e);
  envStore.insert(envStore.end(), options.env.begin(), options.env.end());
  std::vector<char*> envp;
  for (std::string& entry : envStore) envp.push_back(entry.data());
  envp.push_back(nullptr);

  CalcRun run;
  pid_t pid;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
  }
  posix_spawn_file_actions_destroy(&actions);
  if (options.stdoutPath.empty()) {
    run.out = ReadAll(outPath);
    std::filesystem::remove(outPath);
  }
  run.err = ReadAll(errPath);
  std::filesystem::remove(errPath);
  return run;
}

// The lines of a text, each ended by `end` (CSV's CRLF by default).
inline std::vector<std::string> Lines(const std::string& text, const std::string& end = "\r\n") {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t next; (next = text.find(end, at)) != std::string::npos; at = next + end.size())
    lines.push_back(text.substr(at, next - at));
  return lines;
}

// A private folder, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnholt-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) m_dir = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return m_dir; }
  std::string Write(const std::filesystem::path& relative, const std::string& bytes) const {
    const auto path = m_dir / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path.string();
  }

 private:
  std::filesystem::path m_dir;
};
