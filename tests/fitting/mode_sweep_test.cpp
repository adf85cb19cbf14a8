#include "fitting/mode_sweep.h"

#include <gtest/gtest.h>

#include "base/fp_fault.h"
#include "../model_stack_defaults.h"

namespace {

// Far beyond any plotted angle: the layers' exponentials overflow in 80 bits.
constexpr long double kOverflowingQ = 1e12L;

}  // namespace

// Handed over in order, to the bit what FindModes finds at each wave number alone.
TEST(ModeSweep, InOrderAndTheModesOfEachSearch) {
  const StackInputs stack = DefaultStack(0);
  const std::vector<long double> qs = {ScatteringWaveNumber(80, 532),
                                       ScatteringWaveNumber(20, 532),
                                       ScatteringWaveNumber(50, 532)};
  std::vector<std::size_t> order;
  const bool whole = FindModesInTurn(stack, qs, [&](std::size_t i, const std::vector<Mode>& m) {
    order.push_back(i);
    const std::vector<Mode> alone = FindModes(stack, qs[i]).value();
    ASSERT_EQ(m.size(), alone.size());
    for (std::size_t k = 0; k < m.size(); ++k)
      EXPECT_TRUE(SameBits(m[k].velocity, alone[k].velocity));
  });
  EXPECT_TRUE(whole);
  EXPECT_EQ(order, (std::vector<std::size_t>{0, 1, 2}));
}

// The fault of the second wave number reaches the caller after the first one's modes, and
// the third is never handed over; a cancellation ends the sweep where it is seen.
TEST(ModeSweep, FaultOnTheCallersThreadInOrderAndCancellation) {
  const StackInputs stack = DefaultStack(0);
  const long double q = ScatteringWaveNumber(60, 532);
  ClearFloatingPointFlags();
  EXPECT_THROW(FindModes(stack, kOverflowingQ), FloatingPointFault);
  std::vector<std::size_t> handed;
  const auto found = [&](std::size_t i, const std::vector<Mode>&) { handed.push_back(i); };
  EXPECT_THROW(FindModesInTurn(stack, {q, kOverflowingQ, q}, found), FloatingPointFault);
  EXPECT_EQ(handed, (std::vector<std::size_t>{0}));

  handed.clear();
  const auto afterFirst = [&] { return !handed.empty(); };
  EXPECT_FALSE(FindModesInTurn(stack, {q, q, q}, found, afterFirst));
  EXPECT_EQ(handed, (std::vector<std::size_t>{0}));
}
