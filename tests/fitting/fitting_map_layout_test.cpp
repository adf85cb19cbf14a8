#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "fitting/map_layout.h"
#include "base/fp_fault.h"

TEST(FittingMapPairs, EveryOrderedPairHasOneRowAndNoOtherPairHasAny) {
  std::set<std::pair<int, int>> seen;
  for (int a = -1; a <= 8; ++a)
    for (int b = -1; b <= 8; ++b) {
      const MapPairRow* row = FindMapPair(a, b);
      const bool valid = a >= 0 && a < b && b <= 7;
      ASSERT_EQ(row != nullptr, valid) << a << "," << b;
      if (!row) continue;
      EXPECT_EQ(row->x, a);
      EXPECT_EQ(row->y, b);
      seen.insert({a, b});
    }
  EXPECT_EQ(seen.size(), 28u);
}

TEST(FittingMapPairs, SampleRowsCarryTheirLayout) {
  const MapPairRow* r = FindMapPair(0, 1);
  EXPECT_EQ(std::vector<int>(r->cellPx, r->cellPx + 4), (std::vector<int>{16, 8, 4, 2}));
  EXPECT_EQ(r->firstRowSteps, 1);
  EXPECT_EQ(r->rowExtraSteps, 0);
  EXPECT_EQ(r->columnLessSteps, 3);

  r = FindMapPair(1, 2);  // c12_S / c11L1 starts four rows up
  EXPECT_EQ(r->firstRowSteps, 4);
  EXPECT_EQ(r->columnLessSteps, 1);

  r = FindMapPair(0, 7);
  EXPECT_EQ(std::vector<int>(r->cellPx, r->cellPx + 4), (std::vector<int>{20, 10, 5, 2}));
  EXPECT_EQ(r->rowExtraSteps, 1);

  r = FindMapPair(2, 7);
  EXPECT_EQ(std::vector<int>(r->cellPx, r->cellPx + 4), (std::vector<int>{18, 10, 5, 2}));
  EXPECT_EQ(r->columnLessSteps, 3);

  r = FindMapPair(3, 6);
  EXPECT_EQ(r->firstRowSteps, 2);
  EXPECT_EQ(r->rowExtraSteps, 1);
}

TEST(FittingMapResolution, ItemsSLMXLGiveTheirDivisionsAndCellColumn) {
  EXPECT_EQ(ResolutionOfItem(0)->divisions, 42);  // "S"
  EXPECT_EQ(ResolutionOfItem(0)->cellColumn, 0);
  EXPECT_EQ(ResolutionOfItem(1)->divisions, 168);  // "L"
  EXPECT_EQ(ResolutionOfItem(1)->cellColumn, 2);
  EXPECT_EQ(ResolutionOfItem(2)->divisions, 84);  // "M"
  EXPECT_EQ(ResolutionOfItem(2)->cellColumn, 1);
  EXPECT_EQ(ResolutionOfItem(3)->divisions, 448);  // "XL"
  EXPECT_EQ(ResolutionOfItem(3)->cellColumn, 3);
  EXPECT_FALSE(ResolutionOfItem(-1));
  EXPECT_FALSE(ResolutionOfItem(4));
}

TEST(FittingMapClass, StrictThresholdsAndNaN) {
  EXPECT_EQ(MapClass(0), 1);
  EXPECT_EQ(MapClass(2.999L), 1);
  EXPECT_EQ(MapClass(-5), 1);
  EXPECT_EQ(MapClass(std::numeric_limits<long double>::quiet_NaN()), 1);
  const long double bounds[8] = {3, 6, 12, 24, 36, 48, 96, 192};
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(MapClass(bounds[k]), 0) << bounds[k];
    EXPECT_EQ(MapClass(bounds[k] + 0.001L), k + 2);
  }
  EXPECT_EQ(MapClass(1e300L), 9);
  EXPECT_EQ(MapClass(std::numeric_limits<long double>::infinity()), 9);
}

TEST(FittingMapNodes, DefaultSubstrateMapHasAbout39By14Nodes) {
  const long double step = (694.4L - 297.6L) / 42;
  EXPECT_EQ(MapNodeCount(*FindMapPair(0, 1), 297.6L, 694.4L, 100.8L, 235.2L, step), 39 * 14);
  // A negative span visits nothing.
  EXPECT_EQ(MapNodeCount(*FindMapPair(0, 1), 694.4L, 297.6L, 100.8L, 235.2L, -step), 0);
  EXPECT_EQ(MapNodeCount(*FindMapPair(0, 1), 297.6L, 694.4L, 235.2L, 100.8L, step), 0);
}

TEST(FittingMapNodes, RefusesMapsThatWouldNotEndInTime) {
  const MapPairRow& row = *FindMapPair(0, 1);
  EXPECT_NO_THROW(RefuseOversizedMap(row, 297.6L, 694.4L, 100.8L, 235.2L, 396.8L / 448));
  // A y range far larger than the x range: rows at the pitch of the tiny x span.
  EXPECT_THROW(RefuseOversizedMap(row, 100, 100.01L, 0, 1e6L, 0.01L / 42), RefusedInput);
  // A step below the resolution of the values: x would never advance.
  EXPECT_THROW(RefuseOversizedMap(row, 1e30L, 1e30L + 1e12L, 1e30L, 1e30L + 1e12L, 1e12L / 42), RefusedInput);
  EXPECT_NO_THROW(RefuseOversizedMap(row, 694.4L, 297.6L, 100.8L, 235.2L, -396.8L / 42));
}

TEST(FittingMapGrid, DefaultSubstrateGridLines) {
  EXPECT_EQ(GridUnit(694.4L - 297.6L), 39);
  EXPECT_EQ(GridUnit(235.2L - 100.8L), 13);
  EXPECT_EQ(GridLinePositions(297.6L, 694.4L, 39),
            (std::vector<long double>{297, 375, 453, 531, 609, 687}));
  EXPECT_EQ(GridLinePositions(100.8L, 235.2L, 13),
            (std::vector<long double>{100, 126, 152, 178, 204, 230}));
}

TEST(FittingMapGrid, NarrowOrReversedSpansDrawNoLinesAndNothingRunsAway) {
  EXPECT_EQ(GridUnit(9.9L), 0);
  EXPECT_TRUE(GridLinePositions(100, 109.9L, GridUnit(9.9L)).empty());
  EXPECT_TRUE(GridLinePositions(5.5L, 5.2L, GridUnit(-0.3L)).empty());
  EXPECT_TRUE(GridLinePositions(300, 200, GridUnit(-100)).empty());
  // Values so large that adding the unit no longer changes them.
  EXPECT_LE(GridLinePositions(1e30L, 1e30L + 1e12L, 1).size(), 1u);
  EXPECT_LE(GridLinePositions(0, 1e9L, 1).size(), static_cast<size_t>(kMaxGridLines));
}
