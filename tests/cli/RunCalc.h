#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

// One run of varnholt-calc: what it wrote to each stream and its exit status.
struct CalcRun {
  int status = -1;
  std::string out;
  std::string err;
};

struct RunOptions {
  std::string workDir;  // empty: the test's own
  // NAME=value entries that replace the test's own; a bare NAME removes it.
  std::vector<std::string> env;
  std::string stdoutPath;  // empty: a temporary file that is read back
};

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The test's environment entry `entry` unless `options` replaces or removes it.
inline bool KeepsEntry(const RunOptions& options, const std::string& entry) {
  for (const std::string& change : options.env) {
    const std::string name = change.substr(0, change.find('='));
    if (entry.compare(0, name.size() + 1, name + "=") == 0) return false;
  }
  return true;
}

// A name in the temporary folder that nothing else uses.
inline std::filesystem::path UniqueTempPath(const std::string& prefix) {
  static std::mt19937_64 random{std::random_device{}()};
  return std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
}

#ifdef _WIN32
// An argument as the C runtime splits a command line: quoted, with the
// backslashes before a quote doubled.
inline std::wstring QuoteArgument(const std::wstring& arg) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted += L'"';
}

inline std::wstring Wide(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

inline CalcRun RunCalc(const std::vector<std::string>& args, const RunOptions& options = {}) {
  const auto base = UniqueTempPath("varnholt-calc-run-");
  const std::wstring outPath =
      options.stdoutPath.empty() ? base.wstring() + L".out" : Wide(options.stdoutPath);
  const std::wstring errPath = base.wstring() + L".err";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out =
      CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  HANDLE err =
      CreateFileW(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);

  std::wstring commandLine = QuoteArgument(Wide(VARNHOLT_CALC_PATH));
  for (const std::string& arg : args) commandLine += L" " + QuoteArgument(Wide(arg));

  // The test's environment and the added entries, as one block.
  std::wstring environment;
  if (wchar_t* strings = GetEnvironmentStringsW()) {
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
      const std::wstring wide(entry);
      const std::string narrow(wide.begin(), wide.end());  // names are ASCII
      if (KeepsEntry(options, narrow)) environment.append(wide.c_str(), wide.size() + 1);
    }
    FreeEnvironmentStringsW(strings);
  }
  for (const std::string& entry : options.env)
    if (entry.find('=') != std::string::npos) environment += Wide(entry) + L'\0';
  environment += L'\0';

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  const std::wstring workDir = Wide(options.workDir);
  CalcRun run;
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                     environment.data(), workDir.empty() ? nullptr : workDir.c_str(), &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.status = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  CloseHandle(err);
  if (options.stdoutPath.empty()) {
    run.out = ReadAll(outPath);
    std::filesystem::remove(outPath);
  }
  run.err = ReadAll(errPath);
  std::filesystem::remove(errPath);
  return run;
}

#else
inline CalcRun RunCalc(const std::vector<std::string>& args, const RunOptions& options = {}) {
  const auto base = UniqueTempPath("varnholt-calc-run-");
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
  for (char** e = environ; *e != nullptr; ++e)
    if (KeepsEntry(options, *e)) envStore.emplace_back(*e);
  for (const std::string& entry : options.env)
    if (entry.find('=') != std::string::npos) envStore.push_back(entry);
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

#endif

// The variable that names the user's configuration folder, as NAME=.
#ifdef _WIN32
inline constexpr const char* kConfigVariable = "APPDATA=";
#else
inline constexpr const char* kConfigVariable = "XDG_CONFIG_HOME=";
#endif

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
  TempDir() : m_dir(UniqueTempPath("varnholt-cli-")) { std::filesystem::create_directory(m_dir); }
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
