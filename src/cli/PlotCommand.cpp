#include "CliView.h"
#include "Commands.h"
#include "ValueArgument.h"
#include "plot/SvgPlotCanvas.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The plot's size in the window, in pixels, with the window's own font.
constexpr int kPlotWidth = 352;
constexpr int kPlotHeight = 325;

}  // namespace

// Writes `bytes` whole or not at all: into a temporary file beside `path`,
// renamed over it once complete. Returns why it failed, or an empty text.
std::string WriteWhole(const std::string& path, const std::string& bytes) {
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return std::strerror(errno);
  // mkstemp makes the file private; the picture gets the mode any new file gets.
  const mode_t mask = umask(0);
  umask(mask);
  int error = fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
  std::size_t done = 0;
  while (error == 0 && done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0)
      error = n < 0 ? errno : EIO;
    else
      done += static_cast<std::size_t>(n);
  }
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temp.c_str());
    return std::strerror(error);
  }
  return {};
}

int RunPlotCommand(const PlotArgs& args, const NetworkArgs& network, const Output& output) {
  if (args.file.empty()) throw UsageError("-o needs a file name");
  CliView view;
  CalculateFromArguments(view, network);
  if (view.Message() || !view.LastCurve()) {
    std::fprintf(output.err, "%s\n", view.Message() ? view.Message()->c_str() : "");
    return 1;
  }
  const std::string svg =
      RenderPlotSvg(view.LastCurve()->F, view.LastCurve()->Q, true, kPlotWidth, kPlotHeight);
  const std::string reason = WriteWhole(args.file, svg);
  if (!reason.empty()) throw UsageError("cannot write \"" + args.file + "\": " + reason);
  return 0;
}
