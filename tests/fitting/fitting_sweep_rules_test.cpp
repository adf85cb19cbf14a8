#include <gtest/gtest.h>

#include "fitting/correlator_sum.h"
#include "fitting/dispersion_sweep.h"
#include "base/fp_fault.h"

TEST(FittingSweepGrid, DefaultAngleGridAndStep) {
  EXPECT_NEAR(static_cast<double>(ThetaStepRad(2)), 2 * 3.141592654 / 180, 1e-15);
  EXPECT_EQ(SweepVelocityCount(3000, 6000, 20), 150);
  EXPECT_EQ(SweepVelocityCount(6000, 3000, 20), 0);
  int angles = 0;
  for (long double t = kThetaStartRad; t < kThetaEndRad; t += ThetaStepRad(2)) ++angles;
  EXPECT_EQ(angles, 40);
  EXPECT_NO_THROW(RefuseOversizedSweep(3000, 6000, 20, ThetaStepRad(2)));
}

TEST(FittingSweepGrid, RefusesStepsThatWouldNotEndInTime) {
  EXPECT_THROW(RefuseOversizedSweep(3000, 6000, 20, 0), RefusedInput);
  EXPECT_THROW(RefuseOversizedSweep(3000, 6000, 20, ThetaStepRad(-2)), RefusedInput);
  EXPECT_THROW(RefuseOversizedSweep(3000, 6000, 20, 1e-12L), RefusedInput);
  EXPECT_THROW(RefuseOversizedSweep(3000, 6000, 0.01L, ThetaStepRad(2)), RefusedInput);
  EXPECT_NO_THROW(RefuseOversizedSweep(6000, 3000, 0.01L, ThetaStepRad(2)));  // empty range
}

TEST(FittingCorrelatorSum, RootOfSquaresOverTheScale) {
  long double r[14] = {}, s1[14] = {};
  r[0] = 3e138L;
  s1[13] = 4e138L;
  EXPECT_NEAR(static_cast<double>(CorrelatorFromModuli(r, s1, 1)), 5.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(CorrelatorFromModuli(r, s1, 10)), 0.5, 1e-12);
  long double none[14] = {};
  EXPECT_EQ(CorrelatorFromModuli(none, none, 10), 0);
}
