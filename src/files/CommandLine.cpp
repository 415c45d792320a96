#include "files/CommandLine.h"

#include "files/FilePath.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

// After windows.h, which it builds on.
#include <shellapi.h>
#endif

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
  int count = 0;
  if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Utf8FromPath(std::filesystem::path(wide[i])));
    LocalFree(wide);
    return arguments;
  }
#endif
  return std::vector<std::string>(argv, argv + argc);
}

void SetBinaryMode([[maybe_unused]] std::FILE* stream) {
#ifdef _WIN32
  std::fflush(stream);
  _setmode(_fileno(stream), _O_BINARY);
#endif
}
