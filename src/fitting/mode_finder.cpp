#include "fitting/mode_finder.h"

#include <algorithm>
#include <cmath>

#include "fitting/counted_search.h"
#include "fitting/mode_collector.h"
#include "fitting/mode_count.h"

namespace {

// Below 0.5 m/s so that the few micrometres per second by which ModeFunction steps away from
// a layer bulk velocity never widen an interval beyond it.
constexpr long double kGridStep = 0.49L;
// The Rayleigh velocity of a medium with Poisson ratio 0 in units of its transverse one,
// sqrt(3 - sqrt 5) = 0.87403, rounded down. See LowestModeBound.
constexpr long double kRayleighPoissonZero = 0.874L;
// Where a medium's strain energy is not positive no bound holds; the search starts this far
// down instead.
constexpr long double kUnstableFraction = 1e-3L;

void GridVelocities(long double low, long double high, std::vector<long double>& grid) {
  const long double span = high - low;
  const std::size_t intervals = static_cast<std::size_t>(ceill(span / kGridStep));
  grid.resize(intervals + 1);
  for (std::size_t i = 0; i < intervals; ++i) grid[i] = low + span * i / intervals;
  grid[intervals] = high;
}

// For a stack of stable media the quotient is real up to rounding (its phase is a whole number of
// half turns), so it is projected on the real axis; else on the phase of its largest value.
std::optional<RealProjection> KnownProjection(const StackInputs& stack) {
  if (!CountableStack(stack)) return std::nullopt;
  return RealProjection({1, 0});
}

}  // namespace

std::string ModeLabel(std::size_t index) {
  return index == 0 ? "R" : "S_" + std::to_string(index);
}

long double ScatteringWaveNumber(long double angleDeg, long double laserNm) {
  return 12.566368L * sinl(angleDeg * 0.01745277777777778L) / (laserNm * 1e-9L);
}

long double ModeFrequencyGHz(long double v, long double angleDeg, long double laserNm) {
  return 2 * v * sinl(angleDeg * 0.01745277777777778L) / laserNm;
}

long double LowestModeBound(const StackInputs& stack) {
  long double stiffness = 0, heaviest = 0;
  bool first = true;
  for (int k = 0; k <= 3; ++k) {
    if (k > 0 && !(stack.thicknessM[k - 1] > 0)) continue;  // occupies no space
    const long double m = (stack.c44[k] + std::min(stack.c12[k], 0.0L)) * stack.G;
    stiffness = first ? m : std::min(stiffness, m);
    heaviest = first ? stack.density[k] : std::max(heaviest, stack.density[k]);
    first = false;
  }
  if (stiffness > 0 && heaviest > 0) return kRayleighPoissonZero * sqrtl(stiffness / heaviest);
  const ModeFunction fn(stack, stack.q);
  return kUnstableFraction * fn.SubstrateTransverseLimit();
}

std::optional<std::vector<Mode>> FindModes(const StackInputs& stack, long double q,
                                           const std::function<bool()>& cancelled,
                                           GridNumerics numerics, unsigned threads) {
  const ModeFunction fn(stack, q);
  const long double high = fn.SubstrateTransverseLimit();
  if (!(q > 0 && std::isfinite(q) && high > 0 && std::isfinite(high))) return std::vector<Mode>{};
  // Kept from one search to the next on this thread: fresh pages cost as much as the rest.
  thread_local std::vector<long double> velocities;
  thread_local ProjectedScan grid;
  GridVelocities(LowestModeBound(stack), high, velocities);
  const std::optional<RealProjection> known = KnownProjection(stack);
  if (numerics == GridNumerics::Certified && known)
    if (std::optional<std::vector<Mode>> modes =
            CountedSearch(fn, stack, q, velocities, *known, threads, cancelled))
      return modes;
  if (!ProjectedGrid(fn, velocities, numerics, threads, cancelled, grid, known))
    return std::nullopt;

  ModeCollector collector(fn, grid.projection);
  const std::vector<GridValue>& values = grid.values;
  if (values[0].value == 0) collector.Add(values[0].v);
  for (std::size_t i = 1; i < values.size(); ++i) {
    if (cancelled && cancelled()) return std::nullopt;
    collector.Bracket(values[i - 1], values[i]);
  }
  return std::move(collector.modes);
}
