#include "fitting/counted_search.h"

#include "fitting/grid_counts.h"
#include "fitting/mode_collector.h"

namespace {

// Where q times the stack's depth stays below this, no exponential of the fill comes near the
// range of 80 bits, so no evaluation of the grid can fault and skipping most of them hides none.
constexpr long double kLargestDepthExponent = 500;

}  // namespace

std::optional<std::vector<Mode>> CountedSearch(const ModeFunction& fn, const StackInputs& stack,
                                               long double q, const std::vector<long double>& grid,
                                               const RealProjection& real, unsigned threads,
                                               const std::function<bool()>& cancelled) {
  long double depth[3];
  DepthsFromThicknesses(stack.thicknessM, depth);
  if (!(q * depth[2] <= kLargestDepthExponent)) return std::nullopt;
  const std::optional<std::vector<GridCount>> counts = CountsOnGrid(fn, stack, q, grid);
  if (!counts) return std::nullopt;
  std::vector<long double> velocities;
  for (const GridCount& c : *counts) velocities.push_back(grid[c.index]);
  ProjectedScan scan;
  if (!ProjectedGrid(fn, velocities, GridNumerics::Certified, threads, cancelled, scan, real))
    return std::nullopt;
  const std::vector<GridValue>& values = scan.values;
  ModeCollector collector(fn, real);
  for (std::size_t i = 1; i < values.size(); ++i) {
    const GridValue& low = values[i - 1];
    const GridValue& high = values[i];
    const int modes = (*counts)[i].below - (*counts)[i - 1].below;
    if (low.value == 0 || high.value == 0) return std::nullopt;
    if (((low.value < 0) != (high.value < 0)) != (modes % 2 == 1)) return std::nullopt;
    if (modes > 0) collector.Bracket(low, high);
  }
  return std::move(collector.modes);
}
