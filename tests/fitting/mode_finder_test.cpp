#include "fitting/mode_finder.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fitting/mode_function.h"
#include "../model_stack_defaults.h"

namespace {

constexpr long double kSubstrateRayleigh = 5912.42L;  // rho 3970, c11 496, c12 168

std::vector<Mode> ModesAt(const StackInputs& stack, long double angleDeg) {
  return FindModes(stack, ScatteringWaveNumber(angleDeg, 532)).value();
}

long double SubstrateTransverse(const StackInputs& s) {
  return sqrtl(s.c44[0] * 1e9L / s.density[0]);
}

// The six layer bulk velocities of a stack.
std::vector<long double> LayerBulkVelocities(const StackInputs& s) {
  std::vector<long double> v;
  for (int k = 1; k <= 3; ++k)
    for (long double c : {s.c44[k], s.c11[k]}) v.push_back(sqrtl(c * 1e9L / s.density[k]));
  return v;
}

TEST(ModeFinder, DefaultStackAtSixtyDegrees) {
  const std::vector<Mode> modes = ModesAt(DefaultStack(0), 60);
  ASSERT_EQ(modes.size(), 2u);
  EXPECT_EQ(modes[0].label, "R");
  EXPECT_NEAR(static_cast<double>(modes[0].velocity), 3689.9359, 0.01);
  EXPECT_EQ(modes[1].label, "S_1");
  EXPECT_NEAR(static_cast<double>(modes[1].velocity), 4542.0505, 0.01);
}

// Layer bulk velocities lie below R (3263.7, 3086.0) and between S_1 and vT_0 (5360.1): det_g
// vanishes there, the finder must not. From 70 degrees on S_2 lies hundredths below vT_0.
TEST(ModeFinder, SkipsLayerBulkVelocitiesAndFindsModesJustBelowTheSubstrateLimit) {
  const StackInputs stack = DefaultStack(0);
  for (long double angle : {60.0L, 70.0L, 80.0L}) {
    const std::vector<Mode> modes = ModesAt(stack, angle);
    ASSERT_EQ(modes.size(), angle < 70 ? 2u : 3u) << "at " << static_cast<double>(angle);
    for (const Mode& m : modes)
      for (long double bulk : LayerBulkVelocities(stack)) EXPECT_GT(fabsl(m.velocity - bulk), 1);
    for (std::size_t i = 1; i < modes.size(); ++i)
      EXPECT_LT(modes[i - 1].velocity, modes[i].velocity);
  }
  const std::vector<Mode> modes = ModesAt(stack, 70);
  EXPECT_EQ(modes[2].label, "S_2");
  EXPECT_LT(modes[2].velocity, SubstrateTransverse(stack));
  EXPECT_GT(modes[2].velocity, SubstrateTransverse(stack) - 0.1L);
}

// Layers that change nothing leave the substrate's Rayleigh wave alone.
TEST(ModeFinder, InvisibleLayersLeaveOnlyTheSubstrateRayleighWave) {
  StackInputs sameMaterial = DefaultStack(0);
  for (int k = 1; k <= 3; ++k) {
    sameMaterial.density[k] = sameMaterial.density[0];
    sameMaterial.c11[k] = sameMaterial.c11[0];
    sameMaterial.c12[k] = sameMaterial.c12[0];
    sameMaterial.c44[k] = sameMaterial.c44[0];
  }
  StackInputs noThickness = DefaultStack(0);
  for (long double& d : noThickness.thicknessM) d = 0;
  for (const StackInputs& stack : {sameMaterial, noThickness})
    for (long double angle : {20.0L, 60.0L, 85.0L}) {
      const std::vector<Mode> modes = ModesAt(stack, angle);
      ASSERT_EQ(modes.size(), 1u) << "at " << static_cast<double>(angle);
      EXPECT_EQ(modes[0].label, "R");
      EXPECT_NEAR(static_cast<double>(modes[0].velocity), static_cast<double>(kSubstrateRayleigh),
                  0.01);
    }
}

// A thin film a thousand times heavier and stiffer than the substrate (the same bulk velocities)
// slows the Rayleigh wave far below any fraction of them that ignores the densities.
TEST(ModeFinder, MassLoadedModeLiesAboveTheEnergyBound) {
  StackInputs stack = DefaultStack(0);
  stack.density[1] = 1000 * stack.density[0];
  stack.c11[1] = 1000 * stack.c11[0];
  stack.c12[1] = 1000 * stack.c12[0];
  stack.c44[1] = 1000 * stack.c44[0];
  stack.thicknessM[0] = 0.1L / stack.q;
  stack.thicknessM[1] = stack.thicknessM[2] = 0;
  const std::vector<Mode> modes = FindModes(stack, stack.q).value();
  ASSERT_EQ(modes.size(), 1u);
  EXPECT_LT(modes[0].velocity, 0.2L * SubstrateTransverse(stack));
  EXPECT_GT(modes[0].velocity, LowestModeBound(stack));
}

// Divided by the layer decay constants, det_g keeps one phase across the layer bulk
// velocities below vT_0, also where a layer has no thickness.
TEST(ModeFunction, QuotientKeepsOnePhaseAcrossLayerBulkVelocities) {
  StackInputs thin = DefaultStack(0);
  thin.thicknessM[1] = 0;
  for (const StackInputs& stack : {DefaultStack(0), thin}) {
    const ModeFunction fn(stack, stack.q);
    ComplexMatrix m;
    const auto divided = [&](long double v) {
      const StackInputs in = fn.InputsAt(v);
      return fn.Divided(in, EvaluateDetG(in, m));
    };
    const RealProjection real(divided(3000));
    for (long double bulk : LayerBulkVelocities(stack)) {
      if (bulk > SubstrateTransverse(stack) - 1) continue;
      for (long double v : {bulk - 0.3L, bulk, bulk + 0.3L}) {
        const ComplexLD d = divided(v);
        const long double size = hypotl(d.re, d.im);
        EXPECT_GT(size, 0);
        EXPECT_NEAR(static_cast<double>(fabsl(real(d)) / size), 1.0, 1e-12);
      }
    }
  }
}

// The scale the certified grid works with: the quotient is the turned det_g over the root of
// the squared magnitude, on both sides of every layer bulk velocity.
TEST(ModeFunction, ScaleGivesTheQuotient) {
  const StackInputs stack = DefaultStack(0);
  const ModeFunction fn(stack, stack.q);
  const ComplexLD det{0.3L, -0.7L};
  for (long double bulk : LayerBulkVelocities(stack))
    for (long double v : {bulk - 0.3L, bulk + 0.3L}) {
      const StackInputs in = fn.InputsAt(v);
      const ModeFunction::Scale scale = fn.ScaleAt(in);
      const ComplexLD turned = Turned(det, scale.turns);
      const ComplexLD divided = fn.Divided(in, det);
      const long double magnitude = sqrtl(scale.squaredMagnitude);
      EXPECT_NEAR(static_cast<double>(turned.re / magnitude / divided.re), 1.0, 1e-17);
      EXPECT_NEAR(static_cast<double>(turned.im / magnitude / divided.im), 1.0, 1e-17);
    }
}

TEST(ModeFinder, ConversionsAndCancellation) {
  EXPECT_NEAR(static_cast<double>(ScatteringWaveNumber(60, 532)), 2.0456015e7, 1);
  EXPECT_NEAR(static_cast<double>(ModeFrequencyGHz(3689.9359L, 60, 532)), 12.01324, 1e-4);
  EXPECT_EQ(ModeLabel(3), "S_3");
  EXPECT_FALSE(FindModes(DefaultStack(0), DefaultStack(0).q, [] { return true; }).has_value());
}

}  // namespace
