#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "../tests/model_stack_defaults.h"
#include "fitting/mode_branches.h"
#include "fitting/mode_finder.h"
#include "fitting/mode_sweep.h"
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

// Argument 0: the naive scan; 1: the search of the mode table, FindModes at every angle with
// the angles shared among the cores; 2: FindModes at one angle after the other with its grid
// in 80 bits. All over the fourteen angles, wall time.
void BM_ModeTable(benchmark::State& state) {
  const StackInputs stack = DefaultStack(0);
  std::vector<long double> qs;
  for (long double angle : TableAngles()) qs.push_back(ScatteringWaveNumber(angle, 532));
  ClearFloatingPointFlags();
  std::size_t found = 0;
  const auto count = [&](std::size_t, const std::vector<Mode>& modes) { found += modes.size(); };
  for (auto _ : state) {
    found = 0;
    if (state.range(0) == 1) {
      FindModesInTurn(stack, qs, count);
      continue;
    }
    for (long double q : qs)
      found += state.range(0) == 0 ? NaiveScanCount(stack, q)
                                   : FindModes(stack, q, {}, GridNumerics::Extended)->size();
  }
  state.counters["zeros"] = static_cast<double>(found);
}
BENCHMARK(BM_ModeTable)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// The window's default branches: qd from 0.82 to 1.42 over the 59 nm of film at 532 nm.
BranchWindow DefaultBranchWindow() { return {0.82L, 1.42L, 59, 532}; }

// Argument 0: the naive scan at every sample of the window; 1: TraceModeBranches. Wall time.
void BM_ModeBranches(benchmark::State& state) {
  const StackInputs stack = DefaultStack(0);
  const BranchWindow window = DefaultBranchWindow();
  ClearFloatingPointFlags();
  std::size_t found = 0;
  for (auto _ : state) {
    found = 0;
    if (state.range(0) == 1) {
      const std::vector<ModeBranch> branches = TraceModeBranches(stack, window).value();
      for (const ModeBranch& b : branches) found += b.points.size();
      continue;
    }
    for (int i = 0; i < kBranchSamples; ++i)
      found += NaiveScanCount(stack, SampleWaveNumber(window, SampleQd(window, i)));
  }
  state.counters["zeros"] = static_cast<double>(found);
}
BENCHMARK(BM_ModeBranches)
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
