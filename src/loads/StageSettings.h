#pragma once

#include "StageDefaults.h"

#include "chain/Chain.h"
#include "circuit/ResponseFigures.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Which of a phono stage's settings suits a cartridge: every combination of
// the stage's capacitance and resistance settings (plus the tone-arm cable),
// each with the F and Q that Calculate would give for it, ranked.
//
// Text encodings: the inputs are the core's 8-bit field bytes, as the main
// window's fields hold them (micro sign 0xB5). Every text this module returns
// for people to read (setting words, column texts, messages) is UTF-8: the
// parallel sign of the setting words is U+2225 and a micro sign typed in an
// entry comes out as U+00B5. The field texts for Apply (ApplyStageSetting.h)
// are 8-bit again, since they go into the window's fields.

// How a stage's list of values is used.
enum class ListMode {
  Choices,   // exactly one entry at a time (a selector)
  Switches,  // any subset (DIP switches): capacitors add, resistors go in parallel
};

enum class RankBy {
  Flatness,  // smallest largest |deviation| from 0 dB over 20 Hz .. band edge
  Target,    // smallest sqrt(ln(F/Ft)^2 + ln(Q/Qt)^2)
  Load,      // with a transformer: smallest |ln(R/Rt)| of the load the cartridge sees (ideal reflected)
};

// The inputs as typed. Lists hold entries separated by spaces or commas. An
// entry is read by ReadStrictValue ("47k", "0.1n", "220p", "2.2e-10");
// anything else cannot be read.
struct StageSettingsInput {
  std::string L;      // henry, > 0, read as Calculate reads its field
  std::string RS;     // ohm, > 0, read as Calculate reads its field
  std::string cable;  // farad, 0 or more; empty is 0
  std::string cBase;  // farad, 0 or more; empty is 0
  std::string cList;  // farad, each 0 or more
  ListMode cMode = ListMode::Choices;
  std::string rBase;  // ohm, > 0; empty is none (open)
  // The window's RL field: the one resistance when neither the base nor the
  // list gives any, read as Calculate reads its field.
  std::string RL;
  std::string rList;  // ohm, each > 0
  ListMode rMode = ListMode::Choices;
  RankBy rankBy = RankBy::Flatness;
  std::string bandEdge =
      kDefaultBandEdgeText;  // hertz, above 20 Hz; used by the deviation column in both modes
  std::string targetF;       // hertz, > 0; read only when ranking by target
  std::string targetQ;       // > 0; read only when ranking by target
  // A step-up transformer before the stage: its taps (ratios, "10" or "1:10",
  // one at a time), the resistors across its secondary (none, one of them, or
  // any together as switches), its windings' resistances and the capacitance
  // before it (empty: 0). Without taps there is no transformer.
  std::string taps;
  std::string rsecList;  // ohm, each > 0
  ListMode rsecMode = ListMode::Choices;
  std::string Rp, Rs2, C1;
  std::string targetLoad;  // ohm, > 0; read only when ranking by load
};

// The input an error is about, so that a window can mark it.
enum class StageInput {
  None,
  L,
  RS,
  Cable,
  CBase,
  CList,
  RBase,
  RList,
  BandEdge,
  TargetF,
  TargetQ,
  RL,
  Taps,
  RsecList,
  Rp,
  Rs2,
  C1,
  TargetLoad
};

inline constexpr std::size_t kMaxCombinations = 65536;

struct StageSettingRow {
  std::uint32_t cSetting;  // index into StageSettingsResult::cWords
  std::uint32_t rSetting;  // index into StageSettingsResult::rWords
  int switchesOn;          // switches on, both lists together (0 for choices)
  double C;                // total load capacitance as written into the field (six digits), farad
  double RL;               // load resistance as written into the field (six digits), ohm
  double F;                // ResonantFrequency of those values, bit for bit as Calculate;
  double Q;                // QualityFactor, likewise; both NaN with a transformer (no one F and Q)
  std::optional<ResponsePeak> peak;
  std::optional<double> levelAt20k;   // dB at kAudibleHighHz
  std::optional<double> deviationDb;  // signed largest deviation over 20 Hz .. band edge
  std::optional<double> distance;     // only when ranking by target or load
  // With a transformer: indexes into tapWords and rsecWords, and the load the
  // cartridge sees, Rp + (Rs2 + RL||Rsec) / N^2. The figures above are the chain's.
  std::uint32_t tapSetting = 0;
  std::uint32_t rsecSetting = 0;
  std::optional<double> loadSeen;
};

struct StageSettingsResult {
  // Empty when the inputs were usable. Otherwise the rows are empty and
  // `input` names the input at fault (None when the fault is the count).
  std::string error;
  StageInput input = StageInput::None;

  std::vector<StageSettingRow> rows;   // best first
  std::vector<std::string> cWords;     // "47p + 100p", "150p", "0"
  std::vector<std::string> rWords;     // "47k ∥ 1k", "47k"
  std::vector<std::string> tapWords;   // "1:10"; empty without a transformer
  std::vector<std::string> rsecWords;  // "7.5k", "none"
  // With a transformer: the chain every row shares (cartridge, C1, windings)
  // and the taps' ratios and secondary resistors (0: none) the rows index.
  std::optional<ChainValues> chain;
  std::vector<double> tapRatios, rsecOhms;
  double bandEdge = 0.0;  // hertz, as read
};

// Reads, enumerates and ranks. Combinations without any resistance or with no
// capacitance at all (Calculate refuses a zero) are left out; more than
// kMaxCombinations gives an error saying how many there would be.
StageSettingsResult FindStageSettings(const StageSettingsInput& input);

// The setting in words: capacitance and resistance, "100p + 220p, 47k ∥ 1k",
// then with a transformer its tap and secondary resistor, "1:10, Rsec 7.5k".
std::string SettingWords(const StageSettingsResult& result, const StageSettingRow& row);

// The chain of a row with a transformer; none without one.
std::optional<ChainValues> RowChain(const StageSettingsResult& result, const StageSettingRow& row);

// The ranking's order: `a` before `b`. Rows tie on the key (|deviation| or
// distance) and then go by fewer switches on, the higher RL, the smaller C.
bool RanksBefore(const StageSettingRow& a, const StageSettingRow& b, RankBy rankBy);
