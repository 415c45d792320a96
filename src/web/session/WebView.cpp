#include "WebView.h"

#include "presets/PresetCommands.h"

namespace {

constexpr const char* kApplicationName = "Varnholt";

}  // namespace

std::string WebView::GetFieldText(Field field, std::size_t maxCount) {
  const std::string& text = Text(field);
  return maxCount == 0 ? std::string() : text.substr(0, maxCount - 1);
}

void WebView::SetFieldText(Field field, const std::string& text) {
  m_fields[static_cast<std::size_t>(field)] = text;
  // As the window's fields do on any change, typed or written by a command.
  if (field == Field::L || field == Field::RS || field == Field::C) RunUpdateSerialQLabel(*this);
}

void WebView::ShowMessage(const std::string& text, const char* caption) {
  m_messages.push_back({text, caption ? caption : kApplicationName, m_unusable});
  m_unusable = -1;
}

void WebView::MarkUnusable(Field field) {
  if (m_unusable < 0) m_unusable = static_cast<int>(field);
}

void WebView::ShowCurve(double F, double Q, bool current) {
  m_F = F;
  m_Q = Q;
  m_current = current;
}

void WebView::AddNames(std::vector<std::string> names) { m_names.AddNames(std::move(names)); }

void WebView::SelectName(int index) {
  m_selected = index >= 0 && static_cast<std::size_t>(index) < m_names.size() ? index : -1;
}

bool WebView::GetSelectedName(std::string& name) {
  if (m_selected < 0) return false;
  name = m_names.at(static_cast<std::size_t>(m_selected));
  return true;
}

std::vector<WebView::Message> WebView::TakeMessages() {
  std::vector<Message> messages;
  messages.swap(m_messages);
  return messages;
}

void WebView::ClearNames() {
  m_names = SortedNameList();
  m_selected = -1;
}
