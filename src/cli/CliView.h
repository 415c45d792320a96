#pragma once

#include "circuit/CommandView.h"
#include "presets/NameOrder.h"
#include "presets/PresetView.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The main dialog as the command line has it: six fields filled from the
// arguments, the Name list, and message boxes kept for standard error. The
// window's own commands run against it, so results are the window's.
class CliView : public CommandView, public PresetView {
 public:
  CliView();

  std::string GetFieldText(Field field, std::size_t maxCount) override;
  void SetFieldText(Field field, const std::string& text) override;
  void ShowMessage(const std::string& text, const char* caption) override;
  void ShowCurve(double F, double Q, bool current) override;

  void AddNames(std::vector<std::string> names) override;
  void SelectName(int index) override;
  bool GetSelectedName(std::string& name) override;
  void SetHintText(const std::string&) override {}
  void MarkCurveStale() override {}

  const std::string& Text(Field field) const { return m_fields[Index(field)]; }
  // True when a command wrote the field since the arguments filled it.
  bool Written(Field field) const { return m_written[Index(field)]; }
  // Forgets what the last command wrote, showed and plotted.
  void StartCommand();

  // The first box a command showed; the command stopped there.
  const std::optional<std::string>& Message() const { return m_message; }

  // The F and Q the plot was last handed; none before a command succeeded.
  struct Curve {
    double F;
    double Q;
  };
  const std::optional<Curve>& LastCurve() const { return m_curve; }

  const SortedNameList& Names() const { return m_names; }

 private:
  static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }

  std::array<std::string, 6> m_fields;
  std::array<bool, 6> m_written{};
  std::optional<std::string> m_message;
  std::optional<Curve> m_curve;
  SortedNameList m_names;
  int m_selected = -1;
};
