#include "fitting/fit_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "fitting/fit_statistics.h"
#include "fitting/mode_finder.h"
#include "../model_stack_defaults.h"

namespace {

// The angles and uncertainties of the window's default measurements; R and S_1 at each.
const std::vector<double> kAngles = {40, 45, 50, 55, 60, 65, 70, 75, 77};

// Frequencies the model itself gives at the angles, with the stated uncertainties.
std::vector<FitMeasurement> SyntheticData(const StackInputs& truth, double sigmaR,
                                          double sigmaS1,
                                          const std::vector<double>& angles = kAngles) {
  std::vector<FitMeasurement> data;
  for (double angle : angles) {
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

// Gaussian noise of the stated uncertainties on the model's own frequencies: the true values
// must fall inside the reported one- and two-sigma intervals as often as a normal law says.
TEST(FitSolver, UncertaintiesCoverTheTrueValuesAsOftenAsTheyShould) {
  const StackInputs truth = DefaultStack(0);
  const std::vector<double> angles = {40, 55, 65, 77};
  const std::vector<FitMeasurement> exact = SyntheticData(truth, 0.2, 0.3, angles);
  FitOptions options;
  options.confirmAtSolution = false;  // the start and the modes are those of the truth
  for (double angle : angles) {
    const std::vector<Mode> m = FindModes(truth, ScatteringWaveNumber(angle, 532)).value();
    options.startVelocities.push_back({m[0].velocity, m[1].velocity});
  }
  const double trueValues[2] = {496, 56.55};
  int within1 = 0, within2 = 0, cases = 0;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 random(seed);
    std::vector<FitMeasurement> noisy = exact;
    for (FitMeasurement& m : noisy) {
      std::normal_distribution<double> noise(0, static_cast<double>(m.sigmaGHz));
      m.frequencyGHz += noise(random);
    }
    const FitResult r = RunFit(ProblemOf(truth, {"c11_S", "c44L2"}, noisy), options);
    ASSERT_TRUE(r.solved) << r.status;
    for (int i = 0; i < 2; ++i, ++cases) {
      const double deviation = std::fabs(r.value[i] - trueValues[i]) / r.sigma[i];
      within1 += deviation <= 1;
      within2 += deviation <= 2;
    }
  }
  EXPECT_GE(within1, 0.55 * cases);
  EXPECT_LE(within1, 0.80 * cases);
  EXPECT_GE(within2, 0.85 * cases);
}

TEST(FitSolver, RefusesWhatItCannotFitAndNamesWhatTheDataCannotSeparate) {
  std::vector<FitParameter> parsed;
  EXPECT_NE(CheckFitParameters({"c11L1", "c12L1", "c44L1"}, parsed), "");
  EXPECT_NE(CheckFitParameters({"c11L4"}, parsed), "");
  EXPECT_NE(CheckFitParameters({"dL1", "dL1"}, parsed), "");
  EXPECT_EQ(CheckFitParameters({"c11L1", "c44L1", "dL3"}, parsed), "");

  const StackInputs truth = DefaultStack(0);
  const std::vector<FitMeasurement> one = {{60, 0, 12.0, 0.2}};
  EXPECT_NE(RefusalOf(ProblemOf(truth, {"c11_S", "c44L2"}, one)), "");
  EXPECT_NE(RefusalOf(ProblemOf(truth, {"c11_S"}, {{60, 0, 12.0, 0}})), "");
  FitProblem missing = ProblemOf(truth, {"c44L3"}, {{60, 3, 20.0, 0.2}});
  const FitResult r = RunFit(missing);
  EXPECT_FALSE(r.solved);
  EXPECT_NE(r.status.find("S_3"), std::string::npos) << r.status;

  // A lone c44 keeps c11 and moves c12.
  const StackInputs s = WithParameters(truth, parsed, {440, 100, 9});
  EXPECT_EQ(s.c11[1], 440);
  EXPECT_EQ(s.c12[1], 240);
  EXPECT_NEAR(static_cast<double>(s.thicknessM[2]), 9e-9, 1e-20);

  // Two columns that move the residuals almost alike, and a third of their own.
  const FitStatistics stats =
      StatisticsOf({{1, 1.001, 0}, {2, 2.0, 0}, {1, 0.999, 1}, {0, 0, 2}}, 8, 1);
  EXPECT_GT(std::fabs(stats.correlation[0][1]), 0.99);
  EXPECT_NEAR(stats.sigmaScaled[2], stats.sigma[2] * std::sqrt(8.0), 1e-12);
  const std::vector<std::string> said = UndeterminedSentences(stats, {"c11L2", "c12L2", "dL1"});
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0], "c11L2 and c12L2 are not separately determined by these data");
}

}  // namespace
