#include "CliView.h"
#include "Commands.h"
#include "ValueArgument.h"
#include "chain/ChainPlot.h"
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
  CalculateFromArguments(view, network);
  if (view.Message() || !view.LastCurve()) {
    std::fprintf(output.err, "%s\n", view.Message() ? view.Message()->c_str() : "");
    return 1;
  }
  const std::string svg = RenderWindowPlotSvg(view.LastCurve()->F, view.LastCurve()->Q, true, extras);
  if (args.file == "-") {
    const std::string reason = WriteToStream(output.out, svg);
    if (!reason.empty()) throw UsageError("cannot write the output: " + reason);
    return 0;
  }
  const std::string reason = WriteFileSafely(args.file, svg);
  if (!reason.empty()) throw UsageError("cannot write \"" + args.file + "\": " + reason);
  return 0;
}
