#include "model/lane_sincos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Distance in units of the last place of the double nearest the extended value.
double Ulps(double got, long double want) {
  const double nearest = std::fabs(static_cast<double>(want));
  return static_cast<double>(fabsl(got - want) / (std::nextafter(nearest, INFINITY) - nearest));
}

// Measured against the extended functions over the whole range and near zero; the bound of
// the certified fill takes 4 units.
TEST(LaneSinCos, WithinTwoUnitsInTheLastPlaceAndTheSameInEveryLane) {
  std::mt19937_64 rng(11);
  double worst = 0;
  for (double range : {1e-3, 1.0, 30.0, kSinCosRange}) {
    std::uniform_real_distribution<double> arg(-range, range);
    for (int i = 0; i < 200000; ++i) {
      const double x = arg(rng);
      double s, c;
      SinCosInRange(x, s, c);
      worst = std::max({worst, Ulps(s, sinl(x)), Ulps(c, cosl(x))});
    }
  }
  EXPECT_LE(worst, 2.0);

  const Lanes x = {0.25, -7.5, 1e5, -kSinCosRange};
  Lanes s, c;
  SinCosInRange(x, s, c);
  for (int l = 0; l < kLanes; ++l) {
    double s1, c1;
    SinCosInRange(x[l], s1, c1);
    EXPECT_EQ(s[l], s1);
    EXPECT_EQ(c[l], c1);
  }
}

}  // namespace
