#include "CliView.h"
#include "Commands.h"
#include "ValueArgument.h"
#include "chain/ChainPlot.h"
#include "engnum/QuotedText.h"
#include "files/SafeFile.h"
#include "plot/WindowPlot.h"

#include <cstdio>
#include <string>
#include <vector>

int RunPlotCommand(const PlotArgs& args, const NetworkArgs& network, const ChainArgs& chainArgs,
                   const Output& output) {
  if (args.file.empty()) throw UsageError("-o needs a file name");
  std::vector<PlotExtraCurve> extras;
  if (chainArgs.Given()) extras.push_back(ChainPlotCurve(ChainFromArguments(network, chainArgs)));
  CliView view;
  if (!CalculateCurve(view, network, output.err)) return 1;
  const std::string svg = RenderWindowPlotSvg(view.LastCurve()->F, view.LastCurve()->Q, true, extras);
  WriteOutputFile(args.file, svg, output.out);
  return 0;
}

void WriteOutputFile(const std::string& path, std::string_view bytes, std::FILE* out) {
  if (path == "-") {
    const std::string reason = WriteToStream(out, bytes);
    if (!reason.empty()) throw UsageError("cannot write the output: " + reason);
    return;
  }
  const std::string reason = WriteFileSafely(path, bytes);
  if (!reason.empty()) throw UsageError("cannot write " + QuotedText(path) + ": " + reason);
}
