#pragma once

#include "plot/PlotCanvas.h"

#include <string>
#include <vector>

// A canvas that records what is drawn: moves, lines (with their start and the
// pen colour), texts, fills, and how pens and brushes are handled. Misuse of
// objects is collected in `faults` rather than thrown.
class RecordingCanvas : public PlotCanvas {
 public:
  enum class Op { kMoveTo, kLineTo, kTextOut };
  struct Call {
    Op op;
    int x;
    int y;
    int fromX;  // kLineTo: the start of the line
    int fromY;
    PlotColour colour;  // kLineTo: the pen; kTextOut: the text colour
    std::string text;
  };
  struct Object {
    bool pen;
    PlotColour colour;
    bool alive;
  };

  explicit RecordingCanvas(PlotRect rect) : client(rect) {}

  PlotRect client;
  std::vector<Call> calls;
  std::vector<PlotRect> fills;
  std::vector<PlotRect> frames;
  std::vector<Object> objects{{true, 0x000000, true}};  // 0: the canvas's own pen
  std::vector<std::string> faults;
  PlotObject selected = 0;
  PlotLineMix mix = PlotLineMix::kCopyPen;
  PlotColour textColour = 0xFFFFFF;
  int x = 0;
  int y = 0;

  PlotRect GetClientRect() override { return client; }
  PlotObject CreatePen(PlotColour colour) override { return Create(true, colour); }
  PlotObject CreateSolidBrush(PlotColour colour) override { return Create(false, colour); }
  PlotObject SelectPen(PlotObject pen) override {
    if (!Usable(pen, true)) faults.push_back("selected a pen that is not a live pen");
    const PlotObject previous = selected;
    selected = pen;
    return previous;
  }
  void DeleteObject(PlotObject object) override {
    if (object == 0 || !Usable(object, objects[object].pen)) {
      faults.push_back("deleted an object that is not live");
    } else if (object == selected) {
      faults.push_back("deleted the selected pen");
    } else {
      objects[object].alive = false;
    }
  }
  void SetLineMix(PlotLineMix m) override { mix = m; }
  void SetTextColor(PlotColour colour) override { textColour = colour; }
  void FrameRect(const PlotRect& rect, PlotObject brush) override {
    if (!Usable(brush, false)) faults.push_back("framed with a brush that is not live");
    frames.push_back(rect);
  }
  void FillSolidRect(const PlotRect& rect, PlotColour) override { fills.push_back(rect); }
  void MoveTo(int toX, int toY) override {
    calls.push_back({Op::kMoveTo, toX, toY, x, y, 0, {}});
    x = toX;
    y = toY;
  }
  void LineTo(int toX, int toY) override {
    if (mix != PlotLineMix::kMaskPen) faults.push_back("line drawn without the mask mix");
    calls.push_back({Op::kLineTo, toX, toY, x, y, objects[selected].colour, {}});
    x = toX;
    y = toY;
  }
  void TextOut(int atX, int atY, std::string_view text) override {
    calls.push_back({Op::kTextOut, atX, atY, 0, 0, textColour, std::string(text)});
  }

  // Objects made during the paint and not released.
  int LiveObjects() const {
    int live = 0;
    for (std::size_t i = 1; i < objects.size(); ++i) live += objects[i].alive ? 1 : 0;
    return live;
  }

 private:
  PlotObject Create(bool pen, PlotColour colour) {
    objects.push_back({pen, colour, true});
    return static_cast<PlotObject>(objects.size() - 1);
  }
  bool Usable(PlotObject object, bool pen) const {
    return object >= 0 && object < static_cast<PlotObject>(objects.size()) && objects[object].alive &&
           objects[object].pen == pen;
  }
};
