#include "base/slice_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cfenv>
#include <vector>

#include "base/fp_fault.h"

// Every index once, whichever thread takes its slice; what the work raises stays off the
// caller's flags, and the caller's own flag stays raised.
TEST(SliceThreads, EveryIndexOnceWithTheCallersFlagsKept) {
  std::vector<std::atomic<int>> seen(1001);
  std::feraiseexcept(FE_INVALID);
  const bool whole = RunSlices(seen.size(), 7, 3, [&](std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) ++seen[i];
    std::feraiseexcept(FE_OVERFLOW);
  });
  EXPECT_TRUE(whole);
  for (const std::atomic<int>& s : seen) EXPECT_EQ(s, 1);
  EXPECT_TRUE(std::fetestexcept(FE_INVALID));
  EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW));
  ClearFloatingPointFlags();
}

TEST(SliceThreads, StopEndsTheRunEarly) {
  std::atomic<std::size_t> done{0};
  int looks = 0;
  const bool whole = RunSlices(
      100000, 1, 2, [&](std::size_t, std::size_t) { ++done; }, [&] { return ++looks > 3; });
  EXPECT_FALSE(whole);
  EXPECT_LT(done, 100000u);
}
