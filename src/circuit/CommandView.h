#pragma once

#include <cstddef>
#include <string>

// What the circuit commands need of the main dialog: its six edit fields, a
// message box and the response plot. The dialog implements it; tests use a fake.

enum class Field { L, RS, C, RL, F, Q };

// A command reads one field with this count, terminator included: at most 30
// characters arrive.
inline constexpr std::size_t kMaxFieldText = 31;

class CommandView {
 public:
  virtual ~CommandView() = default;

  // The field's text as 8-bit bytes (micro sign 0xB5), at most maxCount - 1 of them.
  virtual std::string GetFieldText(Field field, std::size_t maxCount) = 0;
  virtual void SetFieldText(Field field, const std::string& text) = 0;

  // A modal box owned by the dialog, OK only, no icon. A null caption shows
  // the application name.
  virtual void ShowMessage(const std::string& text, const char* caption) = 0;

  // A field a command could not use, told before its input-error box, in the
  // order read; the box's text stays the same whatever the field.
  virtual void MarkUnusable(Field /*field*/) {}

  // Hands the plot the curve's F and Q, marks it current (black) or stale
  // (grey), and has the plot repaint.
  virtual void ShowCurve(double F, double Q, bool current) = 0;
};
