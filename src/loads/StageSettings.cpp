#include "StageSettings.h"
#include "engnum/StrictValue.h"

#include "BigCount.h"
#include "ValueList.h"
#include "chain/ChainResponse.h"
#include "circuit/Circuit.h"
#include "circuit/CommandView.h"
#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/QuotedText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

constexpr const char* kParallel = " \xE2\x88\xA5 ";  // U+2225 in UTF-8

struct Entry {
  std::string_view text;
  double value;
};

// What may be typed into an input.
enum class Allowed { ZeroOrMore, Positive, AboveBandStart };

const char* NameOf(StageInput input) {
  switch (input) {
    case StageInput::L:
      return "L";
    case StageInput::RS:
      return "RS";
    case StageInput::Cable:
      return "cable";
    case StageInput::CBase:
      return "capacitance base";
    case StageInput::CList:
      return "stage capacitance";
    case StageInput::RBase:
      return "resistance base";
    case StageInput::RList:
      return "stage resistance";
    case StageInput::BandEdge:
      return "band edge";
    case StageInput::TargetF:
      return "F wanted";
    case StageInput::TargetQ:
      return "Q wanted";
    case StageInput::RL:
      return "the window's RL";
    case StageInput::Taps:
      return "taps";
    case StageInput::RsecList:
      return "Rsec";
    case StageInput::Rp:
      return "Rp";
    case StageInput::Rs2:
      return "Rs2";
    case StageInput::C1:
      return "C1";
    case StageInput::TargetLoad:
      return "load wanted";
    case StageInput::None:
      break;
  }
  return "";
}

// The entry as it stands in a message: UTF-8, and not longer than a field.
std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 30;
  return QuotedText(FieldBytesToUtf8(text), kShown);
}

bool IsAllowed(double value, Allowed allowed) {
  switch (allowed) {
    case Allowed::ZeroOrMore:
      return value >= 0.0;
    case Allowed::Positive:
      return value > 0.0;
    case Allowed::AboveBandStart:
      break;
  }
  return value > kAudibleLowHz;
}

const char* Requirement(Allowed allowed) {
  switch (allowed) {
    case Allowed::ZeroOrMore:
      return "must not be below zero";
    case Allowed::Positive:
      return "must be above zero";
    case Allowed::AboveBandStart:
      break;
  }
  return "must be above 20 Hz";
}

// Reads inputs in order and keeps the first fault.
class Reader {
 public:
  explicit Reader(StageSettingsResult& result) : m_result(result) {}

  bool Failed() const { return !m_result.error.empty(); }

  // One entry; empty text gives `ifEmpty`, or an error when there is none.
  std::optional<Entry> Value(std::string_view text, StageInput input, Allowed allowed,
                             std::optional<double> ifEmpty) {
    if (Failed()) return std::nullopt;
    text = Trimmed(text);
    if (text.empty()) {
      if (!ifEmpty) Fail(input, std::string(NameOf(input)) + " is empty");
      return ifEmpty ? std::optional<Entry>(Entry{text, *ifEmpty}) : std::nullopt;
    }
    return Checked(text, input, allowed);
  }

  std::vector<Entry> List(std::string_view text, StageInput input, Allowed allowed) {
    std::vector<Entry> entries;
    for (std::string_view piece : SplitList(text)) {
      const std::optional<Entry> entry = Checked(piece, input, allowed);
      if (!entry) return {};
      entries.push_back(*entry);
    }
    return entries;
  }

  // Ratios, each "N" or "1:N"; the entry's text is the whole of it.
  std::vector<Entry> Taps(std::string_view text, StageInput input) {
    std::vector<Entry> entries;
    if (Failed()) return entries;
    for (std::string_view piece : SplitList(text)) {
      const std::string_view number = piece.starts_with("1:") ? piece.substr(2) : piece;
      const std::optional<Entry> entry = Checked(number, input, Allowed::Positive);
      if (!entry) return {};
      entries.push_back(Entry{piece, entry->value});
    }
    return entries;
  }

  // L and RS are read as every other input is, so that a slip is named.
  std::optional<double> Component(const std::string& text, StageInput input) {
    const std::optional<Entry> entry = Value(text, input, Allowed::Positive, std::nullopt);
    return entry ? std::optional<double>(entry->value) : std::nullopt;
  }

  // The window's own RL is one of its fields, read as Calculate reads it.
  std::optional<double> WindowField(const std::string& text, StageInput input) {
    if (Failed()) return std::nullopt;
    const std::string field = text.substr(0, kMaxFieldText - 1);
    const double value = ParseEngValue(field.c_str());
    if (value > 0.0 && std::isfinite(value)) return value;  // a field may read as infinity
    double strict = 0.0;
    if (Trimmed(field).empty()) {
      Fail(input, std::string(NameOf(input)) + " is empty");
    } else if (ReadStrictValue(field, strict)) {
      Fail(input, Quoted(field) + " in " + NameOf(input) + " must be above zero");
    } else {
      Fail(input, "Cannot read " + Quoted(field) + " in " + NameOf(input));
    }
    return std::nullopt;
  }

 private:
  std::optional<Entry> Checked(std::string_view text, StageInput input, Allowed allowed) {
    double value = 0.0;
    if (!ReadStrictValue(text, value)) {
      Fail(input, "Cannot read " + Quoted(text) + " in " + NameOf(input));
      return std::nullopt;
    }
    if (!IsAllowed(value, allowed)) {
      Fail(input, Quoted(text) + " in " + NameOf(input) + " " + Requirement(allowed));
      return std::nullopt;
    }
    return Entry{text, value};
  }

  void Fail(StageInput input, std::string message) {
    if (Failed()) return;
    m_result.error = std::move(message);
    m_result.input = input;
  }

  StageSettingsResult& m_result;
};

struct Side {
  std::vector<double> values;  // as written into the field
  std::vector<int> switchesOn;
  std::vector<std::string> words;
};

std::string Joined(const std::vector<std::string_view>& parts, const char* separator) {
  std::string text;
  for (std::string_view part : parts) {
    if (!text.empty()) text += separator;
    text += FieldBytesToUtf8(std::string(part));
  }
  return text;
}

// Hands `add` the entries that are on in every setting of a list, and how
// many switches that is: nothing for an empty list of choices, each choice
// alone, or every subset of the switches in list order.
template <typename Add>
void ForEachSetting(const std::vector<Entry>& list, ListMode mode, Add& add) {
  if (mode == ListMode::Choices) {
    if (list.empty()) add({}, 0);
    for (const Entry& entry : list) add({&entry}, 0);
    return;
  }
  const std::size_t subsets = std::size_t{1} << list.size();
  for (std::size_t mask = 0; mask < subsets; ++mask) {
    std::vector<const Entry*> on;
    for (std::size_t i = 0; i < list.size(); ++i)
      if (mask & (std::size_t{1} << i)) on.push_back(&list[i]);
    add(on, static_cast<int>(on.size()));
  }
}

// The capacitance settings, each with the cable: base plus one choice, or base
// plus any subset of the switches, added in list order.
Side CapacitanceSide(const Entry& cable, const Entry& base, const std::vector<Entry>& list, ListMode mode) {
  Side side;
  auto add = [&](const std::vector<const Entry*>& on, int switches) {
    double total = cable.value + base.value;
    std::vector<std::string_view> parts;
    if (base.value != 0.0) parts.push_back(base.text);
    for (const Entry* entry : on) {
      total += entry->value;
      if (mode == ListMode::Switches || entry->value != 0.0 || parts.empty()) parts.push_back(entry->text);
    }
    side.values.push_back(AsWrittenInField(total));
    side.switchesOn.push_back(switches);
    side.words.push_back(parts.empty() ? std::string("0") : Joined(parts, " + "));
  };
  ForEachSetting(list, mode, add);
  return side;
}

// The resistance settings: base in parallel with one choice, or with any
// subset of the switches. A setting with no resistor at all is left out.
Side ResistanceSide(const std::optional<Entry>& base, const std::vector<Entry>& list, ListMode mode) {
  Side side;
  auto add = [&](const std::vector<const Entry*>& on, int switches) {
    std::vector<const Entry*> all;
    if (base) all.push_back(&*base);
    all.insert(all.end(), on.begin(), on.end());
    if (all.empty()) return;
    // One resistor is taken as typed: 1 / (1 / R) need not give R back.
    double rl = all.front()->value;
    if (all.size() > 1) {
      double conductance = 0.0;
      for (const Entry* entry : all) conductance += 1.0 / entry->value;
      rl = 1.0 / conductance;
    }
    std::vector<std::string_view> parts;
    for (const Entry* entry : all) parts.push_back(entry->text);
    side.values.push_back(AsWrittenInField(rl));
    side.switchesOn.push_back(switches);
    side.words.push_back(Joined(parts, kParallel));
  };
  ForEachSetting(list, mode, add);
  return side;
}

// How many settings a side has, before any is left out for want of a resistor.
BigCount SettingCount(std::size_t entries, ListMode mode) {
  if (mode == ListMode::Switches) return BigCount::PowerOfTwo(entries);
  return BigCount(std::max<std::size_t>(entries, 1));
}

// The transformer's secondary resistor settings: none or one choice, or any
// subset of the switches in parallel; 0 stands for none.
Side SecondarySide(const std::vector<Entry>& list, ListMode mode) {
  Side side;
  if (mode == ListMode::Choices && !list.empty()) {
    side.values.push_back(0.0);
    side.switchesOn.push_back(0);
    side.words.push_back("none");
  }
  auto add = [&](const std::vector<const Entry*>& on, int switches) {
    double conductance = 0.0;
    std::vector<std::string_view> parts;
    for (const Entry* entry : on) {
      conductance += 1.0 / entry->value;
      parts.push_back(entry->text);
    }
    side.values.push_back(on.empty() ? 0.0 : on.size() == 1 ? on.front()->value : 1.0 / conductance);
    side.switchesOn.push_back(switches);
    side.words.push_back(on.empty() ? std::string("none") : Joined(parts, kParallel));
  };
  ForEachSetting(list, mode, add);
  return side;
}

// The chain's figures for a row with a transformer.
void ChainFigures(StageSettingRow& row, const ChainValues& chain, double bandEdge) {
  const CurveFigures figures = ChainCurveFigures(chain, bandEdge);
  row.F = std::numeric_limits<double>::quiet_NaN();
  row.Q = row.F;
  row.peak = figures.peak;
  row.levelAt20k = figures.levelAt20kDb;
  row.deviationDb = figures.deviationDb;
  row.loadSeen = chain.Rp + (chain.Rs2 + SecondaryLoad(chain)) / (chain.N * chain.N);
}

double RankKey(const StageSettingRow& row, RankBy rankBy) {
  const std::optional<double>& key = rankBy == RankBy::Flatness ? row.deviationDb : row.distance;
  if (!key || std::isnan(*key)) return std::numeric_limits<double>::infinity();
  return std::fabs(*key);
}

}  // namespace

bool RanksBefore(const StageSettingRow& a, const StageSettingRow& b, RankBy rankBy) {
  const double ka = RankKey(a, rankBy);
  const double kb = RankKey(b, rankBy);
  if (ka != kb) return ka < kb;
  if (a.switchesOn != b.switchesOn) return a.switchesOn < b.switchesOn;
  if (a.RL != b.RL) return a.RL > b.RL;
  return a.C < b.C;
}

std::optional<ChainValues> RowChain(const StageSettingsResult& result, const StageSettingRow& row) {
  if (!result.chain) return std::nullopt;
  ChainValues chain = *result.chain;
  chain.N = result.tapRatios[row.tapSetting];
  chain.C = row.C;
  chain.RL = row.RL;
  chain.Rsec = result.rsecOhms[row.rsecSetting];
  return chain;
}

std::string SettingWords(const StageSettingsResult& result, const StageSettingRow& row) {
  std::string words = result.cWords[row.cSetting] + ", " + result.rWords[row.rSetting];
  if (!result.tapWords.empty())
    words += ", " + result.tapWords[row.tapSetting] + ", Rsec " + result.rsecWords[row.rsecSetting];
  return words;
}

StageSettingsResult FindStageSettings(const StageSettingsInput& input) {
  StageSettingsResult result;
  Reader read(result);
  const std::optional<double> L = read.Component(input.L, StageInput::L);
  const std::optional<double> RS = read.Component(input.RS, StageInput::RS);
  const std::optional<Entry> cable = read.Value(input.cable, StageInput::Cable, Allowed::ZeroOrMore, 0.0);
  const std::optional<Entry> cBase = read.Value(input.cBase, StageInput::CBase, Allowed::ZeroOrMore, 0.0);
  const std::vector<Entry> cList =
      read.Failed() ? std::vector<Entry>{} : read.List(input.cList, StageInput::CList, Allowed::ZeroOrMore);
  std::optional<Entry> rBase;
  if (!Trimmed(input.rBase).empty())
    rBase = read.Value(input.rBase, StageInput::RBase, Allowed::Positive, std::nullopt);
  const std::vector<Entry> rList =
      read.Failed() ? std::vector<Entry>{} : read.List(input.rList, StageInput::RList, Allowed::Positive);
  if (!rBase && rList.empty() && !Trimmed(input.RL).empty()) {
    if (const std::optional<double> RL = read.WindowField(input.RL, StageInput::RL))
      rBase = Entry{Trimmed(input.RL), *RL};
  }
  const std::optional<Entry> band =
      read.Value(input.bandEdge, StageInput::BandEdge, Allowed::AboveBandStart, std::nullopt);
  std::optional<Entry> targetF, targetQ;
  if (input.rankBy == RankBy::Target) {
    targetF = read.Value(input.targetF, StageInput::TargetF, Allowed::Positive, std::nullopt);
    targetQ = read.Value(input.targetQ, StageInput::TargetQ, Allowed::Positive, std::nullopt);
  }
  const std::vector<Entry> taps = read.Taps(input.taps, StageInput::Taps);
  const bool transformer = !taps.empty();
  const std::vector<Entry> rsecList =
      read.Failed() ? std::vector<Entry>{}
                    : read.List(input.rsecList, StageInput::RsecList, Allowed::Positive);
  const std::optional<Entry> Rp = read.Value(input.Rp, StageInput::Rp, Allowed::ZeroOrMore, 0.0);
  const std::optional<Entry> Rs2 = read.Value(input.Rs2, StageInput::Rs2, Allowed::ZeroOrMore, 0.0);
  const std::optional<Entry> C1 = read.Value(input.C1, StageInput::C1, Allowed::ZeroOrMore, 0.0);
  std::optional<Entry> targetLoad;
  if (input.rankBy == RankBy::Load)
    targetLoad = read.Value(input.targetLoad, StageInput::TargetLoad, Allowed::Positive, std::nullopt);
  if (read.Failed()) return result;
  if (!transformer && (input.rankBy == RankBy::Load || !rsecList.empty())) {
    result.error = input.rankBy == RankBy::Load
                       ? "Ranking by the load seen needs a transformer's taps"
                       : "A resistor across the secondary needs a transformer's taps";
    result.input = StageInput::Taps;
    return result;
  }
  result.bandEdge = band->value;

  BigCount count = SettingCount(cList.size(), input.cMode);
  BigCount rCount = SettingCount(rList.size(), input.rMode);
  // Without a base, switching none of the resistors leaves the stage open.
  if (!rBase && (input.rMode == ListMode::Switches || rList.empty())) rCount.Decrement();
  count.Multiply(rCount);
  if (transformer) {
    count.Multiply(BigCount(taps.size()));
    // Choices include having none.
    count.Multiply(input.rsecMode == ListMode::Switches ? SettingCount(rsecList.size(), ListMode::Switches)
                                                        : BigCount(rsecList.size() + 1));
  }
  if (count.IsZero()) {
    result.error = "Every setting leaves the stage without a resistance";
    result.input = StageInput::RBase;
    return result;
  }
  if (!count.AtMost(kMaxCombinations)) {
    result.error = "There would be " + count.Text() + " combinations; at most " +
                   BigCount(kMaxCombinations).Text() + " can be ranked";
    return result;
  }

  Side cSide = CapacitanceSide(*cable, *cBase, cList, input.cMode);
  Side rSide = ResistanceSide(rBase, rList, input.rMode);
  const double f2 = band->value;
  if (transformer) {
    Side secondary = SecondarySide(rsecList, input.rsecMode);
    for (std::size_t t = 0; t < taps.size(); ++t) {
      result.tapWords.push_back(taps[t].text.starts_with("1:")
                                    ? FieldBytesToUtf8(std::string(taps[t].text))
                                    : "1:" + FieldBytesToUtf8(std::string(taps[t].text)));
      for (std::size_t s = 0; s < secondary.values.size(); ++s) {
        for (std::size_t c = 0; c < cSide.values.size(); ++c) {
          for (std::size_t r = 0; r < rSide.values.size(); ++r) {
            StageSettingRow row;
            row.cSetting = static_cast<std::uint32_t>(c);
            row.rSetting = static_cast<std::uint32_t>(r);
            row.tapSetting = static_cast<std::uint32_t>(t);
            row.rsecSetting = static_cast<std::uint32_t>(s);
            row.switchesOn = cSide.switchesOn[c] + rSide.switchesOn[r] + secondary.switchesOn[s];
            row.C = cSide.values[c];
            row.RL = rSide.values[r];
            const ChainValues chain{*L,         *RS,   C1->value, Rp->value,          taps[t].value,
                                    Rs2->value, row.C, row.RL,    secondary.values[s]};
            ChainFigures(row, chain, f2);
            if (targetLoad) row.distance = std::fabs(std::log(*row.loadSeen / targetLoad->value));
            result.rows.push_back(row);
          }
        }
      }
    }
    result.rsecWords = std::move(secondary.words);
    result.rsecOhms = std::move(secondary.values);
    for (const Entry& tap : taps) result.tapRatios.push_back(tap.value);
    result.chain = ChainValues{*L, *RS, C1->value, Rp->value, 1.0, Rs2->value, 0.0, 0.0, 0.0};
  }
  if (!transformer) result.rows.reserve(cSide.values.size() * rSide.values.size());
  for (std::size_t c = 0; !transformer && c < cSide.values.size(); ++c) {
    const double C = cSide.values[c];
    // Calculate refuses a capacitance of zero.
    if (!(C > 0.0)) continue;
    for (std::size_t r = 0; r < rSide.values.size(); ++r) {
      StageSettingRow row;
      row.cSetting = static_cast<std::uint32_t>(c);
      row.rSetting = static_cast<std::uint32_t>(r);
      row.switchesOn = cSide.switchesOn[c] + rSide.switchesOn[r];
      row.C = C;
      row.RL = rSide.values[r];
      row.F = ResonantFrequency(*L, *RS, row.C, row.RL);
      row.Q = QualityFactor(*L, *RS, row.C, row.RL);
      row.peak = Peak(row.F, row.Q);
      row.levelAt20k = LevelDb(kAudibleHighHz, row.F, row.Q);
      row.deviationDb = LargestDeviationDb(row.F, row.Q, kAudibleLowHz, f2);
      if (targetF) {
        const double lf = std::log(row.F / targetF->value);
        const double lq = std::log(row.Q / targetQ->value);
        row.distance = std::sqrt(lf * lf + lq * lq);
      }
      result.rows.push_back(row);
    }
  }
  if (result.rows.empty()) {
    result.error = "Every setting has a total capacitance of zero";
    result.input = StageInput::Cable;
  }
  const RankBy rankBy = input.rankBy;
  std::stable_sort(
      result.rows.begin(), result.rows.end(),
      [rankBy](const StageSettingRow& a, const StageSettingRow& b) { return RanksBefore(a, b, rankBy); });
  result.cWords = std::move(cSide.words);
  result.rWords = std::move(rSide.words);
  return result;
}
