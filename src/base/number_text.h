#pragma once
#include <string>

// Significant-digit counts of the program's fields and trace file.
inline constexpr int DigitsPrecise = 10;
inline constexpr int DigitsHandyRange = 4;
inline constexpr int DigitsValue = 4;
inline constexpr int DigitsCorrelator = 10;
inline constexpr int DigitsShortLabel = 3;
inline constexpr int DigitsLongLabel = 5;

// A 30-character conversion buffer.
struct NumberBuffer {
  char text[30] = {};
};
extern NumberBuffer NumberBufferA;  // every significant-digit conversion
extern NumberBuffer NumberBufferB;  // the second column of a trace-file line

// %g with the digit count as precision, "." as the point whatever the locale;
// "+INF", "-INF", "+NAN", "-NAN" for the non-finite values. Writes the buffer and returns it.
std::string FormatSignificant(long double value, int digits, NumberBuffer& buffer = NumberBufferA);

// value x scale in fixed notation with the given decimals (exponent form past 18 integer digits).
std::string FormatFixed(long double value, long double scale, int decimals);

// "re  + j im" or "re  - j |im|", both parts by FormatFixed.
std::string FormatComplex(long double re, long double im, long double scale, int decimals);

// The number of a field: the longest prefix [spaces][sign]digits[.digits][(e|E)[sign]digits]
// as a double; empty or non-numeric text is 0; a decimal comma ends the number. C locale always.
long double ReadNumber(const std::string& text);
