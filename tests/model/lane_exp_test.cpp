#include "model/lane_exp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

double Ulps(double got, long double want) {
  const double nearest = std::fabs(static_cast<double>(want));
  return static_cast<double>(fabsl(got - want) / (std::nextafter(nearest, INFINITY) - nearest));
}

// Measured against the extended function over the whole range and near zero; the bound of the
// certified fill takes 4 units.
TEST(LaneExp, WithinTwoUnitsInTheLastPlaceAndTheSameInEveryLane) {
  std::mt19937_64 rng(13);
  double worst = 0;
  for (double range : {1e-3, 1.0, 40.0, kExpRange}) {
    std::uniform_real_distribution<double> arg(-range, range);
    for (int i = 0; i < 200000; ++i) {
      const double x = arg(rng);
      worst = std::max(worst, Ulps(ExpInRange(x), expl(x)));
    }
  }
  EXPECT_LE(worst, 2.0);
  EXPECT_EQ(ExpInRange(0.0), 1.0);

  const Lanes x = {0.5, -3.25, 123.0, -kExpRange};
  const Lanes e = ExpInRange(x);
  for (int l = 0; l < kLanes; ++l) EXPECT_EQ(e[l], ExpInRange(x[l]));
}

}  // namespace
