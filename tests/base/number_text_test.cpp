#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "base/number_text.h"

TEST(NumberTextSignificant, FollowsPercentGWithTheDigitCount) {
  EXPECT_EQ(FormatSignificant(12346, 4), "1.235e+04");
  EXPECT_EQ(FormatSignificant(3000, 4), "3000");
  EXPECT_EQ(FormatSignificant(694.4L, 4), "694.4");
  EXPECT_EQ(FormatSignificant(109.5L, 10), "109.5");
  EXPECT_EQ(FormatSignificant(1e126L, 3), "1e+126");
  EXPECT_EQ(FormatSignificant(2e126L, 4), "2e+126");
  EXPECT_EQ(FormatSignificant(0.000012345L, 3), "1.23e-05");
  EXPECT_EQ(FormatSignificant(0.00012345L, 3), "0.000123");
  EXPECT_EQ(FormatSignificant(56.55L, 4), "56.55");
  EXPECT_EQ(FormatSignificant(-297.6L, 4), "-297.6");
  EXPECT_EQ(FormatSignificant(0, 4), "0");
  EXPECT_EQ(FormatSignificant(25.0625L, 10), "25.0625");
  EXPECT_EQ(FormatSignificant(25.0625L, 4), "25.06");
}

TEST(NumberTextSignificant, RoundTripsThroughReadNumber) {
  EXPECT_EQ(ReadNumber(FormatSignificant(12346, 4)), 12350.0L);
  EXPECT_EQ(ReadNumber(FormatSignificant(518.32L, 4)), static_cast<long double>(518.3));
}

TEST(NumberTextSignificant, NonFiniteValuesAndBuffers) {
  const long double inf = std::numeric_limits<long double>::infinity();
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  EXPECT_EQ(FormatSignificant(inf, 4), "+INF");
  EXPECT_EQ(FormatSignificant(-inf, 4), "-INF");
  EXPECT_EQ(FormatSignificant(nan, 4), "+NAN");
  EXPECT_EQ(FormatSignificant(-nan, 4), "-NAN");
  // Beyond the double range the extended value becomes infinite on conversion.
  EXPECT_EQ(FormatSignificant(1e400L, 10), "+INF");

  FormatSignificant(3263.7L, 5, NumberBufferB);
  FormatSignificant(1.0L, 5);
  EXPECT_STREQ(NumberBufferB.text, "3263.7");
  EXPECT_STREQ(NumberBufferA.text, "1");
  // The longest text of the digit counts in use fits the 30-character buffer.
  EXPECT_EQ(FormatSignificant(-1.234567891e-300L, DigitsPrecise), "-1.234567891e-300");
}

TEST(NumberTextFixed, DecimalsSignAndExponentForm) {
  EXPECT_EQ(FormatFixed(6427.27L, 1, 1), "6427.3");
  EXPECT_EQ(FormatFixed(3263.70L, 1, 1), "3263.7");
  EXPECT_EQ(FormatFixed(1.5L, 1, 3), "1.500");
  EXPECT_EQ(FormatFixed(-2.25L, 2, 2), "-4.50");
  EXPECT_EQ(FormatFixed(0.4L, 1, 0), "0");
  EXPECT_EQ(FormatFixed(0, 1, 1), "0.0");
  EXPECT_EQ(FormatFixed(-0.01L, 1, 1), "0.0");
  EXPECT_EQ(FormatFixed(999999999999999999.0L, 1, 0), "999999999999999999");
  EXPECT_EQ(FormatFixed(1e20L, 1, 2), "1.00000000000000000e+20");
  EXPECT_EQ(FormatFixed(-3e137L, 1, 3), "-3.00000000000000000e+137");
}

TEST(NumberTextComplex, SignOfTheImaginaryPart) {
  EXPECT_EQ(FormatComplex(1.5L, -2, 1, 3), "1.500  - j 2.000");
  EXPECT_EQ(FormatComplex(1.5L, 0, 1, 3), "1.500  + j 0.000");
  EXPECT_EQ(FormatComplex(-1, 2, 10, 1), "-10.0  + j 20.0");
}

TEST(NumberTextRead, LongestNumericPrefix) {
  EXPECT_EQ(ReadNumber("3970"), 3970.0L);
  EXPECT_EQ(ReadNumber("  -3.0E+137"), static_cast<long double>(-3.0e137));
  EXPECT_EQ(ReadNumber("1.0E+126"), static_cast<long double>(1.0e126));
  EXPECT_EQ(ReadNumber("0.82"), static_cast<long double>(0.82));
  EXPECT_EQ(ReadNumber("+25.0"), 25.0L);
  EXPECT_EQ(ReadNumber(".5"), 0.5L);
  EXPECT_EQ(ReadNumber("5."), 5.0L);
  EXPECT_EQ(ReadNumber("12abc"), 12.0L);
  EXPECT_EQ(ReadNumber("2e"), 2.0L);
  EXPECT_EQ(ReadNumber("2e+"), 2.0L);
  EXPECT_EQ(ReadNumber("2E3x"), 2000.0L);
  EXPECT_EQ(ReadNumber("\t7"), 7.0L);
}

TEST(NumberTextRead, NonNumericTextIsZero) {
  EXPECT_EQ(ReadNumber(""), 0.0L);
  EXPECT_EQ(ReadNumber("abc"), 0.0L);
  EXPECT_EQ(ReadNumber("-"), 0.0L);
  EXPECT_EQ(ReadNumber("."), 0.0L);
  EXPECT_EQ(ReadNumber("e5"), 0.0L);
  EXPECT_EQ(ReadNumber("0x10"), 0.0L);
  EXPECT_EQ(ReadNumber("inf"), 0.0L);
  EXPECT_EQ(ReadNumber("nan"), 0.0L);
}

TEST(NumberTextRead, CommaEndsTheNumber) {
  EXPECT_EQ(ReadNumber("0,82"), 0.0L);
  EXPECT_EQ(ReadNumber("1,5"), 1.0L);
}

TEST(NumberTextRead, OutOfRangeLeavesNoFaultFlag) {
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_TRUE(std::isinf(ReadNumber("1e4932")));
  EXPECT_GT(ReadNumber("1e4932"), 0);
  EXPECT_LT(ReadNumber("-1e400"), 0);
  EXPECT_EQ(ReadNumber("1e-400"), 0.0L);
  EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
}

TEST(NumberTextRead, KeepsFlagsRaisedBeforeTheRead) {
  std::feclearexcept(FE_ALL_EXCEPT);
  std::feraiseexcept(FE_DIVBYZERO);
  ReadNumber("1e4932");
  EXPECT_NE(std::fetestexcept(FE_DIVBYZERO), 0);
  EXPECT_EQ(std::fetestexcept(FE_OVERFLOW), 0);
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(NumberTextLocale, CommaLocaleChangesNothing) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const char* candidates[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "pl_PL.UTF-8", "de_DE"};
  const char* found = nullptr;
  for (const char* name : candidates) {
    if (std::setlocale(LC_ALL, name)) { found = name; break; }
  }
  ASSERT_NE(found, nullptr) << "no locale with a decimal comma: scripts/setup generates one";
  const std::string sig = FormatSignificant(694.4L, 4);
  const std::string fixed = FormatFixed(6427.27L, 1, 1);
  const long double read = ReadNumber("25.5");
  const long double readComma = ReadNumber("0,82");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(sig, "694.4");
  EXPECT_EQ(fixed, "6427.3");
  EXPECT_EQ(read, 25.5L);
  EXPECT_EQ(readComma, 0.0L);
}
