#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "base/fp_fault.h"
#include "form/plot_scale.h"

namespace {

PlotScale OverlayScale() { return PlotScale(42, 401, 255, 265, 82, 3000, 60, 3000); }

void ExpectPixel(const std::optional<Pixel>& p, int x, int y) {
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->x, x);
  EXPECT_EQ(p->y, y);
}

}  // namespace

TEST(PlotScaleFields, FollowTheWrittenFormulas) {
  const PlotScale s = OverlayScale();
  EXPECT_EQ(s.xToWorldScale, 60.0L / 255.0L);
  EXPECT_EQ(s.xToWorldOffset, 82.0L - (60.0L / 255.0L) * 42.0L);
  EXPECT_EQ(s.yToWorldScale, -3000.0L / 265.0L);
  EXPECT_EQ(s.yToWorldOffset, 6000.0L - (-3000.0L / 265.0L) * 401.0L);
  EXPECT_EQ(s.xToPixelScale, 255.0L / 60.0L);
  EXPECT_EQ(s.xToPixelOffset, 42.0L - (255.0L / 60.0L) * 82.0L);
  EXPECT_EQ(s.yToPixelScale, -265.0L / 3000.0L);
  EXPECT_EQ(s.yToPixelOffset, 401.0L - 6000.0L * (-265.0L / 3000.0L));
}

TEST(PlotScaleFields, ZeroSpanIsDivisionByZero) {
  ClearFloatingPointFlags();
  try {
    PlotScale(42, 401, 255, 265, 82, 3000, 0, 3000);
    FAIL() << "no fault";
  } catch (const FloatingPointFault& fault) {
    EXPECT_EQ(fault.kind(), FloatingPointFault::Kind::DivisionByZero);
  }
  EXPECT_THROW(PlotScale(42, 401, 255, 265, 82, 3000, 60, 0), FloatingPointFault);
  EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
}

TEST(PlotScaleToPixel, OverlayCornersAndCentre) {
  const PlotScale s = OverlayScale();
  ExpectPixel(s.ToPixel(82, 3000), 42, 666);
  ExpectPixel(s.ToPixel(142, 6000), 297, 401);
  ExpectPixel(s.ToPixel(112, 4500), 169, 533);
}

TEST(PlotScaleToPixel, TruncatesTowardZero) {
  const PlotScale s(0, 0, 100, 100, 0, 0, 100, 100);
  ExpectPixel(s.ToPixel(-0.5L, 99.5L), 0, 0);  // -0.5 and 0.5 both give 0
  ExpectPixel(s.ToPixel(-1.5L, 50), -1, 50);
  ExpectPixel(s.ToPixel(10.99L, 0), 10, 100);
}

TEST(PlotScaleToPixel, NoPixelForNonFiniteOrHugeValues) {
  const PlotScale s = OverlayScale();
  const long double inf = std::numeric_limits<long double>::infinity();
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  ClearFloatingPointFlags();
  EXPECT_FALSE(s.ToPixel(inf, 3000).has_value());
  EXPECT_FALSE(s.ToPixel(82, -inf).has_value());
  EXPECT_FALSE(s.ToPixel(nan, 3000).has_value());
  EXPECT_FALSE(s.ToPixel(1e30L, 3000).has_value());
  EXPECT_FALSE(s.ToPixel(82, -1e30L).has_value());
  EXPECT_FALSE(s.ToPixel(std::numeric_limits<long double>::max(), 3000).has_value());
  EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
  EXPECT_NO_THROW(CheckFloatingPoint());
}

TEST(PlotScaleToPixel, KeepsFlagsRaisedBeforeIt) {
  const PlotScale s = OverlayScale();
  ClearFloatingPointFlags();
  volatile long double zero = 0;
  volatile long double q = 1 / zero;
  (void)q;
  ExpectPixel(s.ToPixel(82, 3000), 42, 666);
  EXPECT_THROW(CheckFloatingPoint(), FloatingPointFault);
}
