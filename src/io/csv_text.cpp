#include "io/csv_text.h"

#include "base/number_text.h"

std::string CsvNumber(long double value) {
  constexpr int kCsvDigits = 17;
  return FormatSignificant(value, kCsvDigits);
}

std::string CsvRow(std::initializer_list<std::string> cells) {
  std::string row;
  for (const std::string& cell : cells) {
    if (&cell != cells.begin()) row += ',';
    row += cell;
  }
  return row + '\n';
}

std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}
