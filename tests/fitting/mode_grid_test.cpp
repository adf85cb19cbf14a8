#include "fitting/mode_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fitting/mode_finder.h"
#include "../model_stack_defaults.h"

namespace {

bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

// The default stack, one with a layer of no thickness, one with a thick soft top layer and a
// heavy first layer.
std::vector<StackInputs> Stacks() {
  std::vector<StackInputs> stacks(3, DefaultStack(0));
  stacks[1].thicknessM[1] = 0;
  stacks[2].thicknessM[2] = 150e-9L;
  stacks[2].c11[3] = 90;
  stacks[2].c12[3] = 40;
  stacks[2].c44[3] = 25;
  stacks[2].density[1] = 21000;
  return stacks;
}

std::vector<long double> Grid(long double low, long double high, long double step) {
  std::vector<long double> grid;
  for (long double v = low; v < high; v += step) grid.push_back(v);
  return grid;
}

// Where the certified grid decides a sign, the 80-bit grid has that sign; where it evaluated in
// 80 bits, the same bits; and the phase of the projection is the same.
TEST(ModeGrid, CertifiedSignsAreThoseOfTheExtendedGrid) {
  for (const StackInputs& stack : Stacks())
    for (long double angle : {25.0L, 60.0L, 85.0L}) {
      const ModeFunction fn(stack, ScatteringWaveNumber(angle, 532));
      const std::vector<long double> grid = Grid(2000, fn.SubstrateTransverseLimit(), 3.7L);
      ProjectedScan fast, exact;
      ASSERT_TRUE(ProjectedGrid(fn, grid, GridNumerics::Certified, EvaluationThreads(), {}, fast));
      ASSERT_TRUE(ProjectedGrid(fn, grid, GridNumerics::Extended, 1, {}, exact));
      ASSERT_EQ(fast.values.size(), exact.values.size());
      std::size_t decided = 0;
      for (std::size_t i = 0; i < grid.size(); ++i) {
        const GridValue& f = fast.values[i];
        const GridValue& e = exact.values[i];
        ASSERT_TRUE(e.exact);
        ASSERT_TRUE(SameBits(f.v, e.v));
        if (f.exact) {
          EXPECT_TRUE(SameBits(f.value, e.value)) << "at " << static_cast<double>(f.v);
        } else {
          ++decided;
          EXPECT_EQ(f.value > 0, e.value > 0) << "at " << static_cast<double>(f.v);
          EXPECT_NE(e.value, 0);
        }
      }
      EXPECT_GT(decided, grid.size() * 9 / 10);
      const ComplexLD probe{0.6L, 0.8L};
      EXPECT_TRUE(SameBits(fast.projection(probe), exact.projection(probe)));
    }
}

// The modes, to the bit, whichever grid brackets them.
TEST(ModeGrid, FindModesGivesTheSameModesWithEitherGrid) {
  for (const StackInputs& stack : Stacks())
    for (long double angle : {20.0L, 45.0L, 70.0L, 85.0L}) {
      const long double q = ScatteringWaveNumber(angle, 532);
      const std::vector<Mode> fast = FindModes(stack, q, {}, GridNumerics::Certified).value();
      const std::vector<Mode> exact = FindModes(stack, q, {}, GridNumerics::Extended).value();
      ASSERT_EQ(fast.size(), exact.size()) << "at " << static_cast<double>(angle);
      for (std::size_t i = 0; i < fast.size(); ++i) {
        EXPECT_EQ(fast[i].label, exact[i].label);
        EXPECT_TRUE(SameBits(fast[i].velocity, exact[i].velocity));
      }
    }
}

}  // namespace
