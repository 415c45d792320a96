#include "LoadMapColours.h"

#include <array>
#include <cmath>

namespace {

struct Lab {
  double L;
  double a;
  double b;
};

// D65 white.
constexpr double kXn = 0.95047;
constexpr double kYn = 1.0;
constexpr double kZn = 1.08883;

double ToLinear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double FromLinear(double c) {
  const double v = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
  return v < 0 ? 0 : (v > 1 ? 1 : v);
}

double LabF(double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; }

double LabInverse(double f) { return f * f * f > 216.0 / 24389 ? f * f * f : (116 * f - 16) * 27 / 24389; }

Lab FromRgb(int red, int green, int blue) {
  const double r = ToLinear(red / 255.0);
  const double g = ToLinear(green / 255.0);
  const double b = ToLinear(blue / 255.0);
  const double x = 0.4124 * r + 0.3576 * g + 0.1805 * b;
  const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  const double z = 0.0193 * r + 0.1192 * g + 0.9505 * b;
  const double fx = LabF(x / kXn);
  const double fy = LabF(y / kYn);
  const double fz = LabF(z / kZn);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

PlotColour ToColour(const Lab& lab) {
  const double fy = (lab.L + 16) / 116;
  const double x = kXn * LabInverse(fy + lab.a / 500);
  const double y = kYn * LabInverse(fy);
  const double z = kZn * LabInverse(fy - lab.b / 200);
  const double r = FromLinear(3.2406 * x - 1.5372 * y - 0.4986 * z);
  const double g = FromLinear(-0.9689 * x + 1.8758 * y + 0.0415 * z);
  const double b = FromLinear(0.0557 * x - 0.2040 * y + 1.0570 * z);
  const auto byte = [](double c) { return static_cast<PlotColour>(std::lround(c * 255)); };
  return byte(r) | byte(g) << 8 | byte(b) << 16;
}

constexpr int kSteps = static_cast<int>(kMapScaleDb / kMapColourStepDb);  // per side

// Index kSteps is 0 dB; 0 is -kMapScaleDb and 2 kSteps is +kMapScaleDb.
const std::array<PlotColour, 2 * kSteps + 1>& Scale() {
  static const std::array<PlotColour, 2 * kSteps + 1> scale = [] {
    std::array<PlotColour, 2 * kSteps + 1> colours{};
    const Lab droop = FromRgb(40, 70, 170);
    const Lab middle = {92.0, 0.0, 0.0};
    const Lab rise = FromRgb(175, 30, 35);
    for (int i = 0; i <= 2 * kSteps; ++i) {
      const Lab& end = i < kSteps ? droop : rise;
      const double t = std::fabs(i - kSteps) / static_cast<double>(kSteps);
      colours[static_cast<std::size_t>(i)] =
          ToColour({middle.L + (end.L - middle.L) * t, middle.a + (end.a - middle.a) * t,
                    middle.b + (end.b - middle.b) * t});
    }
    return colours;
  }();
  return scale;
}

}  // namespace

PlotColour DeviationColour(double db) {
  if (std::isnan(db)) return kMapNoFigureColour;
  const double steps = std::round(db / kMapColourStepDb);
  const double clamped = steps < -kSteps ? -kSteps : (steps > kSteps ? kSteps : steps);
  return Scale()[static_cast<std::size_t>(static_cast<int>(clamped) + kSteps)];
}
