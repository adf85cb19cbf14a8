#include "base/number_text.h"

#include <algorithm>
#include <cctype>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

NumberBuffer NumberBufferA;
NumberBuffer NumberBufferB;

namespace {

// The texts of the values that have no digits.
const char* NonFiniteText(long double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-NAN" : "+NAN";
  return value < 0 ? "-INF" : "+INF";
}

// "-0.0" and the like: a negative value that rounds to zero is shown without its sign.
void DropSignOfZero(std::string& text) {
  if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) {
    text.erase(0, 1);
  }
}

// Past 18 integer digits the fixed form gives way to 18 significant digits in exponent form.
constexpr int kFixedIntegerDigits = 18;

std::string FixedText(long double value, int decimals) {
  char text[6000];  // the fixed form of the largest long double with its decimals
  auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string fixed(text, result.ptr);
  const std::size_t point = fixed.find('.');
  const std::size_t integerDigits =
      (point == std::string::npos ? fixed.size() : point) - (fixed[0] == '-' ? 1 : 0);
  if (integerDigits > kFixedIntegerDigits) {
    result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                           kFixedIntegerDigits - 1);
    return std::string(text, result.ptr);
  }
  DropSignOfZero(fixed);
  return fixed;
}

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return locale;
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::size_t SkipDigits(const std::string& text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Length of the longest prefix [spaces][sign]digits[.digits][(e|E)[sign]digits]; 0 when the
// text does not start with a number. A mantissa needs a digit before or after the point.
std::size_t NumericPrefixLength(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t intStart = i;
  i = SkipDigits(text, i);
  bool hasDigits = i > intStart;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fracStart = i + 1;
    const std::size_t fracEnd = SkipDigits(text, fracStart);
    if (hasDigits || fracEnd > fracStart) i = fracEnd;
    hasDigits = hasDigits || fracEnd > fracStart;
  }
  if (!hasDigits) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t e = i + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const std::size_t expEnd = SkipDigits(text, e);
    if (expEnd > e) i = expEnd;
  }
  return i;
}

}  // namespace

std::string FormatSignificant(long double value, int digits, NumberBuffer& buffer) {
  const double d = static_cast<double>(value);
  std::string text;
  if (!std::isfinite(d)) {
    text = NonFiniteText(d);
  } else {
    char scratch[400];  // %g of any double at any precision the callers use
    const auto result = std::to_chars(scratch, scratch + sizeof scratch, d,
                                      std::chars_format::general, digits);
    text.assign(scratch, result.ptr);
  }
  const std::size_t length = std::min(text.size(), sizeof buffer.text - 1);
  std::memcpy(buffer.text, text.data(), length);
  buffer.text[length] = '\0';
  return buffer.text;
}

std::string FormatFixed(long double value, long double scale, int decimals) {
  const long double product = value * scale;
  if (!std::isfinite(product)) return NonFiniteText(product);
  return FixedText(product, decimals);
}

std::string FormatComplex(long double re, long double im, long double scale, int decimals) {
  return FormatFixed(re, scale, decimals) + (im < 0 ? "  - " : "  + ") + "j" + " " +
         FormatFixed(std::fabs(im), scale, decimals);
}

long double ReadNumber(const std::string& text) {
  const std::size_t length = NumericPrefixLength(text);
  if (length == 0) return 0;
  const std::string prefix = text.substr(0, length);
  // An out-of-range text reads as +-HUGE_VAL or a tiny value, as strtod gives it; the
  // flags the conversion raises must not be taken for a fault of the caller's computation.
  std::fexcept_t flags;
  std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
  const double value = strtod_l(prefix.c_str(), nullptr, CLocale());
  std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
  return value;
}
