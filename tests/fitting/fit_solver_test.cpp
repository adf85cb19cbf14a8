#include "fitting/fit_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "fitting/mode_finder.h"
#include "../model_stack_defaults.h"

namespace {

// The angles and uncertainties of the window's default measurements; R and S_1 at each.
constexpr double kAngles[] = {40, 45, 50, 55, 60, 65, 70, 75, 77};

// Frequencies the model itself gives at the angles, with the stated uncertainties.
std::vector<FitMeasurement> SyntheticData(const StackInputs& truth, double sigmaR,
                                          double sigmaS1) {
  std::vector<FitMeasurement> data;
  for (double angle : kAngles) {
    const std::vector<Mode> modes = FindModes(truth, ScatteringWaveNumber(angle, 532)).value();
    for (int m = 0; m < 2; ++m)
      data.push_back({angle, m, ModeFrequencyGHz(modes[m].velocity, angle, 532),
                      m == 0 ? sigmaR : sigmaS1});
  }
  return data;
}

FitProblem ProblemOf(const StackInputs& start, const std::vector<std::string>& names,
                     std::vector<FitMeasurement> data) {
  FitProblem p;
  p.stack = start;
  p.laserNm = 532;
  EXPECT_EQ(CheckFitParameters(names, p.parameters), "");
  p.measurements = std::move(data);
  return p;
}

TEST(FitSolver, RecoversTheModelsOwnConstantsFromTenPercentAway) {
  const StackInputs truth = DefaultStack(0);
  StackInputs start = truth;
  start.c11[0] *= 1.1L;
  start.c44[2] *= 0.9L;
  start.c12[2] = start.c11[2] - 2 * start.c44[2];
  start.c44[0] = (start.c11[0] - start.c12[0]) / 2;
  const FitResult r = RunFit(ProblemOf(start, {"c11_S", "c44L2"}, SyntheticData(truth, 0.2, 0.3)));
  ASSERT_TRUE(r.solved) << r.status;
  EXPECT_EQ(r.status.rfind("converged", 0), 0u) << r.status;
  EXPECT_NEAR(r.value[0] / 496, 1, 1e-6);
  EXPECT_NEAR(r.value[1] / 56.55, 1, 1e-6);
  EXPECT_LT(r.chi2, 1e-8);
  EXPECT_EQ(r.dof, 16);
  EXPECT_GT(r.sigma[0], 0);
  EXPECT_NEAR(r.correlation[0][1], r.correlation[1][0], 1e-12);
}

}  // namespace
