#include "fitting/mode_count.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "fitting/grid_counts.h"
#include "fitting/layer_stiffness.h"
#include "fitting/mode_finder.h"
#include "../model_stack_defaults.h"

namespace {

int CountAt(const StackInputs& stack, long double angle, long double v) {
  return ModesBelow(stack, ScatteringWaveNumber(angle, 532), v).value_or(-1);
}

// The count steps by one at each mode of the defaults (R and S_1 at 60 degrees, S_2 hundredths
// below vT_0 at 80), and at the substrate's Rayleigh velocity alone when the layers are
// invisible; it refuses unstable media.
TEST(ModeCount, StepsAtTheModes) {
  const StackInputs stack = DefaultStack(0);
  EXPECT_EQ(CountAt(stack, 60, 1000), 0);
  EXPECT_EQ(CountAt(stack, 60, 3689.92L), 0);
  EXPECT_EQ(CountAt(stack, 60, 3689.95L), 1);
  EXPECT_EQ(CountAt(stack, 60, 4542.04L), 1);
  EXPECT_EQ(CountAt(stack, 60, 4542.06L), 2);
  EXPECT_EQ(CountAt(stack, 80, sqrtl(164e9L / 3970)), 3);

  StackInputs sameMaterial = stack, noThickness = stack;
  for (int k = 1; k <= 3; ++k) {
    sameMaterial.density[k] = stack.density[0];
    sameMaterial.c11[k] = stack.c11[0];
    sameMaterial.c12[k] = stack.c12[0];
    sameMaterial.c44[k] = stack.c44[0];
    noThickness.thicknessM[k - 1] = 0;
  }
  for (const StackInputs& invisible : {sameMaterial, noThickness})
    for (long double angle : {20.0L, 85.0L}) {
      EXPECT_EQ(CountAt(invisible, angle, 5912.40L), 0);
      EXPECT_EQ(CountAt(invisible, angle, 5912.44L), 1);
    }

  StackInputs unstable = stack;
  unstable.c11[2] = unstable.c44[2];
  EXPECT_FALSE(ModesBelow(unstable, stack.q, 3000).has_value());
}

// Symmetric, and smooth through the layer's bulk velocities, where the partial waves of det_g
// change kind.
TEST(ModeCount, LayerStiffnessIsSymmetricAndSmoothAtBulkVelocities) {
  const long double c11 = 440, c44 = 109.5L;
  for (long double inertia : {c44, c11, 0.5L * c44, 3 * c11}) {
    const LayerStiffness k = LayerStiffnessOf({c11, c44, inertia}, 0.4L).value();
    const LayerStiffness near =
        LayerStiffnessOf({c11, c44, inertia * (1 + 1e-12L)}, 0.4L).value();
    const auto close = [](long double a, long double b, long double share) {
      return fabsl(a - b) <= share * (fabsl(a) + 1e-6L);
    };
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 2; ++c) {
        EXPECT_TRUE(close(k.upperLower.m[r][c], k.lowerUpper.m[c][r], 1e-15L));
        EXPECT_TRUE(close(k.upperUpper.m[r][c], k.upperUpper.m[c][r], 1e-15L));
        EXPECT_TRUE(close(k.lowerLower.m[r][c], near.lowerLower.m[r][c], 1e-9L));
      }
  }
}

// Random stacks of thin and thick, stiff and soft, zero-thickness layers: the counts on the
// grid are available, the counted search finds what the whole 80-bit grid finds, to the bit.
TEST(ModeCount, CountedSearchFindsWhatTheWholeGridFinds) {
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int trial = 0; trial < 24; ++trial) {
    StackInputs stack = DefaultStack(0);
    for (int k = 0; k < 4; ++k) {
      stack.density[k] = 1500 + 20000 * unit(random);
      stack.c11[k] = (k == 0 ? 200 : 10) + 500 * unit(random);
      stack.c12[k] = stack.c11[k] * (0.05 + 0.6 * unit(random));
      stack.c44[k] = (stack.c11[k] - stack.c12[k]) * 0.5L;
    }
    for (long double& h : stack.thicknessM) {
      const double kind = unit(random);
      h = kind < 0.2 ? 0 : (kind < 0.4 ? 1000e-9 : 100e-9) * unit(random);
    }
    const long double q = ScatteringWaveNumber(15 + 75 * unit(random), 532);
    const std::vector<Mode> counted = FindModes(stack, q, {}, GridNumerics::Certified).value();
    const std::vector<Mode> whole = FindModes(stack, q, {}, GridNumerics::Extended).value();
    ASSERT_EQ(counted.size(), whole.size()) << "trial " << trial;
    for (std::size_t i = 0; i < counted.size(); ++i)
      EXPECT_EQ(std::memcmp(&counted[i].velocity, &whole[i].velocity, 10), 0) << "trial " << trial;

    const ModeFunction fn(stack, q);
    const std::vector<long double> grid{LowestModeBound(stack), fn.SubstrateTransverseLimit()};
    const std::optional<std::vector<GridCount>> counts = CountsOnGrid(fn, stack, q, grid);
    ASSERT_TRUE(counts.has_value()) << "trial " << trial;
    EXPECT_EQ(counts->back().below - counts->front().below, static_cast<int>(whole.size()));
  }
}

// Stacks the count does not take (c12 not c11 - 2 c44, a medium with c11 below c44) are
// searched on the whole grid; one with a negative Poisson ratio is counted. The same modes
// either way as the whole 80-bit grid.
TEST(ModeCount, StacksTheCountDoesNotTakeGiveTheWholeGridsModes) {
  StackInputs anisotropic = DefaultStack(0), soft = DefaultStack(0), auxetic = DefaultStack(0);
  anisotropic.c12[2] += 5;
  soft.c11[1] = soft.c44[1] * 0.9L;
  auxetic.c12[3] = -20;
  auxetic.c44[3] = (auxetic.c11[3] - auxetic.c12[3]) * 0.5L;
  EXPECT_FALSE(CountableStack(anisotropic));
  EXPECT_FALSE(CountableStack(soft));
  EXPECT_TRUE(CountableStack(auxetic));
  for (const StackInputs& stack : {anisotropic, soft, auxetic}) {
    const long double q = ScatteringWaveNumber(55, 532);
    const std::vector<Mode> found = FindModes(stack, q, {}, GridNumerics::Certified).value();
    const std::vector<Mode> whole = FindModes(stack, q, {}, GridNumerics::Extended).value();
    ASSERT_EQ(found.size(), whole.size());
    for (std::size_t i = 0; i < found.size(); ++i)
      EXPECT_EQ(std::memcmp(&found[i].velocity, &whole[i].velocity, 10), 0);
  }
}

}  // namespace
