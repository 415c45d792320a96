#include "ChainPanel.h"

#include "chain/ChainFigures.h"
#include "chain/SecondaryResistor.h"
#include "circuit/CommandView.h"
#include "circuit/ResponseFigures.h"
#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/SignedText.h"
#include "engnum/StrictValue.h"

#include <cmath>

namespace {

constexpr const char* kNone = "\xE2\x80\x94";  // em dash

std::string Eng(double v, const char* unit) { return FieldBytesToUtf8(FormatEngValue(v, 4)) + unit; }
std::string Eng(const std::optional<double>& v, const char* unit) { return v ? Eng(*v, unit) : kNone; }
std::string Db(const std::optional<double>& v) { return v ? SignedDbText(*v) : kNone; }

// A component field read as Calculate reads it.
bool Component(const std::string& text, const char* name, double& value, std::string& problem) {
  value = ParseEngValue(text.substr(0, kMaxFieldText - 1).c_str());
  if (std::isfinite(value) && value > 0.0) return true;
  problem = std::string("The window's ") + name + " must be a value above zero.";
  return false;
}

std::optional<ChainValues> Read(const ChainPanelInput& in, ChainReading& reading, std::string& problem) {
  double L = 0, RS = 0, C = 0, RL = 0;
  if (!Component(in.L, "L", L, problem) || !Component(in.RS, "RS", RS, problem) ||
      !Component(in.C, "C total", C, problem) || !Component(in.RL, "RL", RL, problem))
    return std::nullopt;
  reading = ReadChainTexts(in.texts);
  if (!reading.problem.empty()) {
    problem = reading.problem;
    return std::nullopt;
  }
  if (!reading.transformer) {
    problem = "Give the transformer's ratio, as 10 or 1:10.";
    return std::nullopt;
  }
  return MakeChain(L, RS, C, RL, reading);
}

}  // namespace

ChainPanel ComputeChainPanel(const ChainPanelInput& in) {
  ChainPanel panel;
  ChainReading reading;
  const std::optional<ChainValues> chain = Read(in, reading, panel.problem);
  if (!chain) return panel;
  const auto fig = ComputeChainFigures(*chain, reading.ratedMv, kAudibleHighHz, panel.problem);
  if (!fig) return panel;
  const CurveFigures& r = fig->curve;
  const std::string ratio = "1:" + FieldBytesToUtf8(FormatEngValue(chain->N, 4));
  panel.rows = {
      {"Load seen at 1 kHz", Eng(fig->loadR, "\xCE\xA9") + " \xE2\x88\xA5 " + Eng(fig->loadC, "F")},
      {"Ideal reflected load", Eng(fig->idealR, "\xCE\xA9") + " \xE2\x88\xA5 " + Eng(fig->idealC, "F")},
      {"Level at 1 kHz",
       SignedDbText(fig->levelDb) + " (ideal " + ratio + ": " + SignedDbText(fig->idealDb) + ")"},
      {"At the stage input", fig->stageMv ? Eng(*fig->stageMv * 1e-3, "V") : kNone},
      {"Peak", r.peak ? Eng(r.peak->frequency, "Hz") + ", " + SignedDbText(r.peak->levelDb) : kNone},
      {"\xE2\x88\x92"
       "0.5 dB",
       Eng(r.fall05Hz, "Hz")},
      {"\xE2\x88\x92"
       "1 dB",
       Eng(r.fall1Hz, "Hz")},
      {"\xE2\x88\x92"
       "3 dB",
       Eng(r.fall3Hz, "Hz")},
      {"Level at 20 kHz", Db(r.levelAt20kDb)},
      {"Largest deviation 20 Hz\xE2\x80\x93"
       "20 kHz",
       Db(r.deviationDb)},
  };
  panel.chain = chain;
  return panel;
}

ChainPanel SolveChainPanel(const ChainPanelInput& in, const std::string& wanted) {
  ChainPanel panel;
  ChainReading reading;
  const std::optional<ChainValues> chain = Read(in, reading, panel.problem);
  if (!chain) return panel;
  double load = 0.0;
  std::string problem;
  if (!ReadStrictValue(wanted, load, &problem)) {
    panel.problem = FieldBytesToUtf8("Cannot read \"" + wanted + "\" for the wanted load: " + problem + ".");
    return panel;
  }
  const auto s = SolveSecondaryResistor(*chain, load, panel.problem);
  if (!s) return panel;
  panel.rows = {{"Rsec exact", Eng(s->exact, "\xCE\xA9")},
                {"Nearest E24", Eng(s->e24.ohms, "\xCE\xA9") + ", load " + Eng(s->e24.loadSeen, "\xCE\xA9")},
                {"Nearest E96", Eng(s->e96.ohms, "\xCE\xA9") + ", load " + Eng(s->e96.loadSeen, "\xCE\xA9")}};
  panel.rsecText = FormatEngValue(s->e96.ohms, 4);
  panel.chain = chain;
  return panel;
}
