#pragma once

#include "chain/Chain.h"

#include <optional>
#include <string>

// The transformer's inputs as typed (8-bit field bytes, as the strict reader
// takes them). Every one is read by ReadStrictValue; an empty text is the
// input's default.
struct ChainTexts {
  std::string ratio;  // "10" or "1:10"; empty: no transformer
  std::string Rp;     // ohm, 0 or more; empty 0
  std::string Rs2;    // ohm, 0 or more; empty 0
  std::string C1;     // farad, 0 or more; empty 0
  std::string Rsec;   // ohm, more than 0; empty: none
  std::string rated;  // the cartridge's rated output in millivolts; empty: none
};

enum class ChainInput { None, Ratio, Rp, Rs2, C1, Rsec, Rated };

// The input's name as messages give it ("ratio", "Rp", ...).
const char* ChainInputName(ChainInput input);

struct ChainReading {
  bool transformer = false;  // a ratio was given
  double N = 1.0, Rp = 0.0, Rs2 = 0.0, C1 = 0.0, Rsec = 0.0;
  std::optional<double> ratedMv;
  // Empty when every text was read; otherwise what is wrong, quoting the
  // text, and the input it is about.
  std::string problem;
  ChainInput input = ChainInput::None;
};

// Reads the texts; a ratio of 0, a negative value or one that is not finite
// is refused with a plain message. Without a ratio the transformer's other
// inputs must be empty: there is nothing for them to belong to.
ChainReading ReadChainTexts(const ChainTexts& texts);

// The chain of the cartridge and load with the transformer as read.
ChainValues MakeChain(double L, double RS, double C, double RL, const ChainReading& reading);
