#include "PaintRecording.h"
#include "circuit/Circuit.h"
#include "engnum/NumberText.h"
#include "plot/PlotReadout.h"
#include "plot/SvgPlotCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kF = 18484.807061630512;  // the default cartridge
constexpr double kQ = 1.3314016810396694;
constexpr PlotRect kClient{0, 0, 352, 325};

TEST(PlotReadout, DescriptionAndReadoutPerCurve) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double F, Q;
    const char* description;
    const char* readout;  // at logical pixel (201, 40)
  };
  const Case table[] = {
      {kF, kQ, "Peak +3.15 dB at 15.66kHz; -3 dB at 25.79kHz; 20kHz: +1.61 dB",
       "15.68kHz  +3.15 dB  -66.2\xB0"},
      {kF, 0.6, "No peak; -3 dB at 15.26kHz; 20kHz: -5.16 dB", "15.68kHz  -3.17 dB  -78.8\xB0"},
      {kF, 5, "Peak +14.02 dB at 18.3kHz; -3 dB at 28.51kHz; 20kHz: +11.19 dB",
       "15.68kHz  +9.69 dB  -31.2\xB0"},
      // A moving-coil cartridge's resonance, far above the band; just outside 0.1 dB it is figures again.
      {3.2484e6, 39, "Flat within 0.1 dB to 20 kHz; resonance at 3.248MHz", "15.68kHz  +0.00 dB  +0.0\xB0"},
      {150e3, 0.5, "No peak; -3 dB at 96.34kHz; 20kHz: -0.15 dB", "15.68kHz  -0.09 dB  -11.9\xB0"},
      // A curve far below any a cartridge makes is still described.
      {kF, 1e-100, "No peak; -3 dB at 1.844e-96Hz; 20kHz: -2000.68 dB", "15.68kHz  -1998.57 dB  -90.0\xB0"},
      // No curve: the pointer's own frequency and level.
      {nan, nan, "No curve", "15.68kHz  +9.06 dB"},
      {kF, 0, "No curve", "15.68kHz  +9.06 dB"},
      {-kF, kQ, "No curve", "15.68kHz  +9.06 dB"},
      {inf, kQ, "No curve", "15.68kHz  +9.06 dB"},
      {kF, inf, "No curve", "15.68kHz  +9.06 dB"},
  };
  for (const Case& c : table) {
    for (int show : {1, 0}) {  // a stale grey curve reads out the same
      const ResponsePlotView view = CurveView(c.F, c.Q, show);
      EXPECT_EQ(PlotDescription(view), c.description) << c.F << " " << c.Q;
      EXPECT_EQ(PlotReadoutText(view, kClient, 201, 40), c.readout) << c.F << " " << c.Q;
    }
  }
  // The frame's centre, and a level that rounds to zero has no minus sign.
  EXPECT_EQ(PlotReadoutText(DefaultView(), kClient, 176, 162), "10kHz  -10.00 dB");
}

TEST(PlotReadout, DataHasOneLinePerColumnInPlainDecimals) {
  EXPECT_EQ(PlotDataTsv(DefaultView(), kClient), "Frequency (Hz)\tLevel (dB)\tPhase (deg)\n");
  const std::string tsv = PlotDataTsv(CurveView(kF, kQ, 1), kClient);
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = tsv.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(tsv.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 1u + 352u);
  EXPECT_EQ(tsv.find(','), std::string::npos);  // also under a decimal-comma locale
  for (int x : {0, 176, 351}) {
    const std::string& line = lines[1 + x];
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = line.find('\t', tab1 + 1);
    double f = 0, level = 0, phase = 0;
    ASSERT_TRUE(ReadDecimal(line, f) && ReadDecimal(line.substr(tab1 + 1), level) &&
                ReadDecimal(line.substr(tab2 + 1), phase))
        << line;
    const double expectedF = 10000.0 * std::pow(10.0, (x - 176) / 128.0);
    EXPECT_NEAR(f, expectedF, expectedF * 1e-5);
    EXPECT_NEAR(level, 20 * std::log10(ResponseMagnitude(expectedF, kF, kQ)), 1e-3);
    EXPECT_LT(phase, 0);
  }
  EXPECT_EQ(lines[1 + 176].substr(0, 6), "10000\t");
}

TEST(SvgPlotCanvas, EscapesText) {
  EXPECT_EQ(XmlEscape("1kHz"), "1kHz");
  EXPECT_EQ(XmlEscape("a&b<c>\"'"), "a&amp;b&lt;c&gt;&quot;&apos;");
  EXPECT_EQ(XmlEscape("1\xB5"
                      "F"),
            "1\xC2\xB5"
            "F");  // Latin-1 micro sign as UTF-8
  EXPECT_EQ(XmlEscape(std::string("a\0b\x1F", 4)),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
}

// The paint drives the SVG canvas as it drives any other: the same labels, and
// each grid line as a run over exactly the raster's pixels.
TEST(SvgPlotCanvas, CarriesThePaintOfTheRecording) {
  const ResponsePlotView view = CurveView(kF, kQ, 1);
  const std::string svg = RenderPlotSvg(view, 352, 325);
  EXPECT_LE(svg.size(), 100u * 1024);
  EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
  const RecordingCanvas recording = RecordPaint(view, 352, 325);
  for (const auto& call : recording.calls) {
    if (call.op == RecordingCanvas::Op::kTextOut) {
      EXPECT_NE(svg.find("\">" + call.text + "</text>"), std::string::npos) << call.text;
    }
  }
  // The 10 kHz decade line at column 176, top to bottom; the 0 dB line at row 98.
  EXPECT_NE(svg.find("M176.5 0V325"), std::string::npos);
  EXPECT_NE(svg.find("M0 98.5H352"), std::string::npos);
  EXPECT_NE(svg.find("mix-blend-mode:darken"), std::string::npos);
}

// Above one device pixel per pixel the same picture is laid out on the device's
// pixels: doubled offsets, a sample per device column.
TEST(ResponsePlotPaint, LaysOutOnDevicePixels) {
  struct DoubleCanvas : RecordingCanvas {
    using RecordingCanvas::RecordingCanvas;
    double GetPixelRatio() override { return 2.0; }
  } canvas({0, 0, 704, 650});
  PaintResponsePlot(CurveView(kF, kQ, 1), canvas);
  std::vector<std::string> at;
  for (const auto& call : canvas.calls) {
    if (call.op == RecordingCanvas::Op::kTextOut)
      at.push_back(call.text + "@" + std::to_string(call.x) + "," + std::to_string(call.y));
  }
  EXPECT_NE(std::find(at.begin(), at.end(), "10kHz@312,610"), at.end());
  EXPECT_NE(std::find(at.begin(), at.end(), "0dB@20,197"), at.end());
  const auto curve = CurveCalls(canvas);
  ASSERT_EQ(curve.size(), 705u);
  for (int x = 0; x <= 704; ++x) EXPECT_EQ(curve[x].x, x);
}

}  // namespace
