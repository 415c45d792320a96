#include "Report.h"

#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/NumberText.h"
#include "engnum/SignedText.h"
#include "files/CommandLine.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace {

using Json = nlohmann::ordered_json;

bool Present(const Cell& cell) { return cell.number && std::isfinite(*cell.number); }

void AppendHumanText(std::string& out, const Column& column, const Cell& cell) {
  if (column.style == Style::Name) {
    out += ShownText(cell.text);
  } else if (!cell.text.empty()) {
    out += ShownText(FieldBytesToUtf8(cell.text));
  } else if (!Present(cell)) {
    out += '-';
  } else if (column.style == Style::Eng) {
    char text[kEngTextSize];
    out += FieldBytesToUtf8(FormatEngValue(*cell.number, 6, text));
  } else if (column.style == Style::Score) {
    char text[kEngTextSize];
    WriteGeneral(*cell.number, 4, text, sizeof text);
    out += text;
  } else if (column.style == Style::Db) {
    out += SignedFixed(*cell.number, 2);
  } else {
    out += FormatFixed(*cell.number, column.style == Style::Q ? 6 : 0);
  }
}

// Characters on screen: UTF-8 continuation bytes take no room.
std::size_t Width(std::string_view text) {
  std::size_t width = 0;
  for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return width;
}

void Put(std::FILE* out, std::string_view text) { std::fwrite(text.data(), 1, text.size(), out); }

class TextWriter : public ReportWriter {
 public:
  TextWriter(std::vector<Column> columns, bool single, std::FILE* out)
      : m_columns(std::move(columns)), m_single(single), m_out(out) {}

  void Reserve(std::size_t rows) override {
    m_text.reserve(rows * m_columns.size() * 9);
    m_lengths.reserve(rows * m_columns.size());
  }

  void Row(const std::vector<Cell>& cells) override {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const std::size_t begin = m_text.size();
      AppendHumanText(m_text, m_columns[i], cells[i]);
      m_lengths.push_back(static_cast<std::uint32_t>(m_text.size() - begin));
    }
  }

  void Finish() override { m_single ? WriteRecords() : WriteTable(); }

 private:
  // Every cell's text in turn, row by row.
  template <typename Visit>
  void ForEachCell(Visit visit) const {
    std::size_t begin = 0;
    for (std::size_t cell = 0; cell < m_lengths.size(); ++cell) {
      visit(cell % m_columns.size(), std::string_view(m_text).substr(begin, m_lengths[cell]));
      begin += m_lengths[cell];
    }
  }

  // One "key  value" line per column, a blank line between records.
  void WriteRecords() {
    std::size_t keyWidth = 0;
    for (const Column& column : m_columns) keyWidth = std::max(keyWidth, column.key.size());
    bool first = true;
    ForEachCell([&](std::size_t column, std::string_view text) {
      if (column == 0 && !first) m_line += '\n';
      first = false;
      m_line += m_columns[column].key;
      m_line.append(keyWidth - m_columns[column].key.size() + 2, ' ');
      m_line += text;
      m_line += '\n';
      Flush();
    });
  }

  // A header and aligned columns: names to the left, numbers to the right.
  void WriteTable() {
    std::vector<std::size_t> widths;
    for (const Column& column : m_columns) widths.push_back(column.key.size());
    ForEachCell([&](std::size_t column, std::string_view text) {
      widths[column] = std::max(widths[column], Width(text));
    });
    for (std::size_t i = 0; i < m_columns.size(); ++i) AppendCell(i, m_columns[i].key, widths[i]);
    ForEachCell([&](std::size_t column, std::string_view text) { AppendCell(column, text, widths[column]); });
  }

  void AppendCell(std::size_t column, std::string_view text, std::size_t width) {
    const std::size_t room = width - Width(text);
    const bool last = column + 1 == m_columns.size();
    if (column != 0) m_line += "  ";
    if (m_columns[column].style == Style::Name) {
      m_line += text;
      if (!last) m_line.append(room, ' ');
    } else {
      m_line.append(room, ' ');
      m_line += text;
    }
    if (last) {
      m_line += '\n';
      Flush();
    }
  }

  void Flush() {
    Put(m_out, m_line);
    m_line.clear();
  }

  std::vector<Column> m_columns;
  bool m_single;
  std::FILE* m_out;
  // Every cell's text, one after another, and the length of each.
  std::string m_text;
  std::vector<std::uint32_t> m_lengths;
  std::string m_line;
};

class CsvWriter : public ReportWriter {
 public:
  CsvWriter(std::vector<Column> columns, std::FILE* out) : m_columns(std::move(columns)), m_out(out) {
    // CRLF as written: a Windows text stream would make it "\r\r\n".
    SetBinaryMode(m_out);
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
    // One object whose values are replaced row by row: its keys are made once.
    if (m_object.empty())
      for (const Column& column : m_columns) m_object[column.key] = nullptr;
    std::size_t i = 0;
    for (auto& [key, value] : m_object.items()) {
      const Column& column = m_columns[i];
      const Cell& cell = cells[i++];
      if (column.style == Style::Name) {
        value = cell.text;
      } else if (!Present(cell)) {
        value = nullptr;
      } else if (column.style == Style::Count) {
        value = static_cast<long long>(*cell.number);
      } else {
        value = *cell.number;
      }
    }
    const Json& object = m_object;
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
  Json m_object = Json::object();
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

std::string ShortestDecimal(double value) { return FormatShortest(value); }

std::string CsvField(std::string_view text) {
  // A control byte is kept, but inside quotes, so that no reader takes it
  // for part of the file's structure.
  const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || c == ',' || c == '"';
  });
  if (plain) return std::string(text);
  std::string field = "\"";
  for (const char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  field += '"';
  return field;
}
