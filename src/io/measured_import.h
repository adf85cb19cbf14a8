#pragma once
#include <array>
#include <string>
#include <vector>

// The cells of one measurement row as typed: angle, R, +/- R, S_1, +/- S_1.
using MeasuredRow = std::array<std::string, 5>;
inline constexpr std::size_t kMaxMeasuredRows = 14;

struct ImportResult {
  bool ok = false;
  std::string error;               // "line 7: ..." when not ok
  std::vector<MeasuredRow> rows;   // at most kMaxMeasuredRows
};

// Reads the measured-data table A1..A14 from text: one row per measurement with the columns
// angle (deg), R, +/- R, S_1, +/- S_1 (GHz). A line with a semicolon is split at semicolons,
// else one with a comma at commas, else at whitespace. The first non-blank line is a header
// when none of its cells is empty or a number. Numbers have a "." as decimal point and fill their cell
// entirely; an empty CSV cell leaves the field empty; a cell in double quotes is taken without
// them. Blank lines are skipped, CR LF is accepted. Row n goes into column An and the columns
// past the last row are cleared. Too many rows, no rows, a wrong column count or a bad cell
// change nothing. Only the fields are written: the caller runs "Take starting data"
// afterwards so that the measured data reach the state.
ImportResult ImportMeasuredData(const std::string& fileText);
ImportResult ImportMeasuredFile(const std::string& path);
