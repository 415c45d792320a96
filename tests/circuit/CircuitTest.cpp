#include "circuit/Circuit.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

// Bit-for-bit comparison: the formulas promise the last bit, not a tolerance.
#define EXPECT_SAME_BITS(a, b) \
  EXPECT_EQ(std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b)) << (a) << " vs " << (b)

constexpr double kL = 0.3, kRS = 740, kC = 251e-12, kRL = 47000;

TEST(Circuit, RecordFieldOrder) {
  CircuitValues v{1, 2, 3, 4, 5, 6};
  EXPECT_EQ(v.Q, 1);
  EXPECT_EQ(v.F, 2);
  EXPECT_EQ(v.RL, 3);
  EXPECT_EQ(v.C, 4);
  EXPECT_EQ(v.RS, 5);
  EXPECT_EQ(v.L, 6);
  EXPECT_EQ(sizeof(CircuitValues), 6 * sizeof(double));
}

TEST(Circuit, PiIsCachedAndExact) {
  const double first = GetPi();
  EXPECT_SAME_BITS(first, 3.141592653589793);
  EXPECT_SAME_BITS(GetPi(), first);
}

TEST(Circuit, DefaultCartridgeGivesKnownFAndQ) {
  EXPECT_SAME_BITS(ResonantFrequency(kL, kRS, kC, kRL), 18484.807061630512);
  EXPECT_SAME_BITS(QualityFactor(kL, kRS, kC, kRL), 1.3314016810396694);
  EXPECT_NEAR(SerialQualityFactor(kL, kC, kRS), 46.718840, 5e-7);
}

TEST(Circuit, VariantsMatchQualityFactorBitForBit) {
  g_circuit = CircuitValues{};
  g_circuit.L = kL;
  g_circuit.RS = kRS;
  g_circuit.RL = kRL;
  g_circuit.C = kC;
  for (double c : {1e-12, 251e-12, 66.529e-12, 3.3e-9, 1e-6}) {
    EXPECT_SAME_BITS(QualityFactorForC(c), QualityFactor(kL, kRS, c, kRL));
    EXPECT_SAME_BITS(QualityFactorForCRL(c, 10000.0), QualityFactor(kL, kRS, c, 10000.0));
  }
  for (double rl : {100.0, 10e3, 47e3, 1e6})
    EXPECT_SAME_BITS(QualityFactorForRL(rl), QualityFactor(kL, kRS, kC, rl));
  // The variants read the record at the moment of the call.
  g_circuit.RS = 100.0;
  EXPECT_SAME_BITS(QualityFactorForC(kC), QualityFactor(kL, 100.0, kC, kRL));
  g_circuit = CircuitValues{};
}

TEST(Circuit, ResponseMagnitudeAtZeroAndAtResonance) {
  for (double q : {0.3, 0.7071, 1.0, 1.3314016810396694, 4.0, 50.0}) {
    EXPECT_EQ(ResponseMagnitude(0.0, 18484.8, q), 1.0) << q;
    // 1 + (1/Q^2 - 2) + 1 cancels, so a high Q keeps fewer of its bits.
    EXPECT_NEAR(ResponseMagnitude(18484.8, 18484.8, q), q, q * 1e-12) << q;
  }
  // Two decades above F the response has fallen by 1/r^2.
  EXPECT_NEAR(ResponseMagnitude(1e6, 1e4, 1.0), 1e-4, 1e-8);
}

TEST(Circuit, FormulasReportNothingForBadOperands) {
  EXPECT_TRUE(std::isinf(ResonantFrequency(0.0, kRS, kC, kRL)));
  EXPECT_TRUE(std::isnan(QualityFactor(-kL, kRS, kC, kRL)));
  EXPECT_TRUE(std::isinf(SerialQualityFactor(kL, 0.0, kRS)));
}

}  // namespace
