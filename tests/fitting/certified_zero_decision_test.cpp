#include "fitting/certified_zero_test.h"

#include <gtest/gtest.h>

#include "../model_stack_defaults.h"

namespace {

constexpr ZeroRule kRules[] = {ZeroRule::ModulusMinimum, ZeroRule::RealSignChange, ZeroRule::None};

// Stencils of 25 m/s every 7 m/s over the default stack's range at three wave numbers, and
// every 0.05 m/s across its R and S_1 modes at 60 degrees: where the certified values decide,
// they decide as the 80-bit values do, and they decide almost everywhere.
TEST(CertifiedZeroTest, DecidesAsTheExtendedValuesWhereverItDecides) {
  std::vector<StackInputs> stencilStarts;
  for (long double scale : {0.6L, 1.0L, 1.3L})
    for (long double v = 3000; v < 6000; v += 7) {
      StackInputs in = DefaultStack(v);
      in.q *= scale;
      stencilStarts.push_back(in);
    }
  for (long double mode : {3689.9359L, 4542.0505L})
    for (long double v = mode - 50; v < mode; v += 0.05L) stencilStarts.push_back(DefaultStack(v));
  ComplexMatrix m;
  std::size_t decided = 0, asked = 0;
  for (const StackInputs& start : stencilStarts) {
    ZeroStencil exact;
    CertifiedDetG certified[3];
    for (int k = 0; k < 3; ++k) {
      StackInputs in = start;
      in.v = start.v + 25 * k;
      exact.v[k] = in.v;
      const ComplexLD det = EvaluateDetG(in, m, DetGNumerics::Reference);
      exact.absDet[k] = Modulus(det);
      if (k == 0) exact.reFirst = det.re;
      if (k == 2) exact.reThird = det.re;
      certified[k] = EvaluateDetGCertified(in);
    }
    for (ZeroRule rule : kRules) {
      const bool expected = ZeroAtMiddle(rule, SlopesOf(exact), exact.reFirst, exact.reThird);
      const std::optional<bool> decision = CertifiedZeroAtMiddle(rule, exact.v, certified);
      ++asked;
      if (!decision) continue;
      ++decided;
      ASSERT_EQ(*decision, expected) << "at " << static_cast<double>(start.v);
    }
  }
  EXPECT_GT(decided, asked * 9 / 10);
}

CertifiedDetG Certified(double re, double im, double rel) { return {true, re, im, rel}; }

TEST(CertifiedZeroTest, LeavesToTheExtendedValuesWhatTheBoundsCannotSettle) {
  const long double up[3] = {1000, 1025, 1050};
  const long double down[3] = {1050, 1025, 1000};
  const long double same[3] = {1000, 1000, 1000};
  // A minimum of the modulus; the real parts change sign.
  const CertifiedDetG minimum[3] = {Certified(-2, 1, 1e-9), Certified(0, 1, 1e-9),
                                    Certified(2, 1, 1e-9)};
  EXPECT_EQ(CertifiedZeroAtMiddle(ZeroRule::ModulusMinimum, up, minimum), true);
  EXPECT_EQ(CertifiedZeroAtMiddle(ZeroRule::RealSignChange, up, minimum), true);
  // Negative spacing: the same values are a maximum along the slopes.
  EXPECT_EQ(CertifiedZeroAtMiddle(ZeroRule::ModulusMinimum, down, minimum), false);
  // Coinciding velocities fault in 80 bits; an uncertified value may fault, under any rule.
  EXPECT_EQ(CertifiedZeroAtMiddle(ZeroRule::None, same, minimum), std::nullopt);
  CertifiedDetG oneUncertified[3] = {minimum[0], minimum[1], minimum[2]};
  oneUncertified[1].certified = false;
  EXPECT_EQ(CertifiedZeroAtMiddle(ZeroRule::None, up, oneUncertified), std::nullopt);
  EXPECT_EQ(CertifiedZeroAtMiddle(ZeroRule::None, up, minimum), false);

  // Moduli within their bounds of each other.
  const CertifiedDetG flat[3] = {Certified(1, 0, 1e-6), Certified(1 - 1e-7, 0, 1e-6),
                                 Certified(1, 0, 1e-6)};
  EXPECT_EQ(CertifiedZeroAtMiddle(ZeroRule::ModulusMinimum, up, flat), std::nullopt);
  // A real part that may be rounding noise: det_g purely imaginary within its bound.
  const CertifiedDetG noise[3] = {Certified(1e-12, -2, 1e-9), Certified(0, 1, 1e-9),
                                  Certified(-1e-12, 2, 1e-9)};
  EXPECT_EQ(CertifiedZeroAtMiddle(ZeroRule::RealSignChange, up, noise), std::nullopt);
  EXPECT_EQ(CertifiedZeroAtMiddle(ZeroRule::ModulusMinimum, up, noise), true);
}

}  // namespace
