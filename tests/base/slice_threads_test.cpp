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
  RunSlices(seen.size(), 7, 3, [&](std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) ++seen[i];
    std::feraiseexcept(FE_OVERFLOW);
  });
  for (const std::atomic<int>& s : seen) EXPECT_EQ(s, 1);
  EXPECT_TRUE(std::fetestexcept(FE_INVALID));
  EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW));
  ClearFloatingPointFlags();
}
