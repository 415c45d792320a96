#include "Report.h"

#include "engnum/EngValue.h"
#include "engnum/NumberText.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

using Json = nlohmann::ordered_json;

bool Present(const Cell& cell) { return cell.number && std::isfinite(*cell.number); }

std::string HumanText(const Column& column, const Cell& cell) {
  if (column.style == Style::Name) return cell.text;
  if (!cell.text.empty()) return FieldBytesToUtf8(cell.text);
  if (!Present(cell)) return "-";
  const double value = *cell.number;
  switch (column.style) {
    case Style::Eng:
      return FieldBytesToUtf8(FormatEngValue(value, 6));
    case Style::Q:
      return FormatFixed(value, 6);
    case Style::Db:
      return FormatFixed(value, 2);
    case Style::Count:
    case Style::Name:
      break;
  }
  return FormatFixed(value, 0);
}

// Characters on screen: UTF-8 continuation bytes take no room.
std::size_t Width(std::string_view text) {
  std::size_t width = 0;
  for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return width;
}

void Put(std::FILE* out, std::string_view text) { std::fwrite(text.data(), 1, text.size(), out); }

void Pad(std::FILE* out, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) std::fputc(' ', out);
}

class TextWriter : public ReportWriter {
 public:
  TextWriter(std::vector<Column> columns, bool single, std::FILE* out)
      : m_columns(std::move(columns)), m_single(single), m_out(out) {}

  void Row(const std::vector<Cell>& cells) override {
    std::vector<std::string> texts;
    texts.reserve(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) texts.push_back(HumanText(m_columns[i], cells[i]));
    m_rows.push_back(std::move(texts));
  }

  void Finish() override { m_single ? WriteRecords() : WriteTable(); }

 private:
  // One "key  value" line per column, a blank line between records.
  void WriteRecords() {
    std::size_t keyWidth = 0;
    for (const Column& column : m_columns) keyWidth = std::max(keyWidth, column.key.size());
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
      if (r) Put(m_out, "\n");
      for (std::size_t i = 0; i < m_columns.size(); ++i) {
        Put(m_out, m_columns[i].key);
        Pad(m_out, keyWidth - m_columns[i].key.size() + 2);
        Put(m_out, m_rows[r][i]);
        Put(m_out, "\n");
      }
    }
  }

  // A header and aligned columns: names to the left, numbers to the right.
  void WriteTable() {
    std::vector<std::size_t> widths;
    for (const Column& column : m_columns) widths.push_back(column.key.size());
    for (const auto& row : m_rows)
      for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], Width(row[i]));
    std::vector<std::string> header;
    for (const Column& column : m_columns) header.push_back(column.key);
    WriteLine(header, widths);
    for (const auto& row : m_rows) WriteLine(row, widths);
  }

  void WriteLine(const std::vector<std::string>& texts, const std::vector<std::size_t>& widths) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const std::size_t room = widths[i] - Width(texts[i]);
      const bool last = i + 1 == texts.size();
      if (i) Pad(m_out, 2);
      if (m_columns[i].style == Style::Name) {
        Put(m_out, texts[i]);
        if (!last) Pad(m_out, room);
      } else {
        Pad(m_out, room);
        Put(m_out, texts[i]);
      }
    }
    Put(m_out, "\n");
  }

  std::vector<Column> m_columns;
  bool m_single;
  std::FILE* m_out;
  std::vector<std::vector<std::string>> m_rows;
};

class CsvWriter : public ReportWriter {
 public:
  CsvWriter(std::vector<Column> columns, std::FILE* out) : m_columns(std::move(columns)), m_out(out) {
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
      if (i) m_line += ',';
      m_line += CsvField(m_columns[i].key);
    }
    EndLine();
  }

  void Row(const std::vector<Cell>& cells) override {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i) m_line += ',';
      if (m_columns[i].style == Style::Name) {
        m_line += CsvField(cells[i].text);
      } else if (Present(cells[i])) {
        m_line += ShortestDecimal(*cells[i].number);
      }
    }
    EndLine();
  }

  void Finish() override {}

 private:
  void EndLine() {
    m_line += "\r\n";
    Put(m_out, m_line);
    m_line.clear();
  }

  std::vector<Column> m_columns;
  std::FILE* m_out;
  std::string m_line;
};

class JsonWriter : public ReportWriter {
 public:
  JsonWriter(std::vector<Column> columns, bool single, std::FILE* out)
      : m_columns(std::move(columns)), m_single(single), m_out(out) {}

  void Row(const std::vector<Cell>& cells) override {
    Json object = Json::object();
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const Column& column = m_columns[i];
      Json& value = object[column.key];
      if (column.style == Style::Name) {
        value = cells[i].text;
      } else if (!Present(cells[i])) {
        value = nullptr;
      } else if (column.style == Style::Count) {
        value = static_cast<long long>(*cells[i].number);
      } else {
        value = *cells[i].number;
      }
    }
    if (m_single) {
      Put(m_out, object.dump(2));
      Put(m_out, "\n");
      return;
    }
    // One object per line, so line tools can take a list apart too.
    Put(m_out, m_rows == 0 ? "[\n  " : ",\n  ");
    Put(m_out, object.dump());
    ++m_rows;
  }

  void Finish() override {
    if (!m_single) Put(m_out, m_rows == 0 ? "[]\n" : "\n]\n");
  }

 private:
  std::vector<Column> m_columns;
  bool m_single;
  std::FILE* m_out;
  std::size_t m_rows = 0;
};

}  // namespace

std::unique_ptr<ReportWriter> MakeReportWriter(OutputFormat format, std::vector<Column> columns, bool single,
                                               std::FILE* out) {
  switch (format) {
    case OutputFormat::Csv:
      return std::make_unique<CsvWriter>(std::move(columns), out);
    case OutputFormat::Json:
      return std::make_unique<JsonWriter>(std::move(columns), single, out);
    case OutputFormat::Text:
      break;
  }
  return std::make_unique<TextWriter>(std::move(columns), single, out);
}

std::string ShortestDecimal(double value) {
  char text[32];
  const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
  return result.ec == std::errc() ? std::string(text, result.ptr) : std::string();
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n\t") == std::string_view::npos) return std::string(text);
  std::string field = "\"";
  for (const char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  field += '"';
  return field;
}

std::string FieldBytesToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}
