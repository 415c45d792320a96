#pragma once

#include "circuit/CommandView.h"
#include "presets/NameOrder.h"
#include "presets/PresetView.h"

#include <array>
#include <string>
#include <vector>

// The main window as the web page has it: the six fields, the Name list, the
// hint, the plot's curve and the message boxes a command showed, all held here
// for the page to show. The window's own commands run against it, so results
// are the window's. Texts are the core's 8-bit bytes (micro sign 0xB5).
class WebView : public CommandView, public PresetView {
 public:
  struct Message {
    std::string text;
    std::string caption;  // the application name for a null caption
    int field = -1;       // the first field the command could not use (a Field), else -1
  };

  std::string GetFieldText(Field field, std::size_t maxCount) override;
  void SetFieldText(Field field, const std::string& text) override;
  void ShowMessage(const std::string& text, const char* caption) override;
  void MarkUnusable(Field field) override;
  void ShowCurve(double F, double Q, bool current) override;

  void AddNames(std::vector<std::string> names) override;
  void SelectName(int index) override;
  bool GetSelectedName(std::string& name) override;
  void SetHintText(const std::string& text) override { m_hint = text; }
  void MarkCurveStale() override { m_current = false; }

  const std::string& Text(Field field) const { return m_fields[static_cast<std::size_t>(field)]; }
  const std::string& Hint() const { return m_hint; }
  const SortedNameList& Names() const { return m_names; }
  int Selected() const { return m_selected; }

  // The boxes shown since the last call, in order; the page shows them one by one.
  std::vector<Message> TakeMessages();

  // The curve the plot was last handed, black when current. F and Q are zero
  // before the first command succeeded, and the plot then draws none.
  double CurveF() const { return m_F; }
  double CurveQ() const { return m_Q; }
  bool CurveCurrent() const { return m_current; }

  // Forgets the Name list, as a window started afresh has it.
  void ClearNames();

 private:
  std::array<std::string, 6> m_fields;
  std::vector<Message> m_messages;
  int m_unusable = -1;  // for the next message
  SortedNameList m_names;
  int m_selected = -1;
  std::string m_hint;
  double m_F = 0.0;
  double m_Q = 0.0;
  bool m_current = false;
};
