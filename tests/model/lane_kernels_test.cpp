#include "model/lane_exp.h"
#include "model/lane_sincos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>

namespace {

// Distance in units of the last place of the double nearest the extended value.
double Ulps(double got, long double want) {
  const double nearest = std::fabs(static_cast<double>(want));
  return static_cast<double>(fabsl(got - want) / (std::nextafter(nearest, INFINITY) - nearest));
}

// The largest distance that measure(x) reports over random arguments within each +/- range.
template <class Measure>
double Worst(std::initializer_list<double> ranges, const Measure& measure) {
  std::mt19937_64 rng(11);
  double worst = 0;
  for (double range : ranges) {
    std::uniform_real_distribution<double> arg(-range, range);
    for (int i = 0; i < 200000; ++i) worst = std::max(worst, measure(arg(rng)));
  }
  return worst;
}

// Measured against the extended functions over the whole range and near zero; the bound of
// the certified fill takes 4 units.
TEST(LaneSinCos, WithinTwoUnitsInTheLastPlaceAndTheSameInEveryLane) {
  const double worst = Worst({1e-3, 1.0, 30.0, kSinCosRange}, [](double x) {
    double s, c;
    SinCosInRange(x, s, c);
    return std::max(Ulps(s, sinl(x)), Ulps(c, cosl(x)));
  });
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

// Measured against the extended function over the whole range and near zero; the bound of the
// certified fill takes 4 units.
TEST(LaneExp, WithinTwoUnitsInTheLastPlaceAndTheSameInEveryLane) {
  const double worst = Worst({1e-3, 1.0, 40.0, kExpRange},
                             [](double x) { return Ulps(ExpInRange(x), expl(x)); });
  EXPECT_LE(worst, 2.0);
  EXPECT_EQ(ExpInRange(0.0), 1.0);

  const Lanes x = {0.5, -3.25, 123.0, -kExpRange};
  const Lanes e = ExpInRange(x);
  for (int l = 0; l < kLanes; ++l) EXPECT_EQ(e[l], ExpInRange(x[l]));
}

}  // namespace
