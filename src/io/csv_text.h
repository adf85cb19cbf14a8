#pragma once
#include <initializer_list>
#include <string>

// The cells of the CSV files the program writes: "," between cells, "." as decimal point.

// A number with 17 significant digits: the double it rounds to comes back exactly when read.
std::string CsvNumber(long double value);

// One line of cells, ended by a line break.
std::string CsvRow(std::initializer_list<std::string> cells);

// A cell in double quotes when it holds a separator, a quote or a line break.
std::string CsvCell(const std::string& text);
