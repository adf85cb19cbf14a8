#include "fitting/mode_finder.h"

#include <algorithm>
#include <cmath>

#include "fitting/mode_function.h"
#include "fitting/sign_change_root.h"
#include "model/parallel_detg.h"

namespace {

// Below 0.5 m/s so that the few micrometres per second by which ModeFunction steps away from
// a layer bulk velocity never widen an interval beyond it.
constexpr long double kGridStep = 0.49L;
constexpr long double kRefinedWidth = 1e-6L;
// The Rayleigh velocity of a medium with Poisson ratio 0 in units of its transverse one,
// sqrt(3 - sqrt 5) = 0.87403, rounded down. See LowestModeBound.
constexpr long double kRayleighPoissonZero = 0.874L;
// Where a medium's strain energy is not positive no bound holds; the search starts this far
// down instead.
constexpr long double kUnstableFraction = 1e-3L;
// Velocities evaluated between two looks at the cancellation.
constexpr std::size_t kChunk = 2048;

// The quotient of det_g by the layer decay constants at each velocity of a scan.
struct Sample {
  long double v = 0;
  ComplexLD divided;
};

std::vector<long double> GridVelocities(long double low, long double high) {
  const long double span = high - low;
  const std::size_t intervals = static_cast<std::size_t>(ceill(span / kGridStep));
  std::vector<long double> grid(intervals + 1);
  for (std::size_t i = 0; i < intervals; ++i) grid[i] = low + span * i / intervals;
  grid[intervals] = high;
  return grid;
}

// Evaluates on every core; an evaluation that failed there is repeated here, so that its
// fault is raised on the caller's thread.
std::optional<std::vector<Sample>> EvaluateScan(const ModeFunction& fn,
                                                const std::vector<long double>& grid,
                                                const std::function<bool()>& cancelled) {
  std::vector<Sample> samples;
  samples.reserve(grid.size());
  ComplexMatrix matrix;
  for (std::size_t begin = 0; begin < grid.size(); begin += kChunk) {
    if (cancelled && cancelled()) return std::nullopt;
    const std::size_t end = std::min(grid.size(), begin + kChunk);
    std::vector<StackInputs> inputs;
    for (std::size_t i = begin; i < end; ++i) inputs.push_back(fn.InputsAt(grid[i]));
    const std::vector<DetGOutcome> outcomes = EvaluateDetGBatch(inputs, EvaluationThreads());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      const ComplexLD det = outcomes[i].ok ? outcomes[i].det : EvaluateDetG(inputs[i], matrix);
      samples.push_back({inputs[i].v, fn.Divided(inputs[i], det)});
    }
  }
  return samples;
}

ComplexLD LargestValue(const std::vector<Sample>& samples) {
  ComplexLD largest;
  long double largestSquare = -1;
  for (const Sample& s : samples) {
    const long double square = s.divided.re * s.divided.re + s.divided.im * s.divided.im;
    if (square > largestSquare) {
      largestSquare = square;
      largest = s.divided;
    }
  }
  return largest;
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
                                           const std::function<bool()>& cancelled) {
  const ModeFunction fn(stack, q);
  const long double high = fn.SubstrateTransverseLimit();
  if (!(q > 0 && std::isfinite(q) && high > 0 && std::isfinite(high))) return std::vector<Mode>{};
  const long double low = LowestModeBound(stack);
  std::optional<std::vector<Sample>> samples =
      EvaluateScan(fn, GridVelocities(low, high), cancelled);
  if (!samples) return std::nullopt;

  const RealProjection real(LargestValue(*samples));
  ComplexMatrix matrix;
  const auto f = [&](long double v) {
    const StackInputs in = fn.InputsAt(v);
    return real(fn.Divided(in, EvaluateDetG(in, matrix)));
  };
  std::vector<Mode> modes;
  const auto add = [&](long double v) { modes.push_back({ModeLabel(modes.size()), v}); };
  long double previous = real((*samples)[0].divided);
  if (previous == 0) add((*samples)[0].v);
  for (std::size_t i = 1; i < samples->size(); ++i) {
    if (cancelled && cancelled()) return std::nullopt;
    const Sample& s = (*samples)[i];
    const long double value = real(s.divided);
    if (value == 0)
      add(s.v);
    else if (previous != 0 && (value < 0) != (previous < 0))
      add(RefineSignChange(f, (*samples)[i - 1].v, previous, s.v, value, kRefinedWidth));
    previous = value;
  }
  return modes;
}
