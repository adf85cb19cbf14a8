#include "fitting/measured_points.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <vector>

#include "base/fp_fault.h"
#include "detg/measured_velocity.h"
#include "model/complex_ld.h"

namespace {

SimulationState ThreeAngles() {
  SimulationState s;
  s.laserNm = 532;
  s.laserM = 532e-9L;
  for (int i : {0, 4, 13}) {
    s.angleRad[i] = (20 + 5 * i) * static_cast<long double>(kDegreeToRad);
    s.freqR[i] = 10 + i / 3.0L;
    s.freqS1[i] = 14 + i / 7.0L;
  }
  return s;
}

// The points are the correlator's own arithmetic, bit for bit, at the used angles in order.
void ExpectPointsOf(const SimulationState& s, const MeasuredPoints& points) {
  std::vector<int> used;
  for (int i = 0; i < 14; ++i)
    if (s.angleRad[i] != 0) used.push_back(i);
  ASSERT_EQ(points.size(), used.size());
  std::size_t k = 0;
  for (const MeasuredPoint& p : points) {
    const int i = used[k++];
    EXPECT_EQ(p.angle, i);
    EXPECT_TRUE(SameBits(p.q, ScanWaveNumber(s.angleRad[i], s.laserM)));
    EXPECT_TRUE(SameBits(p.vR, MeasuredPhaseVelocity(s.laserNm, s.freqR[i], s.angleRad[i])));
    EXPECT_TRUE(SameBits(p.vS1, MeasuredPhaseVelocity(s.laserNm, s.freqS1[i], s.angleRad[i])));
  }
}

TEST(MeasuredPoints, FollowAnyChangeOfAnglesFrequenciesOrLaserToTheBit) {
  SimulationState s = ThreeAngles();
  MeasuredPoints points;
  points.Update(s);
  ExpectPointsOf(s, points);
  // The constants a map varies are no input of the points.
  s.c11Mod[0] = 300;
  points.Update(s);
  ExpectPointsOf(s, points);

  const auto nudge = [](long double& x) { x = nextafterl(x, 1e9L); };
  const std::vector<long double*> inputs = {&s.laserNm, &s.laserM, &s.angleRad[4],
                                            &s.angleRad[7], &s.freqR[13], &s.freqS1[0]};
  for (long double* input : inputs) {
    nudge(*input);
    points.Update(s);
    ExpectPointsOf(s, points);
    EXPECT_FALSE(points.Faulted());
  }
  s.angleRad[4] = 0;  // no longer used
  points.Update(s);
  ExpectPointsOf(s, points);
}

TEST(MeasuredPoints, FaultIsReportedAndTheFlagsLeftAsTheyWere) {
  SimulationState s = ThreeAngles();
  s.laserM = 0;  // every wave number divides by zero
  MeasuredPoints points;
  ClearFloatingPointFlags();
  points.Update(s);
  EXPECT_TRUE(points.Faulted());
  EXPECT_FALSE(FloatingPointFaultRaised());

  s.laserM = 532e-9L;
  std::feraiseexcept(FE_OVERFLOW);  // raised before: neither a fault of the points nor cleared
  points.Update(s);
  EXPECT_FALSE(points.Faulted());
  EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
  ClearFloatingPointFlags();
}

}  // namespace
