#include "io/measured_import.h"

#include <array>
#include <cmath>
#include <vector>

#include "base/number_text.h"
#include "io/text_file.h"

namespace {

constexpr std::size_t kCells = std::tuple_size_v<MeasuredRow>;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Trimmed(const std::string& s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

std::size_t SkipDigits(const std::string& s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// [sign] digits [. digits] [(e|E) [sign] digits], at least one mantissa digit, nothing else.
bool IsNumber(const std::string& s) {
  const std::size_t signEnd = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  const std::size_t intEnd = SkipDigits(s, signEnd);
  std::size_t end = intEnd;
  std::size_t mantissaDigits = intEnd - signEnd;
  if (end < s.size() && s[end] == '.') {
    end = SkipDigits(s, intEnd + 1);
    mantissaDigits += end - (intEnd + 1);
  }
  if (mantissaDigits == 0) return false;
  if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
    std::size_t e = end + 1;
    if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
    end = SkipDigits(s, e);
    if (end == e) return false;
  }
  return end == s.size();
}

std::string Unquoted(const std::string& cell) {
  if (cell.size() < 2 || cell.front() != '"' || cell.back() != '"') return cell;
  std::string out;
  for (std::size_t k = 1; k + 1 < cell.size(); ++k) {
    out += cell[k];
    if (cell[k] == '"' && cell[k + 1] == '"') ++k;
  }
  return out;
}

std::vector<std::string> Cells(const std::string& line, char separator) {
  std::vector<std::string> cells;
  if (separator == ' ') {
    for (std::size_t i = 0; i < line.size();) {
      while (i < line.size() && IsBlank(line[i])) ++i;
      const std::size_t start = i;
      while (i < line.size() && !IsBlank(line[i])) ++i;
      if (i > start) cells.push_back(Unquoted(line.substr(start, i - start)));
    }
    return cells;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = line.find(separator, start);
    cells.push_back(Unquoted(Trimmed(line.substr(start, end - start))));
    if (end == std::string::npos) return cells;
    start = end + 1;
  }
}

char SeparatorOf(const std::string& line) {
  if (line.find(';') != std::string::npos) return ';';
  if (line.find(',') != std::string::npos) return ',';
  return ' ';
}

// A header names the columns: none of its cells is a number. A first line with numbers and
// one bad cell is a measurement with a fault, not a header to be skipped.
bool IsHeader(const std::vector<std::string>& cells) {
  for (const std::string& c : cells)
    if (c.empty() || IsNumber(c)) return false;
  return true;
}

// Empty when the cells form a measurement row, else the reason.
std::string RowError(const std::vector<std::string>& cells) {
  if (cells.size() != kCells)
    return std::to_string(cells.size()) + " columns, expected 5 (angle, R, +/- R, S_1, +/- S_1)";
  for (const std::string& c : cells) {
    if (c.empty()) continue;
    if (!IsNumber(c)) return "\"" + c + "\" is not a number";
    if (!std::isfinite(static_cast<double>(ReadNumber(c)))) return c + " is out of range";
  }
  return "";
}

ImportResult Failure(int line, const std::string& why) {
  ImportResult r;
  r.error = "line " + std::to_string(line) + ": " + why;
  return r;
}

}  // namespace

ImportResult ImportMeasuredData(const std::string& fileText) {
  const std::string text = WithoutByteOrderMark(fileText);
  std::vector<MeasuredRow> rows;
  bool seenLine = false;
  int lineNumber = 0;
  for (std::size_t start = 0; start <= text.size(); ++lineNumber) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trimmed(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    const std::vector<std::string> cells = Cells(line, SeparatorOf(line));
    const bool header = !seenLine && IsHeader(cells);
    seenLine = true;
    if (header) continue;
    if (const std::string why = RowError(cells); !why.empty()) return Failure(lineNumber + 1, why);
    if (rows.size() == kMaxMeasuredRows)
      return Failure(lineNumber + 1, "more than fourteen measurement rows");
    MeasuredRow row;
    for (std::size_t k = 0; k < kCells; ++k) row[k] = cells[k];
    rows.push_back(row);
  }
  if (rows.empty()) {
    ImportResult r;
    r.error = "the file holds no measurement rows";
    return r;
  }
  ImportResult r;
  r.ok = true;
  r.rows = std::move(rows);
  return r;
}

ImportResult ImportMeasuredFile(const std::string& path) {
  std::string text;
  ImportResult r;
  if (!ReadTextFile(path, text, r.error)) return r;
  return ImportMeasuredData(text);
}
