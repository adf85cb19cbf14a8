#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fitting/zero_filter.h"
#include "fitting/zero_test.h"

namespace {
// Moduli of a synthetic det_g |v - v0| sampled at v, v + h, v + 2h.
ZeroStencil VShaped(long double v, long double h, long double v0, long double reFirst = 1,
                    long double reThird = 1) {
  ZeroStencil s;
  for (int k = 0; k < 3; ++k) {
    s.v[k] = v + k * h;
    s.absDet[k] = fabsl(s.v[k] - v0);
  }
  s.reFirst = reFirst;
  s.reThird = reThird;
  return s;
}

bool Fires(ZeroRule rule, const ZeroStencil& s) {
  return ZeroAtMiddle(rule, SlopesOf(s), s.reFirst, s.reThird);
}
}  // namespace

TEST(FittingZeroRule, ItemsMapToRules) {
  EXPECT_EQ(ZeroRuleOfItem(0), ZeroRule::ModulusMinimum);
  EXPECT_EQ(ZeroRuleOfItem(1), ZeroRule::ModulusMinimum);
  EXPECT_EQ(ZeroRuleOfItem(2), ZeroRule::RealSignChange);
  EXPECT_EQ(ZeroRuleOfItem(-1), ZeroRule::None);
  EXPECT_EQ(ZeroRuleOfItem(3), ZeroRule::None);
}

TEST(FittingZeroRule, VShapedZeroFiresWithinHalfASpacingOfTheMiddle) {
  // Stencil 4000, 4025, 4050: |v - v0| falls then rises only for 4012.5 < v0 < 4037.5.
  for (long double v0 : {4012.6L, 4020.0L, 4025.0L, 4037.4L})
    EXPECT_TRUE(Fires(ZeroRule::ModulusMinimum, VShaped(4000, 25, v0))) << static_cast<double>(v0);
  for (long double v0 : {3990.0L, 4012.5L, 4037.5L, 4049.5L, 4060.0L})
    EXPECT_FALSE(Fires(ZeroRule::ModulusMinimum, VShaped(4000, 25, v0))) << static_cast<double>(v0);
}

TEST(FittingZeroRule, MaximumOfModulusNeedsRealMode) {
  ZeroStencil peak = VShaped(4000, 25, 4025, 2, -3);
  for (long double& a : peak.absDet) a = 100 - a;
  EXPECT_FALSE(Fires(ZeroRule::ModulusMinimum, peak));
  EXPECT_TRUE(Fires(ZeroRule::RealSignChange, peak));
  peak.reThird = 3;  // no sign change of the real part
  EXPECT_FALSE(Fires(ZeroRule::RealSignChange, peak));
  EXPECT_FALSE(Fires(ZeroRule::None, VShaped(4000, 25, 4025)));
}

TEST(FittingZeroRule, FlatNeighboursGiveNoZero) {
  ZeroStencil s = VShaped(4000, 25, 4025);
  s.absDet[1] = s.absDet[0];  // slopeLow exactly 0
  EXPECT_FALSE(Fires(ZeroRule::ModulusMinimum, s));
  s.reThird = -1;
  EXPECT_FALSE(Fires(ZeroRule::RealSignChange, s));
}

TEST(FittingZeroRule, NegativeSpacingFiresOnMaxima) {
  ZeroStencil peak = VShaped(4050, -25, 4025);
  for (long double& a : peak.absDet) a = 100 - a;
  EXPECT_TRUE(Fires(ZeroRule::ModulusMinimum, peak));
  EXPECT_FALSE(Fires(ZeroRule::ModulusMinimum, VShaped(4050, -25, 4025)));
}

TEST(FittingZeroRule, SlopesUseTheStoredVelocities) {
  ZeroStencil s;
  s.v[0] = 1, s.v[1] = 3, s.v[2] = 7;
  s.absDet[0] = 10, s.absDet[1] = 4, s.absDet[2] = 8;
  const StencilSlopes slopes = SlopesOf(s);
  EXPECT_EQ(slopes.low, -3.0L);
  EXPECT_EQ(slopes.high, 1.0L);
}

TEST(FittingZeroFilter, VelocityBoundsAreStrict) {
  const long double none[4] = {};
  EXPECT_FALSE(PassesZeroFilter(3000, 3000, 6000, none, none, 0));
  EXPECT_FALSE(PassesZeroFilter(6000, 3000, 6000, none, none, 0));
  EXPECT_TRUE(PassesZeroFilter(3000.001L, 3000, 6000, none, none, 0));
  EXPECT_TRUE(PassesZeroFilter(5999.999L, 3000, 6000, none, none, 0));
  // A zero never found yet (0) is outside every positive range.
  EXPECT_FALSE(PassesZeroFilter(0, 3000, 6000, none, none, 0));
  EXPECT_FALSE(PassesZeroFilter(std::numeric_limits<long double>::quiet_NaN(), 3000, 6000, none,
                                none, 0));
}

TEST(FittingZeroFilter, BulkSeparationIsStrictForEveryBulkVelocity) {
  const long double vt[4] = {6427.3L, 3263.7L, 2520.7L, 1012.9L};
  const long double vl[4] = {11177.5L, 6542.3L, 5360.1L, 3086.0L};
  EXPECT_FALSE(PassesZeroFilter(3263.7L, 1000, 12000, vt, vl, 0));  // equal, separation 0
  EXPECT_TRUE(PassesZeroFilter(3263.8L, 1000, 12000, vt, vl, 0));
  EXPECT_FALSE(PassesZeroFilter(5360.1L + 40, 1000, 12000, vt, vl, 40));  // exactly 40 away
  EXPECT_TRUE(PassesZeroFilter(5360.1L + 40.5L, 1000, 12000, vt, vl, 40));
  EXPECT_FALSE(PassesZeroFilter(3086.0L - 39, 1000, 12000, vt, vl, 40));  // last of the eight
  EXPECT_TRUE(PassesZeroFilter(4500, 1000, 12000, vt, vl, 40));
}
