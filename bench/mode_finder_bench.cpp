#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "../tests/model_stack_defaults.h"
#include "fitting/mode_finder.h"
#include "base/fp_fault.h"

namespace {

// The default stack's fourteen angles of a measurement table, 20 to 85 degrees in 5s.
std::vector<long double> TableAngles() {
  std::vector<long double> angles;
  for (int a = 20; a <= 85; a += 5) angles.push_back(a);
  return angles;
}

// The naive path: det_g in 80 bits, one evaluation after the other on one core, every 0.5 m/s
// from the lowest mode bound up to vT_0, counting the sign changes of the larger of the real
// and imaginary parts of det_g: the modes and the layer bulk velocities alike.
int NaiveScanCount(const StackInputs& stack, long double q) {
  StackInputs in = stack;
  in.q = q;
  ComplexMatrix m;
  const long double high = sqrtl(stack.c44[0] * 1e9L / stack.density[0]);
  int changes = 0;
  long double previous = 0;
  for (long double v = LowestModeBound(stack); v < high; v += 0.5L) {
    in.v = v;
    const ComplexLD det = EvaluateDetG(in, m, DetGNumerics::Reference);
    const long double value = fabsl(det.re) >= fabsl(det.im) ? det.re : det.im;
    if (previous != 0 && (value < 0) != (previous < 0)) ++changes;
    previous = value;
  }
  return changes;
}

// Argument 0: the naive scan; 1: FindModes. Both over the fourteen angles, wall time.
void BM_ModeTable(benchmark::State& state) {
  const StackInputs stack = DefaultStack(0);
  ClearFloatingPointFlags();
  std::size_t found = 0;
  for (auto _ : state) {
    found = 0;
    for (long double angle : TableAngles()) {
      const long double q = ScatteringWaveNumber(angle, 532);
      found += state.range(0) == 0 ? NaiveScanCount(stack, q) : FindModes(stack, q)->size();
    }
  }
  state.counters["zeros"] = static_cast<double>(found);
}
BENCHMARK(BM_ModeTable)
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace
