#pragma once
#include <optional>
#include <vector>

// Layout of the correlation map of one pair of constants (x index < y index, items 0..7:
// c11_S, c12_S, c11L1, c12L1, c11L2, c12L2, c11L3, c12L3).
struct MapPairRow {
  int x = 0, y = 0;
  int cellPx[4] = {};       // cell side at resolution S, M, L, XL
  int firstRowSteps = 1;    // first row at y Min + this x y step
  int rowExtraSteps = 0;    // rows continue while y < y Max + this x y step
  int columnLessSteps = 1;  // columns continue while x < x Max - this x x step
};

// The row of the pair (a, b); none unless 0 <= a < b <= 7.
const MapPairRow* FindMapPair(int a, int b);

// The divisions N of the x span and the cell-side column of a resolution item
// ("S", "L", "M", "XL" are items 0..3).
struct MapResolution {
  int divisions = 0;
  int cellColumn = 0;
};
std::optional<MapResolution> ResolutionOfItem(int item);

// The colour class 1..9 of a g correlator, or 0 for a value on a class boundary. Strict
// comparisons; a NaN is class 1.
int MapClass(long double g);

// More nodes than this would keep the window busy for hours.
inline constexpr long double kMaxMapNodes = 1e6L;

// The number of grid nodes the pair's loops visit with the step (xSpan / N for both axes).
long double MapNodeCount(const MapPairRow& row, long double xMin, long double xMax,
                         long double yMin, long double yMax, long double step);

// Refuses (RefusedInput) a map of more than kMaxMapNodes nodes or one whose step is too small
// to advance x or y.
void RefuseOversizedMap(const MapPairRow& row, long double xMin, long double xMax,
                        long double yMin, long double yMax, long double step);

// The grid unit of a span: span x 0.1 truncated toward zero.
long double GridUnit(long double span);

// Whole-GPa positions of the grid lines of one axis: trunc(min), then trunc(p + 2 unit) while
// p <= max. None when unit is not positive (spans under 10 GPa); at most kMaxGridLines.
inline constexpr int kMaxGridLines = 64;
std::vector<long double> GridLinePositions(long double min, long double max, long double unit);
