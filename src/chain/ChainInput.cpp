#include "ChainInput.h"

#include "engnum/FieldTextUtf8.h"
#include "engnum/StrictValue.h"

#include <cmath>
#include <string_view>

namespace {

enum class Range { NonNegative, Positive };

bool Fail(ChainReading& r, ChainInput input, const std::string& problem) {
  r.problem = FieldBytesToUtf8(problem);
  r.input = input;
  return false;
}

// Messages quote the field bytes as typed; they leave here as UTF-8.
std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Reads one value; empty leaves `value` as it is. Messages quote `shown`, the
// whole text typed.
bool ReadOne(ChainReading& r, ChainInput input, std::string_view text, std::string_view shown, Range range,
             double& value) {
  if (text.empty()) return true;
  std::string problem;
  double v = 0.0;
  const std::string name = ChainInputName(input);
  if (!ReadStrictValue(text, v, &problem))
    return Fail(r, input, "cannot read " + Quoted(shown) + " for " + name + ": " + problem + ".");
  if (!std::isfinite(v)) return Fail(r, input, name + " must be a finite number, not " + Quoted(shown) + ".");
  if (range == Range::Positive && !(v > 0.0))
    return Fail(r, input, name + " must be greater than zero, not " + Quoted(shown) + ".");
  if (range == Range::NonNegative && v < 0.0)
    return Fail(r, input, name + " must not be negative, not " + Quoted(shown) + ".");
  value = v;
  return true;
}

}  // namespace

const char* ChainInputName(ChainInput input) {
  switch (input) {
    case ChainInput::Ratio:
      return "ratio";
    case ChainInput::Rp:
      return "Rp";
    case ChainInput::Rs2:
      return "Rs2";
    case ChainInput::C1:
      return "C1";
    case ChainInput::Rsec:
      return "Rsec";
    case ChainInput::Rated:
      return "rated output";
    case ChainInput::None:
      break;
  }
  return "";
}

ChainReading ReadChainTexts(const ChainTexts& t) {
  ChainReading r;
  if (!t.ratio.empty()) {
    std::string_view ratio = t.ratio;
    if (ratio.size() >= 2 && ratio.substr(0, 2) == "1:") ratio.remove_prefix(2);
    if (ratio.empty()) {
      Fail(r, ChainInput::Ratio, "cannot read " + Quoted(t.ratio) + " for ratio: no number after \"1:\".");
      return r;
    }
    if (!ReadOne(r, ChainInput::Ratio, ratio, t.ratio, Range::Positive, r.N)) return r;
    r.transformer = true;
  }
  const struct {
    ChainInput input;
    const std::string& text;
    Range range;
    double& value;
  } values[] = {{ChainInput::Rp, t.Rp, Range::NonNegative, r.Rp},
                {ChainInput::Rs2, t.Rs2, Range::NonNegative, r.Rs2},
                {ChainInput::C1, t.C1, Range::NonNegative, r.C1},
                {ChainInput::Rsec, t.Rsec, Range::Positive, r.Rsec}};
  for (const auto& v : values) {
    if (!v.text.empty() && !r.transformer) {
      Fail(r, v.input,
           std::string(ChainInputName(v.input)) + " belongs to a transformer: give its ratio too.");
      return r;
    }
    if (!ReadOne(r, v.input, v.text, v.text, v.range, v.value)) return r;
  }
  double rated = 0.0;
  if (!t.rated.empty()) {
    if (!ReadOne(r, ChainInput::Rated, t.rated, t.rated, Range::Positive, rated)) return r;
    r.ratedMv = rated;
  }
  return r;
}

ChainValues MakeChain(double L, double RS, double C, double RL, const ChainReading& r) {
  ChainValues chain = BareNetwork(L, RS, C, RL);
  chain.N = r.N;
  chain.Rp = r.Rp;
  chain.Rs2 = r.Rs2;
  chain.C1 = r.C1;
  chain.Rsec = r.Rsec;
  return chain;
}
