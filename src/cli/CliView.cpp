#include "CliView.h"

CliView::CliView() = default;

std::string CliView::GetFieldText(Field field, std::size_t maxCount) {
  const std::string& text = m_fields[Index(field)];
  return maxCount == 0 ? std::string() : text.substr(0, maxCount - 1);
}

void CliView::SetFieldText(Field field, const std::string& text) {
  m_fields[Index(field)] = text;
  m_written[Index(field)] = true;
}

void CliView::StartCommand() {
  m_written.fill(false);
  m_message.reset();
  m_curve.reset();
}

void CliView::ShowMessage(const std::string& text, const char*) {
  if (!m_message) m_message = text;
}

void CliView::ShowCurve(double F, double Q, bool) { m_curve = Curve{F, Q}; }

void CliView::AddNames(std::vector<std::string> names) { m_names.AddNames(std::move(names)); }

void CliView::SelectName(int index) {
  m_selected = index >= 0 && static_cast<std::size_t>(index) < m_names.size() ? index : -1;
}

bool CliView::GetSelectedName(std::string& name) {
  if (m_selected < 0) return false;
  name = m_names.at(static_cast<std::size_t>(m_selected));
  return true;
}
