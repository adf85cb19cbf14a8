#include "fitting/map_layout.h"

#include <cmath>

#include "base/fp_fault.h"
#include "base/number_text.h"

namespace {
// The cell sides are sized for the row pitch of the default constants.
constexpr MapPairRow kPairs[28] = {
    {0, 1, {16, 8, 4, 2}, 1, 0, 3},  {0, 2, {12, 6, 3, 1}, 1, 0, 2},
    {0, 4, {12, 6, 3, 1}, 1, 1, 2},  {0, 3, {12, 6, 3, 1}, 1, 1, 2},
    {0, 5, {19, 10, 5, 2}, 1, 0, 3}, {0, 6, {16, 8, 4, 2}, 1, 1, 3},
    {0, 7, {20, 10, 5, 2}, 1, 1, 3}, {1, 2, {12, 6, 3, 1}, 4, 0, 1},
    {1, 3, {12, 6, 3, 1}, 3, 0, 1},  {1, 4, {12, 6, 3, 1}, 3, 0, 1},
    {1, 5, {12, 6, 3, 1}, 2, 0, 1},  {1, 6, {12, 6, 3, 1}, 2, 0, 1},
    {1, 7, {12, 6, 3, 1}, 2, 0, 1},  {2, 3, {12, 6, 3, 1}, 1, 0, 2},
    {2, 4, {12, 6, 3, 1}, 1, 0, 2},  {2, 5, {18, 10, 5, 2}, 1, 1, 2},
    {2, 6, {16, 8, 4, 2}, 1, 1, 2},  {2, 7, {18, 10, 5, 2}, 1, 1, 3},
    {3, 4, {12, 6, 3, 1}, 3, 0, 2},  {3, 5, {12, 6, 3, 1}, 1, 0, 2},
    {3, 6, {12, 6, 3, 1}, 2, 1, 2},  {3, 7, {12, 6, 3, 1}, 1, 1, 2},
    {4, 5, {12, 6, 3, 1}, 1, 1, 1},  {4, 6, {12, 6, 3, 1}, 1, 0, 2},
    {4, 7, {12, 6, 3, 1}, 1, 1, 2},  {5, 6, {12, 6, 3, 1}, 1, 0, 2},
    {5, 7, {12, 6, 3, 1}, 1, 0, 2},  {6, 7, {12, 6, 3, 1}, 1, 1, 2},
};

constexpr long double kClassBounds[8] = {3, 6, 12, 24, 36, 48, 96, 192};

// Iterations of p = start; while p < end; p += step (step > 0).
long double LoopCount(long double start, long double end, long double step) {
  if (!(start < end)) return 0;
  return ceill((end - start) / step);
}

// A step of at least one unit in the last place of the largest value always advances the sum,
// also after rounding.
bool Advances(long double a, long double b, long double step) {
  const long double largest = fmaxl(fabsl(a), fabsl(b));
  return largest + step / 2 > largest;
}
}  // namespace

const MapPairRow* FindMapPair(int a, int b) {
  for (const MapPairRow& row : kPairs)
    if (row.x == a && row.y == b) return &row;
  return nullptr;
}

std::optional<MapResolution> ResolutionOfItem(int item) {
  switch (item) {
    case 0: return MapResolution{42, 0};
    case 1: return MapResolution{168, 2};
    case 2: return MapResolution{84, 1};
    case 3: return MapResolution{448, 3};
    default: return std::nullopt;
  }
}

int MapClass(long double g) {
  if (std::isnan(g) || g < kClassBounds[0]) return 1;
  for (int k = 1; k < 8; ++k)
    if (g > kClassBounds[k - 1] && g < kClassBounds[k]) return k + 1;
  if (g > kClassBounds[7]) return 9;
  return 0;
}

long double MapNodeCount(const MapPairRow& row, long double xMin, long double xMax,
                         long double yMin, long double yMax, long double step) {
  if (!(step > 0)) return 0;
  const long double columns = LoopCount(xMin, xMax - row.columnLessSteps * step, step);
  const long double rows =
      LoopCount(yMin + row.firstRowSteps * step, yMax + row.rowExtraSteps * step, step);
  return columns * rows;
}

void RefuseOversizedMap(const MapPairRow& row, long double xMin, long double xMax,
                        long double yMin, long double yMax, long double step) {
  if (MapNodeCount(row, xMin, xMax, yMin, yMax, step) == 0) return;
  if (!Advances(xMin, xMax, step) || !Advances(yMin, yMax, step))
    throw RefusedInput("The Min and Max of the map are too close for values of this size");
  const long double nodes = MapNodeCount(row, xMin, xMax, yMin, yMax, step);
  if (nodes > kMaxMapNodes)
    throw RefusedInput("The map would take " + FormatSignificant(nodes, DigitsPrecise) +
                       " nodes (at most 1000000): narrow the Min to Max range of the y axis, "
                       "widen that of the x axis, or choose a lower Resolution (RadioGroup5); "
                       "the row pitch is the x span / N");
}

long double GridUnit(long double span) { return truncl(span * 0.1L); }

std::vector<long double> GridLinePositions(long double min, long double max, long double unit) {
  std::vector<long double> positions;
  if (!(unit > 0)) return positions;
  for (long double p = truncl(min); p <= max && positions.size() < kMaxGridLines;) {
    positions.push_back(p);
    const long double next = truncl(p + 2 * unit);
    if (!(next > p)) break;
    p = next;
  }
  return positions;
}
