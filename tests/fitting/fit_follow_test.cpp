#include "fitting/fit_mode_follower.h"

#include <gtest/gtest.h>

#include "fitting/fit_residuals.h"
#include "fitting/mode_finder.h"
#include "../model_stack_defaults.h"

namespace {

// R and S_1 of the default stack at 60 degrees, at +/- 0.2 GHz.
FitProblem SixtyDegrees(const std::vector<std::string>& names) {
  FitProblem p;
  p.stack = DefaultStack(0);
  p.laserNm = 532;
  CheckFitParameters(names, p.parameters);
  p.measurements = {{60, 0, 12.0, 0.2}, {60, 1, 14.8, 0.2}};
  return p;
}

// After a small change of the stack the followed mode is the one a full search finds.
TEST(FitModeFollower, FindsTheSameModeAsAFullSearchAfterASmallChange) {
  const StackInputs before = DefaultStack(0);
  StackInputs after = before;
  after.c44[2] *= 1.02L;
  after.c12[2] = after.c11[2] - 2 * after.c44[2];
  const long double q = ScatteringWaveNumber(60, 532);
  const std::vector<Mode> old = FindModes(before, q).value(), now = FindModes(after, q).value();
  for (std::size_t m = 0; m < 2; ++m) {
    const std::optional<long double> v = FollowMode(after, q, old[m].velocity, 100, 1e-9L);
    ASSERT_TRUE(v.has_value());
    EXPECT_NEAR(static_cast<double>(*v), static_cast<double>(now[m].velocity), 1e-5);
  }
  EXPECT_FALSE(FollowMode(after, q, 4000, 10, 1e-9L).has_value()) << "no mode near 4000 m/s";
}

// A step that takes a mode out of reach, or to a stack that is not physical, fails; the full
// search at the end names a mode that was followed under a wrong name.
TEST(FitResiduals, LostModesFailAndWrongNamesAreConfirmedAsWrong) {
  FitResiduals residuals(SixtyDegrees({"c44L2", "c44L3"}));
  ASSERT_EQ(residuals.Assign({}).value(), "");
  double out[2];
  std::vector<std::vector<long double>> followed;
  EXPECT_TRUE(residuals.Evaluate({56.55L, 19.8L}, out, &followed));
  EXPECT_NEAR(out[0], (ModeFrequencyGHz(followed[0][0], 60, 532) - 12.0) / 0.2, 1e-12);
  EXPECT_FALSE(residuals.Evaluate({56.55L, 8.0L}, out, nullptr)) << "R moves beyond reach";
  EXPECT_FALSE(residuals.Evaluate({-1.0L, 19.8L}, out, nullptr));
  EXPECT_EQ(residuals.Confirm({56.55L, 19.8L}, {}).value(), "");

  FitProblem onlyR = SixtyDegrees({"c44L2", "c44L3"});
  onlyR.measurements.pop_back();
  FitResiduals misnamed(onlyR);
  misnamed.SetAnchors({{followed[0][1]}});  // S_1 followed as R
  ASSERT_TRUE(misnamed.Evaluate({56.55L, 19.8L}, out, &followed));
  misnamed.SetAnchors(followed);
  EXPECT_NE(misnamed.Confirm({56.55L, 19.8L}, {}).value().find("R at 60 degrees"),
            std::string::npos);
}

}  // namespace
