#include <benchmark/benchmark.h>

#include "../tests/model_stack_defaults.h"
#include "model/certified_detg.h"
#include "base/fp_fault.h"

namespace {

constexpr int kVelocities = 1000;  // 3000..6000 m/s in steps of 3

long double VelocityAt(int step) { return 3000 + (step % kVelocities) * 3.0L; }

// One certified evaluation at the default stack per iteration; the share of evaluations
// without a certificate is reported as a counter.
void BM_CertifiedDetG(benchmark::State& state) {
  StackInputs in = DefaultStack(3000);
  ClearFloatingPointFlags();
  int step = 0, uncertified = 0;
  for (auto _ : state) {
    in.v = VelocityAt(step++);
    const CertifiedDetG d = EvaluateDetGCertified(in);
    uncertified += d.certified ? 0 : 1;
    benchmark::DoNotOptimize(d);
  }
  state.counters["uncertified"] =
      benchmark::Counter(uncertified, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CertifiedDetG);

// The 80-bit evaluation over the same velocities, as written and as the program runs it.
template <DetGNumerics Numerics>
void BM_EightyBitDetG(benchmark::State& state) {
  StackInputs in = DefaultStack(3000);
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  ClearFloatingPointFlags();
  int step = 0;
  for (auto _ : state) {
    in.v = VelocityAt(step++);
    benchmark::DoNotOptimize(EvaluateDetG(in, m, Numerics));
  }
}
BENCHMARK(BM_EightyBitDetG<DetGNumerics::Reference>);
BENCHMARK(BM_EightyBitDetG<DetGNumerics::Fast>);

}  // namespace
