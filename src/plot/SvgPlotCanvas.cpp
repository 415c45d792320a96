#include "plot/SvgPlotCanvas.h"
#include "engnum/FieldTextUtf8.h"

#include "engnum/NumberText.h"
#include "engnum/QuotedText.h"

#include <charconv>
#include <utility>

namespace {

std::string Number(double value) { return FormatShortest(value); }

std::string Number(int value) {
  char text[16];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// One path command and its numbers, appended piece by piece.
void AppendCommand(std::string& path, char command, double a) {
  path += command;
  path += Number(a);
}

void AppendCommand(std::string& path, char command, double a, double b) {
  AppendCommand(path, command, a);
  path += ' ';
  path += Number(b);
}

std::string ColourText(PlotColour colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text = "#";
  for (int shift : {0, 8, 16}) {
    const unsigned byte = (colour >> shift) & 0xFF;
    text += kHex[byte >> 4];
    text += kHex[byte & 0xF];
  }
  return text;
}

}  // namespace

std::string XmlEscape(std::string_view latin1) {
  // XML allows no control characters: they go as in any message.
  const std::string text = ShownText(FieldBytesToUtf8(latin1));
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

SvgPlotCanvas::SvgPlotCanvas(int width, int height, PlotTextStyle style)
    : m_width(width < 0 ? 0 : width),
      m_height(height < 0 ? 0 : height),
      m_style(std::move(style)),
      m_objects{{0x000000, true}} {
  const std::string w = Number(m_width);
  const std::string h = Number(m_height);
  m_out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
          w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
          "\" shape-rendering=\"crispEdges\" fill=\"none\" stroke-linecap=\"butt\" font-family=\"" +
          XmlEscape(m_style.family) + "\" font-size=\"" + Number(m_style.pixelSize) + "\">\n";
}

PlotRect SvgPlotCanvas::GetClientRect() { return {0, 0, m_width, m_height}; }

PlotObject SvgPlotCanvas::CreatePen(PlotColour colour) {
  m_objects.emplace_back(colour, true);
  return static_cast<PlotObject>(m_objects.size() - 1);
}

PlotObject SvgPlotCanvas::CreateSolidBrush(PlotColour colour) { return CreatePen(colour); }

PlotObject SvgPlotCanvas::SelectPen(PlotObject pen) { return std::exchange(m_pen, pen); }

void SvgPlotCanvas::DeleteObject(PlotObject object) {
  if (object > 0 && object < static_cast<PlotObject>(m_objects.size()) && object != m_pen) {
    m_objects[object].second = false;
  }
}

PlotColour SvgPlotCanvas::ColourOf(PlotObject object) const {
  if (object < 0 || object >= static_cast<PlotObject>(m_objects.size()) || !m_objects[object].second) {
    return m_objects[0].first;
  }
  return m_objects[object].first;
}

void SvgPlotCanvas::SetLineMix(PlotLineMix mix) { m_mix = mix; }

void SvgPlotCanvas::SetTextColor(PlotColour colour) { m_textColour = colour; }

void SvgPlotCanvas::Rect(double x, double y, double w, double h, PlotColour colour) {
  FlushPath();
  m_out += "<rect x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" width=\"" + Number(w) + "\" height=\"" +
           Number(h) + "\" fill=\"" + ColourText(colour) + "\"/>\n";
}

void SvgPlotCanvas::FrameRect(const PlotRect& rect, PlotObject brush) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  const PlotColour colour = ColourOf(brush);
  const double w = static_cast<double>(rect.right) - rect.left;
  const double h = static_cast<double>(rect.bottom) - rect.top;
  Rect(rect.left, rect.top, w, 1, colour);
  Rect(rect.left, rect.bottom - 1.0, w, 1, colour);
  Rect(rect.left, rect.top, 1, h, colour);
  Rect(rect.right - 1.0, rect.top, 1, h, colour);
}

void SvgPlotCanvas::FillSolidRect(const PlotRect& rect, PlotColour colour) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  Rect(rect.left, rect.top, static_cast<double>(rect.right) - rect.left,
       static_cast<double>(rect.bottom) - rect.top, colour);
}

void SvgPlotCanvas::MoveTo(int x, int y) {
  m_x = x;
  m_y = y;
  m_pathAtPen = false;
}

void SvgPlotCanvas::LineTo(int x, int y) {
  const PlotColour colour = ColourOf(m_pen);
  if (!m_path.empty() && (colour != m_pathColour || m_mix != m_pathMix)) FlushPath();
  m_pathColour = colour;
  m_pathMix = m_mix;
  if (y == m_y && x != m_x) {
    // Along the middle of the row, from the start pixel's outer edge to the
    // end pixel's near edge: exactly the raster's pixels.
    const double from = x > m_x ? m_x : m_x + 1.0;
    const double to = x > m_x ? x : x + 1.0;
    AppendCommand(m_path, 'M', from, y + 0.5);
    AppendCommand(m_path, 'H', to);
    m_pathAtPen = false;
  } else if (x == m_x && y != m_y) {
    const double from = y > m_y ? m_y : m_y + 1.0;
    const double to = y > m_y ? y : y + 1.0;
    AppendCommand(m_path, 'M', x + 0.5, from);
    AppendCommand(m_path, 'V', to);
    m_pathAtPen = false;
  } else if (x != m_x) {
    // Pixel centre to pixel centre; a run of them (the curve) is one polyline.
    if (!m_pathAtPen) AppendCommand(m_path, 'M', m_x + 0.5, m_y + 0.5);
    AppendCommand(m_path, 'L', x + 0.5, y + 0.5);
    m_pathAtPen = true;
  }
  m_x = x;
  m_y = y;
}

void SvgPlotCanvas::FlushPath() {
  if (m_path.empty()) return;
  m_out += "<path d=\"" + m_path + "\" stroke=\"" + ColourText(m_pathColour) + "\"";
  if (m_pathMix == PlotLineMix::kMaskPen) m_out += " style=\"mix-blend-mode:darken\"";
  m_out += "/>\n";
  m_path.clear();
  m_pathAtPen = false;
}

void SvgPlotCanvas::TextOut(int x, int y, std::string_view text) {
  const double width = m_style.advance ? m_style.advance(text) : 0.62 * m_style.pixelSize * text.size();
  Rect(x, y, width, m_style.height, 0xFFFFFF);
  m_out += "<text x=\"" + Number(x) + "\" y=\"" + Number(y + m_style.ascent) + "\" fill=\"" +
           ColourText(m_textColour) + "\">" + XmlEscape(text) + "</text>\n";
}

std::string SvgPlotCanvas::Finish() {
  FlushPath();
  m_out += "</svg>\n";
  return std::move(m_out);
}

std::string RenderPlotSvg(const ResponsePlotView& view, int width, int height, const PlotTextStyle& style,
                          const std::vector<PlotExtraCurve>& extras) {
  SvgPlotCanvas canvas(width, height, style);
  PaintResponsePlot(view, canvas, extras);
  return canvas.Finish();
}
