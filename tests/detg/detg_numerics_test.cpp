#include <cfenv>
#include <cmath>

#include <gtest/gtest.h>

#include "detg/bulk_velocity.h"
#include "detg/det_value.h"
#include "detg/velocity_grid.h"
#include "base/fp_fault.h"

TEST(DetgValueOfDet, ThreeRepresentations) {
  const ComplexLD d{3, -4};
  EXPECT_NEAR(static_cast<double>(ValueOfDet(d, DetRepresentation::LgAbs)), std::log(5.0), 1e-15);
  EXPECT_EQ(ValueOfDet(d, DetRepresentation::Abs), 5.0L);
  EXPECT_EQ(ValueOfDet(d, DetRepresentation::Real), 3.0L);
  // The starting value 0 + 1i of every scan sits on the line ln|D| = 0.
  EXPECT_EQ(ValueOfDet({0, 1}, DetRepresentation::LgAbs), 0.0L);
}

TEST(DetgValueOfDet, ZeroModulusIsMinusInfinityWithoutFault) {
  ClearFloatingPointFlags();
  const long double y = ValueOfDet({0, 0}, DetRepresentation::LgAbs);
  EXPECT_TRUE(std::isinf(y) && y < 0);
  EXPECT_NO_THROW(CheckFloatingPoint());
}

TEST(DetgYAxis, LogarithmicLimitsOfTheDefaults) {
  const DetAxisY y = DetYAxis(DetRepresentation::LgAbs, 1.0e126L, 1.0e150L, -3e137L, 2e138L);
  EXPECT_NEAR(static_cast<double>(y.min), 290.1257, 1e-3);
  EXPECT_NEAR(static_cast<double>(y.max), 345.3878, 1e-3);
  const DetAxisY lin = DetYAxis(DetRepresentation::Real, 0, 0, -3e137L, 2e138L);
  EXPECT_EQ(lin.min, -3e137L);
  EXPECT_EQ(lin.max, 2e138L);
}

TEST(DetgYAxis, RefusesLimitsWithoutLogarithm) {
  EXPECT_THROW(DetYAxis(DetRepresentation::LgAbs, 0, 1e150L, 0, 0), RefusedInput);
  EXPECT_THROW(DetYAxis(DetRepresentation::LgAbs, 1e126L, -1, 0, 0), RefusedInput);
  EXPECT_THROW(DetYAxis(DetRepresentation::LgAbs, 1e126L, HUGE_VALL, 0, 0), RefusedInput);
  // The same fields are never read in the linear representations.
  EXPECT_NO_THROW(DetYAxis(DetRepresentation::Abs, 0, -1, -1, 1));
}

TEST(DetgSegment, StrictTestsOnAllSixBounds) {
  const DetAxisY y{0, 10};
  EXPECT_TRUE(SegmentInsideLimits({1, 2, 3, 4}, y, 0, 5));
  EXPECT_FALSE(SegmentInsideLimits({1, 0, 3, 4}, y, 0, 5));   // start on the lower limit
  EXPECT_FALSE(SegmentInsideLimits({1, 2, 3, 10}, y, 0, 5));  // end on the upper limit
  EXPECT_FALSE(SegmentInsideLimits({-1, 2, 0, 4}, y, 0, 5));  // end on v_min: first point
  EXPECT_FALSE(SegmentInsideLimits({4, 2, 5, 4}, y, 0, 5));   // end on v_max
  EXPECT_FALSE(SegmentInsideLimits({1, -HUGE_VALL, 3, 4}, y, 0, 5));
  EXPECT_FALSE(SegmentInsideLimits({1, 2, 3, NAN}, y, 0, 5));
}

TEST(DetgBulkVelocity, DefaultsAndFaults) {
  ClearFloatingPointFlags();
  EXPECT_NEAR(static_cast<double>(*BulkVelocity(164, 3970)), 6427.27, 0.01);
  EXPECT_NEAR(static_cast<double>(*BulkVelocity(109.5L, 10280)), 3263.70, 0.01);
  EXPECT_EQ(*BulkVelocity(0, 3970), 0.0L);
  try {
    BulkVelocity(164, 0);
    FAIL() << "a zero density must fault";
  } catch (const FloatingPointFault& f) {
    EXPECT_EQ(f.kind(), FloatingPointFault::Kind::DivisionByZero);
  }
  EXPECT_THROW(BulkVelocity(0, 0), FloatingPointFault);
  // An imaginary velocity: no value and no flag left for the next check.
  EXPECT_FALSE(BulkVelocity(-109.5L, 10280).has_value());
  EXPECT_FALSE(BulkVelocity(109.5L, -10280).has_value());
  EXPECT_NO_THROW(CheckFloatingPoint());
}

TEST(DetgVelocityGrid, RefusesGridsThatNeverEnd) {
  EXPECT_NO_THROW(RefuseEndlessVelocityGrid(3000, 6000, 20));
  EXPECT_THROW(RefuseEndlessVelocityGrid(3000, 6000, 0), RefusedInput);
  EXPECT_THROW(RefuseEndlessVelocityGrid(3000, 6000, -20), RefusedInput);
  EXPECT_THROW(RefuseEndlessVelocityGrid(3000, 6000, 1e-5L), RefusedInput);  // 3e8 points
  EXPECT_THROW(RefuseEndlessVelocityGrid(3000, HUGE_VALL, 20), RefusedInput);
  EXPECT_THROW(RefuseEndlessVelocityGrid(-HUGE_VALL, 6000, 20), RefusedInput);
  // Few points, but a step below the rounding unit of the velocities: v + step == v.
  EXPECT_THROW(RefuseEndlessVelocityGrid(1e20L, 1e20L + 1e5L, 0.1L), RefusedInput);
  // An empty grid ends at once whatever the step.
  EXPECT_NO_THROW(RefuseEndlessVelocityGrid(6000, 3000, 0));
  EXPECT_NO_THROW(RefuseEndlessVelocityGrid(3000, 3000, -1));
}
