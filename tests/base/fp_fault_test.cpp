#include "base/fp_fault.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace {

constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// The flags a kept scope finds are the flags it leaves, whether the work inside raises others,
// clears them, or both.
TEST(FloatingPointFlags, KeptScopeLeavesTheFaultFlagsAsFound) {
  for (const int before : {0, FE_DIVBYZERO, FE_INVALID | FE_OVERFLOW, kFaults})
    for (const int inside : {0, FE_DIVBYZERO, FE_OVERFLOW, kFaults}) {
      std::feclearexcept(FE_ALL_EXCEPT);
      if (before != 0) std::feraiseexcept(before);
      {
        const FloatingPointFlagsKept kept;
        ClearFloatingPointFlags();
        EXPECT_EQ(std::fetestexcept(kFaults), 0);
        if (inside != 0) std::feraiseexcept(inside);
      }
      EXPECT_EQ(std::fetestexcept(kFaults), before) << before << " " << inside;
    }
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(FloatingPointFlags, RaisedFaultIsSeenAndNamedByPrecedence) {
  ClearFloatingPointFlags();
  EXPECT_FALSE(FloatingPointFaultRaised());
  std::feraiseexcept(FE_OVERFLOW | FE_INVALID);
  EXPECT_TRUE(FloatingPointFaultRaised());
  try {
    CheckFloatingPoint();
    ADD_FAILURE() << "no fault";
  } catch (const FloatingPointFault& fault) {
    EXPECT_EQ(fault.kind(), FloatingPointFault::Kind::InvalidOperation);
  }
  EXPECT_FALSE(FloatingPointFaultRaised());
}

}  // namespace
