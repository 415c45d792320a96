#include "circuit/ResponseFigures.h"

#include "circuit/Circuit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

double BruteLevel(double f, double F, double Q) { return 20.0 * std::log10(ResponseMagnitude(f, F, Q)); }

// Frequencies from F/1000 to 1000 F, densely and logarithmically.
template <typename Visit>
void Sweep(double F, Visit visit, int steps = 200000) {
  for (int i = 0; i <= steps; ++i) visit(F * std::pow(10.0, -3.0 + 6.0 * i / steps));
}

// The worked example (defaults L=300m RS=740 C=251p RL=47k) and cases with known answers.
struct Worked {
  double F, Q;
  double peakHz, peakDb;  // peakHz 0: no peak
  double drop, fallHz;    // drop 0: not checked
  double at20kDb;         // 0: not checked
};

TEST(ResponseFigures, WorkedValues) {
  const double F0 = ResonantFrequency(0.3, 740, 251e-12, 47000);
  const double Q0 = QualityFactor(0.3, 740, 251e-12, 47000);
  const double sqrt2 = std::sqrt(2.0);
  const Worked table[] = {
      {F0, Q0, 15662.0, 3.15, 3.0, 25790.0, 1.61},
      // Q = 1: peak at F/sqrt(2) of 20 log10(2/sqrt(3)).
      {20000, 1.0, 20000 / sqrt2, 20 * std::log10(2 / std::sqrt(3.0)), 0, 0, 0},
      // Butterworth: flat, half the power exactly at F.
      {20000, 1 / sqrt2, 0, 0, 10 * std::log10(2.0), 20000, -10 * std::log10(2.0)},
      // Critically damped: |H| = 1 / (1 + r^2), half the power at r^2 = sqrt(2) - 1.
      {10000, 0.5, 0, 0, 10 * std::log10(2.0), 10000 * std::sqrt(sqrt2 - 1), -20 * std::log10(5.0)},
  };
  for (const Worked& w : table) {
    SCOPED_TRACE(testing::Message() << "F=" << w.F << " Q=" << w.Q);
    const auto peak = Peak(w.F, w.Q);
    ASSERT_EQ(peak.has_value(), w.peakHz > 0);
    if (peak) {
      EXPECT_NEAR(peak->frequency, w.peakHz, w.peakHz * 5e-4);
      EXPECT_NEAR(peak->levelDb, w.peakDb, 0.005);
    }
    if (w.drop > 0) {
      EXPECT_NEAR(*FallFrequency(w.F, w.Q, w.drop), w.fallHz, w.fallHz * 5e-4);
    }
    if (w.at20kDb != 0) {
      EXPECT_NEAR(*LevelDb(20000, w.F, w.Q), w.at20kDb, 0.005);
    }
    EXPECT_EQ(*PhaseDeg(0, w.F, w.Q), 0.0);
    EXPECT_NEAR(*PhaseDeg(w.F, w.F, w.Q), -90.0, 1e-12);
    EXPECT_NEAR(*LevelDb(w.F, w.F, w.Q), 20 * std::log10(w.Q), 1e-9);
  }
}

// Every figure against the dense brute force of ResponseMagnitude.
TEST(ResponseFigures, AgreeWithBruteForce) {
  for (double Q : {0.05, 0.5, 0.7, 0.7072, 0.75, 1.0, 1.3314016810396694, 3.0, 10.0, 60.0}) {
    const double F = 18484.8;
    SCOPED_TRACE(testing::Message() << "Q=" << Q);
    double maxDb = -kInf, maxHz = 0;
    Sweep(F, [&](double f) {
      const double db = BruteLevel(f, F, Q);
      EXPECT_NEAR(*LevelDb(f, F, Q), db, 1e-9);
      const double phase =
          std::arg(1.0 / std::complex<double>(1 - (f / F) * (f / F), f / F / Q)) * 180 / GetPi();
      EXPECT_NEAR(*PhaseDeg(f, F, Q), phase, 1e-9);
      if (db > maxDb) maxDb = db, maxHz = f;
    });
    const auto peak = Peak(F, Q);
    ASSERT_EQ(peak.has_value(), Q > 1 / std::sqrt(2.0));
    if (peak) {
      EXPECT_NEAR(peak->levelDb, maxDb, 1e-6);
      EXPECT_NEAR(peak->levelDb, BruteLevel(peak->frequency, F, Q), 1e-9);
      // The flat top of a low peak makes its place on a grid vague; its level is not.
      if (Q > 1) {
        EXPECT_NEAR(peak->frequency, maxHz, maxHz * 1e-3);
      }
    }
    for (double drop : {0.5, 1.0, 3.0, 20.0}) {
      const double fall = *FallFrequency(F, Q, drop);
      EXPECT_NEAR(BruteLevel(fall, F, Q), -drop, 1e-9) << drop;
      // Falls through it: above lies below, and nothing above it comes back up.
      EXPECT_LT(BruteLevel(fall * 1.001, F, Q), -drop);
      if (peak) {
        EXPECT_GT(fall, peak->frequency);
      }
    }
    // Bands below, around and above the peak, against a sampled maximum of |level|.
    for (auto [f1, f2] :
         {std::pair{0.0, 20000.0}, {1000.0, 12000.0}, {12000.0, 16000.0}, {30000.0, 90000.0}}) {
      double worst = 0;
      for (int i = 0; i <= 20000; ++i) {
        const double db = BruteLevel(f1 + (f2 - f1) * i / 20000, F, Q);
        if (std::fabs(db) > std::fabs(worst)) worst = db;
      }
      EXPECT_NEAR(*LargestDeviationDb(F, Q, f1, f2), worst, 1e-4 + std::fabs(worst) * 1e-4)
          << f1 << ".." << f2;
    }
  }
}

// Q far from 1, where Q^2 or 1/Q^2 leave the range of a double. With
// D = (1 - r^2)^2 + (r/Q)^2 the answers are plain: at F the level is
// 20 log10 Q; for tiny Q the -3 dB point is F Q sqrt(g - 1) (g = 10^0.3), for
// huge Q it is F sqrt(1 + sqrt(g)).
TEST(ResponseFigures, StayRightForExtremeQ) {
  const double F = 1e4;
  const double tinyFall = std::sqrt(std::pow(10.0, 0.3) - 1.0);
  const double hugeFall = std::sqrt(1.0 + std::pow(10.0, 0.15));
  const double log4 = 10 * std::log10(4.0);
  const struct {
    double Q;
    double fallHz;
    double atF, at2F;  // dB
    bool peak;
  } rows[] = {
      {1e-76, F * 1e-76 * tinyFall, -1520, -1520 - log4, false},    // the last that worked
      {1e-300, F * 1e-300 * tinyFall, -6000, -6000 - log4, false},  // 1/Q^2 overflows itself
      {1e300, F * hugeFall, 6000, -10 * std::log10(9.0), true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "Q=" << row.Q);
    const auto fall = FallFrequency(F, row.Q, 3.0);
    ASSERT_TRUE(fall);
    EXPECT_NEAR(*fall, row.fallHz, row.fallHz * 1e-12);
    EXPECT_NEAR(*LevelDb(F, F, row.Q), row.atF, 1e-9);
    EXPECT_NEAR(*LevelDb(2 * F, F, row.Q), row.at2F, 1e-9);
    EXPECT_EQ(*LevelDb(0, F, row.Q), 0.0);
    const auto peak = Peak(F, row.Q);
    ASSERT_EQ(peak.has_value(), row.peak);
    // A band that ends at F: its largest deviation is the level there.
    EXPECT_NEAR(*LargestDeviationDb(F, row.Q, 0, F), row.atF, 1e-9);
    EXPECT_NEAR(*LargestDeviationDb(F, row.Q, 0, 2 * F), row.peak ? peak->levelDb : row.at2F, 1e-9);
  }
  // The smallest Q there is: figures still exist, the -3 dB point below 1e-319 Hz.
  const double least = std::numeric_limits<double>::denorm_min();
  EXPECT_TRUE(FallFrequency(F, least, 3.0));
  EXPECT_NEAR(*LevelDb(F, F, least), 20 * std::log10(least), 1e-9);
}

TEST(ResponseFigures, NoFigureForBadInput) {
  for (double bad : {0.0, -1.0, kNaN, kInf, -kInf}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(IsValidCurve(bad, 1.0));
    EXPECT_FALSE(IsValidCurve(1000.0, bad));
    EXPECT_FALSE(LevelDb(1000, bad, 1.0));
    EXPECT_FALSE(PhaseDeg(1000, 1000, bad));
    EXPECT_FALSE(Peak(bad, 2.0));
    EXPECT_FALSE(Peak(1000, bad));
    EXPECT_FALSE(FallFrequency(bad, 1.0, 3));
    EXPECT_FALSE(FallFrequency(1000, 1.0, bad));
    EXPECT_FALSE(LargestDeviationDb(1000, bad, 0, 100));
    if (bad != 0.0) {  // a frequency of 0 is a frequency
      EXPECT_FALSE(LevelDb(bad, 1000, 1.0));
      EXPECT_FALSE(PhaseDeg(bad, 1000, 1.0));
      EXPECT_FALSE(LargestDeviationDb(1000, 1.0, bad, 100));
      EXPECT_FALSE(LargestDeviationDb(1000, 1.0, 0, bad));
    }
  }
  EXPECT_FALSE(LargestDeviationDb(1000, 1.0, 200, 100));  // an upside-down band
  EXPECT_TRUE(IsValidCurve(1e-300, 1e300));
  // Far above F the level keeps falling at 40 dB a decade instead of overflowing.
  EXPECT_NEAR(*LevelDb(1e300, 1.0, 1.0), -12000.0, 1e-6);
  EXPECT_NEAR(Peak(1.0, 1e200)->levelDb, 4000.0, 1e-9);
}

}  // namespace
