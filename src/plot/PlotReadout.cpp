#include "plot/PlotReadout.h"

#include "circuit/ResponseFigures.h"
#include "engnum/EngValue.h"
#include "engnum/NumberText.h"
#include "engnum/SignedText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// A load whose curve stays this close to 0 dB over the audible band changes
// nothing a listener hears, however high its resonance rises.
constexpr double kFlatDb = 0.1;

}  // namespace

std::string FrequencyText(double hertz) { return FormatEngValue(hertz, 4) + "Hz"; }

std::string PlotReadoutText(const ResponsePlotView& view, const PlotRect& client, int x, int y,
                            const std::vector<PlotExtraCurve>& extras) {
  if (!ResponsePlotFrameUsable(view)) return {};
  const PlotFrame frame = ResponsePlotFrame(view, client, 1.0);
  const double f = frame.FrequencyAt(x);
  std::string text = FrequencyText(f) + "  ";
  // The view's own curve unless an extra one runs nearer to the pointer.
  double F = view.m_dF;
  double Q = view.m_dQ;
  const std::string* name = nullptr;
  const auto away = [&](std::optional<double> level) {
    if (!level || !std::isfinite(*level)) return std::numeric_limits<double>::infinity();
    return std::fabs(static_cast<double>(frame.RowOf(*level)) - y);
  };
  const auto distance = [&](double curveF, double curveQ) { return away(LevelDb(f, curveF, curveQ)); };
  double nearest = distance(F, Q);
  // A curve given by its levels only: its level and name, no phase.
  const PlotExtraCurve* byLevel = nullptr;
  for (std::size_t i = 0; i < extras.size() && i < kMaxExtraCurves; ++i) {
    const bool levels = static_cast<bool>(extras[i].levelDb);
    const double d = levels ? away(extras[i].levelDb(f)) : distance(extras[i].F, extras[i].Q);
    if (d < nearest) {
      nearest = d;
      byLevel = levels ? &extras[i] : nullptr;
      F = extras[i].F;
      Q = extras[i].Q;
      name = &extras[i].name;
    }
  }
  if (byLevel) return text + SignedDbText(byLevel->levelDb(f)) + "  " + byLevel->name;
  const auto level = LevelDb(f, F, Q);
  const auto phase = PhaseDeg(f, F, Q);
  if (level && phase && std::isfinite(*level)) {
    text += SignedDbText(*level) + "  " + SignedFixed(*phase, 1) + "\xB0";
    return name ? text + "  " + *name : text;
  }
  return text + SignedDbText(frame.LevelAt(y));
}

std::string PlotDescription(const ResponsePlotView& view) {
  const double F = view.m_dF;
  const double Q = view.m_dQ;
  const auto fall = FallFrequency(F, Q, 3.0);
  const auto at20k = LevelDb(kAudibleHighHz, F, Q);
  if (!IsValidCurve(F, Q) || !fall || !at20k) return "No curve";
  const auto deviation = LargestDeviationDb(F, Q, kAudibleLowHz, kAudibleHighHz);
  if (deviation && std::fabs(*deviation) <= kFlatDb)
    return "Flat within 0.1 dB to 20 kHz; resonance at " + FrequencyText(F);
  std::string text;
  if (const auto peak = Peak(F, Q)) {
    text = "Peak " + SignedDbText(peak->levelDb) + " at " + FrequencyText(peak->frequency);
  } else {
    text = "No peak";
  }
  return text + "; -3 dB at " + FrequencyText(*fall) + "; 20kHz: " + SignedDbText(*at20k);
}

std::string PlotLegendText(const ResponsePlotView& view, const std::vector<PlotExtraCurve>& extras) {
  if (extras.empty() || !ResponsePlotFrameUsable(view)) return {};
  std::string text;
  if (HasResponseCurve(view))
    text = view.m_bShowCurve != 0 ? "Black: as calculated" : "Grey: as last calculated";
  for (std::size_t i = 0; i < std::min(extras.size(), kMaxExtraCurves); ++i) {
    if (!text.empty()) text += "; ";
    if (!extras[i].colourName.empty()) text += extras[i].colourName + ": ";
    text += extras[i].name;
  }
  // Without a curve of its own the line starts with a colour's name.
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

std::string PlotDataTsv(const ResponsePlotView& view, const PlotRect& client) {
  std::string text = "Frequency (Hz)\tLevel (dB)\tPhase (deg)\n";
  if (!ResponsePlotFrameUsable(view) || !IsValidCurve(view.m_dF, view.m_dQ)) return text;
  const PlotFrame frame = ResponsePlotFrame(view, client, 1.0);
  for (int x = client.left; x < client.right; ++x) {
    const double f = frame.FrequencyAt(x);
    const auto level = LevelDb(f, view.m_dF, view.m_dQ);
    const auto phase = PhaseDeg(f, view.m_dF, view.m_dQ);
    if (!level || !phase) continue;  // a column beyond the range of a double
    char hertz[32];
    WriteGeneral(f, 6, hertz, sizeof hertz);
    text += hertz;
    text += '\t';
    text += FormatFixed(*level, 4);
    text += '\t';
    text += FormatFixed(*phase, 3);
    text += '\n';
  }
  return text;
}
