#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engnum/QuotedText.h"

// A report is named columns and rows of cells, written for people (aligned
// text) or for programs (CSV, JSON). Programs get numbers in SI base units as
// the shortest text that reads back to the same double; people get them as
// the window writes them.

enum class OutputFormat { Text, Csv, Json };

enum class Style {
  Name,   // a UTF-8 string, the same in every format
  Eng,    // engineering notation at six digits ("18.4848k")
  Q,      // six decimals
  Db,     // two decimals and a sign, as the window writes levels
  Count,  // a whole number
  Score   // four significant digits
};

struct Column {
  std::string key;
  Style style;
};

struct Cell {
  std::optional<double> number;  // none: the figure does not exist
  std::string text;  // Name columns: the string; others: the window's text if set (8-bit field bytes)
};

// Streams rows to `out`. Text buffers them to size its columns.
class ReportWriter {
 public:
  virtual ~ReportWriter() = default;
  // A hint of how many rows will come.
  virtual void Reserve(std::size_t) {}
  virtual void Row(const std::vector<Cell>& cells) = 0;
  // Writes what is buffered and closes the report.
  virtual void Finish() = 0;
};

// `single`: the report is one record (a JSON object, text as name-value lines)
// rather than a list of them (a JSON array).
std::unique_ptr<ReportWriter> MakeReportWriter(OutputFormat format, std::vector<Column> columns, bool single,
                                               std::FILE* out);

// The shortest decimal text that reads back to `value` exactly, locale-free.
std::string ShortestDecimal(double value);

// One RFC 4180 field: quoted when it holds a comma, quote, CR, LF or tab,
// with quotes doubled.
std::string CsvField(std::string_view text);
