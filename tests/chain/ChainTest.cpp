#include "chain/Chain.h"
#include "chain/ChainFigures.h"
#include "chain/SecondaryResistor.h"
#include "circuit/Circuit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

namespace {

constexpr double kPi = 3.14159265358979323846;

ChainValues Chain(double L, double RS, double C1, double Rp, double N, double Rs2, double C, double RL,
                  double Rsec) {
  return ChainValues{L, RS, C1, Rp, N, Rs2, C, RL, Rsec};
}

// Without a transformer the chain is the network the window computes.
TEST(Chain, BareChainIsTheNetwork) {
  const struct {
    double L, RS, C, RL;
  } networks[] = {{0.3, 740, 251e-12, 47e3}, {40e-6, 18, 100e-12, 47e3}, {0.5, 1200, 1e-9, 10e3}};
  for (const auto& n : networks) {
    const ChainValues chain = BareNetwork(n.L, n.RS, n.C, n.RL);
    const double F = ResonantFrequency(n.L, n.RS, n.C, n.RL), Q = QualityFactor(n.L, n.RS, n.C, n.RL);
    for (double f : {1.0, 20.0, 1000.0, 15000.0, F, 200e3, 3e6}) {
      const double want = ResponseMagnitude(f, F, Q);
      const double got = std::pow(10.0, ChainLevelDb(chain, f) / 20.0);
      EXPECT_NEAR(got, want, 1e-12 * want) << n.L << " at " << f;
    }
    // The unnormalised transfer keeps the divider of RS and RL.
    EXPECT_NEAR(std::abs(ChainTransfer(chain, 0.0)), n.RL / (n.RS + n.RL), 1e-15);
  }
}

// Mesh analysis done separately (loops through C1, the primary, the
// secondary), |H| and its phase at a few frequencies.
TEST(Chain, HandComputedResponses) {
  const ChainValues mc = Chain(40e-6, 18, 100e-12, 2, 10, 20, 100e-12, 47e3, 0);
  const ChainValues mm = Chain(0.5e-3, 10, 200e-12, 5, 4, 60, 220e-12, 47e3, 10e3);
  const struct {
    const ChainValues& chain;
    double f, magnitude, phaseDeg;
  } table[] = {
      {mc, 0.0, 9.587923296613628, 0.0},
      {mc, 1000.0, 9.588055415819312, -0.09972477212530045},
      {mc, 20000.0, 9.641028947654311, -2.005914042134043},
      {mc, 200000.0, 18.3914585555185, -41.8667937426206},
      {mc, 1e6, 0.6659521909219899, -173.14038952018424},
      {mm, 1000.0, 3.8597743526949477, -0.36066816640440197},
      {mm, 20000.0, 3.9393363213984744, -7.38206747240202},
      {mm, 200000.0, 1.735854923646073, -145.6990453466763},
      {mm, 1e6, 0.05502709439238361, -175.45556814431708},
  };
  for (const auto& row : table) {
    const std::complex<double> h = ChainTransfer(row.chain, row.f);
    EXPECT_NEAR(std::abs(h), row.magnitude, 1e-12 * row.magnitude) << row.f;
    EXPECT_NEAR(std::arg(h) * 180.0 / kPi, row.phaseDeg, 1e-9) << row.f;
  }
}

// With no winding resistance the cartridge sees C1 parallel the secondary's
// load reflected: exactly the ideal values; with windings, nearly, when the
// secondary's capacitance is small.
TEST(Chain, IdealReflectedValues) {
  const struct {
    ChainValues chain;
    double tolerance;
  } table[] = {
      {Chain(40e-6, 18, 100e-12, 0, 10, 0, 100e-12, 47e3, 0), 1e-12},
      {Chain(40e-6, 18, 150e-12, 0, 8, 0, 220e-12, 47e3, 7.5e3), 1e-12},
      // Windings matter little while the secondary's C does.
      {Chain(40e-6, 18, 100e-12, 3, 10, 40, 1e-15, 47e3, 0), 1e-4},
  };
  for (const auto& row : table) {
    std::string problem;
    const auto fig = ComputeChainFigures(row.chain, 0.5, 20e3, problem);
    ASSERT_TRUE(fig) << problem;
    EXPECT_NEAR(fig->loadR, fig->idealR, row.tolerance * fig->idealR);
    EXPECT_NEAR(fig->loadC, fig->idealC, row.tolerance * fig->idealC);
  }
  std::string problem;
  const auto fig = ComputeChainFigures(table[0].chain, 0.5, 20e3, problem);
  ASSERT_TRUE(fig);
  EXPECT_DOUBLE_EQ(fig->idealR, 470.0);
  EXPECT_DOUBLE_EQ(fig->idealDb, 20.0);
  // Unloaded by windings, at 1 kHz the level is nearly the ideal 20 dB less the divider.
  EXPECT_NEAR(fig->levelDb, 20.0 + 20.0 * std::log10(470.0 / 488.0), 1e-3);
  EXPECT_NEAR(*fig->stageMv, 0.5 * std::pow(10.0, fig->levelDb / 20.0), 1e-15);
}

// The sampled figures against the closed forms: a C1 too small to matter
// leaves the chain the equivalent network, found the other way.
TEST(Chain, SampledFiguresMatchClosedForms) {
  for (const ChainValues& chain :
       {Chain(40e-6, 18, 0, 2, 10, 20, 100e-12, 47e3, 0), Chain(0.45, 600, 0, 0, 1, 0, 180e-12, 47e3, 0),
        Chain(0.5e-3, 10, 0, 5, 4, 60, 2.2e-9, 47e3, 10e3)}) {
    ChainValues tiny = chain;
    tiny.C1 = 1e-30;
    const CurveFigures a = ChainCurveFigures(chain, 20e3), b = ChainCurveFigures(tiny, 20e3);
    ASSERT_EQ(a.peak.has_value(), b.peak.has_value());
    if (a.peak) {
      EXPECT_NEAR(b.peak->frequency, a.peak->frequency, 1e-6 * a.peak->frequency);
      EXPECT_NEAR(b.peak->levelDb, a.peak->levelDb, 1e-9);
    }
    for (auto [x, y] : {std::pair{a.fall05Hz, b.fall05Hz}, {a.fall1Hz, b.fall1Hz}, {a.fall3Hz, b.fall3Hz}}) {
      ASSERT_EQ(x.has_value(), y.has_value());
      if (x) {
        EXPECT_NEAR(*y, *x, 1e-9 * *x);
      }
    }
    EXPECT_NEAR(*b.levelAt20kDb, *a.levelAt20kDb, 1e-9);
    EXPECT_NEAR(*b.deviationDb, *a.deviationDb, 1e-9);
  }
}

TEST(Chain, FiguresThatAreNotNumbersAreRefused) {
  std::string problem;
  EXPECT_FALSE(ComputeChainFigures(Chain(40e-6, 18, 0, 0, 1e200, 0, 100e-12, 47e3, 0), {}, 20e3, problem));
  EXPECT_NE(problem.find("out of range"), std::string::npos);
}

TEST(SecondaryResistor, Solutions) {
  const struct {
    ChainValues chain;
    double wanted, exact, e24, e96;
  } table[] = {
      // 1:8 into 47k, 100 ohm wanted: 6400 ohm on the secondary.
      {Chain(0, 0, 0, 0, 8, 0, 0, 47e3, 0), 100, 6400.0 * 47e3 / 40600.0, 7.5e3, 7.32e3},
      // Windings: (100 - 2) 64 - 30 = 6242 ohm in parallel with RL.
      {Chain(0, 0, 0, 2, 8, 30, 0, 47e3, 99), 100, 6242.0 * 47e3 / (47e3 - 6242.0), 7.5e3, 7.15e3},
      {Chain(0, 0, 0, 0, 10, 0, 0, 47e3, 0), 47, 4700.0 * 47e3 / 42300.0, 5.1e3, 5.23e3},
  };
  for (const auto& row : table) {
    std::string problem;
    const auto s = SolveSecondaryResistor(row.chain, row.wanted, problem);
    ASSERT_TRUE(s) << problem;
    EXPECT_NEAR(s->exact, row.exact, 1e-9 * row.exact);
    EXPECT_DOUBLE_EQ(s->e24.ohms, row.e24);
    EXPECT_DOUBLE_EQ(s->e96.ohms, row.e96);
    ChainValues with = row.chain;
    with.Rsec = s->e96.ohms;
    EXPECT_DOUBLE_EQ(s->e96.loadSeen, with.Rp + (with.Rs2 + SecondaryLoad(with)) / (with.N * with.N));
  }
  EXPECT_NEAR(table[0].exact, 7.41e3, 5.0);
}

TEST(SecondaryResistor, Impossible) {
  const struct {
    ChainValues chain;
    double wanted;
    const char* says;
  } table[] = {
      {Chain(0, 0, 0, 0, 8, 0, 0, 47e3, 0), 734.375, "can only lower"},  // RL / 64 exactly
      {Chain(0, 0, 0, 0, 8, 0, 0, 47e3, 0), 1000, "can only lower"},
      {Chain(0, 0, 0, 2, 8, 64, 0, 47e3, 0), 3, "windings"},
      {Chain(0, 0, 0, 2, 8, 64, 0, 47e3, 0), 0, "greater than zero"},
      {Chain(0, 0, 0, 2, 8, 64, 0, 47e3, 0), -5, "greater than zero"},
  };
  for (const auto& row : table) {
    std::string problem;
    EXPECT_FALSE(SolveSecondaryResistor(row.chain, row.wanted, problem)) << row.wanted;
    EXPECT_NE(problem.find(row.says), std::string::npos) << problem;
  }
}

TEST(SecondaryResistor, NearestStandardValue) {
  const struct {
    double ohms;
    int series;
    double nearest;
  } table[] = {{7408.9, 24, 7500},  {7408.9, 96, 7320}, {9.6e3, 24, 10e3},
               {9.6e3, 96, 9.53e3}, {0.99, 24, 1.0},    {1040, 24, 1000},
               {1050, 24, 1100},    {1.0, 96, 1.0},     {97.8, 96, 97.6}};
  for (const auto& row : table)
    EXPECT_DOUBLE_EQ(NearestStandardValue(row.ohms, row.series), row.nearest) << row.ohms;
}

}  // namespace
