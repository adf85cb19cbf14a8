#include <benchmark/benchmark.h>

#include "model_stack_defaults.h"
#include "model/certified_detg.h"
#include "model/fast_determinant.h"
#include "model/lanes.h"
#include "base/fp_fault.h"

namespace {

// Runs work(stack, matrix) once per iteration on the default stack, velocities over
// 3000..6000 m/s.
template <typename Work>
void OverDefaultVelocities(benchmark::State& state, Work work) {
  StackInputs in = DefaultStack(3000);
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  ClearFloatingPointFlags();
  int step = 0;
  for (auto _ : state) {
    in.v = 3000 + (step++ % 1000) * 3.0L;
    work(in, m);
  }
}

// One det_g evaluation (fill, determinant, fault check): the reference numerics (the fill as
// written, the full elimination), then the program's.
template <DetGNumerics Numerics>
void BM_EvaluateDetG(benchmark::State& state) {
  OverDefaultVelocities(state, [](const StackInputs& in, ComplexMatrix& m) {
    benchmark::DoNotOptimize(EvaluateDetG(in, m, Numerics));
  });
}
BENCHMARK(BM_EvaluateDetG<DetGNumerics::Reference>);
BENCHMARK(BM_EvaluateDetG<DetGNumerics::Fast>);

// The certified double-precision evaluation over the same velocities; the share without a
// certificate (which the 80-bit path then decides) as a counter.
void BM_CertifiedDetG(benchmark::State& state) {
  int uncertified = 0;
  OverDefaultVelocities(state, [&uncertified](const StackInputs& in, ComplexMatrix&) {
    const CertifiedDetG d = EvaluateDetGCertified(in);
    uncertified += d.certified ? 0 : 1;
    benchmark::DoNotOptimize(d);
  });
  state.counters["uncertified"] =
      benchmark::Counter(uncertified, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CertifiedDetG);

// The same, kLanes velocities at a time side by side; time per evaluation.
void BM_CertifiedDetGLanes(benchmark::State& state) {
  StackInputs in[kLanes];
  CertifiedDetG d[kLanes];
  int step = 0;
  for (auto _ : state) {
    for (StackInputs& lane : in) {
      lane = DefaultStack(3000 + (step++ % 1000) * 3.0L);
    }
    EvaluateDetGCertifiedLanes(in, kLanes, d);
    benchmark::DoNotOptimize(d);
  }
  state.SetItemsProcessed(state.iterations() * kLanes);
}
BENCHMARK(BM_CertifiedDetGLanes);

// The two fills alone.
template <FillVariant Variant>
void BM_Fill(benchmark::State& state) {
  OverDefaultVelocities(state, [](const StackInputs& in, ComplexMatrix& m) {
    FillBoundaryElements(in, m, Variant);
    benchmark::DoNotOptimize(m[14][14]);
  });
}
BENCHMARK(BM_Fill<FillVariant::AsWritten>);
BENCHMARK(BM_Fill<FillVariant::SharedPhases>);

// The two determinants alone on the same filled matrix, copied afresh each iteration.
template <ComplexLD (*Determinant)(ComplexMatrix&, double, DeterminantProgress*)>
void BM_Determinant(benchmark::State& state) {
  ComplexMatrix filled;
  ResizeMatrix(filled, 14, 14);
  ClearFloatingPointFlags();
  FillBoundaryElements(DefaultStack(4000), filled);
  ComplexMatrix m = filled;
  for (auto _ : state) {
    for (int r = 0; r <= 14; ++r) m[r] = filled[r];
    benchmark::DoNotOptimize(Determinant(m, kPivotThreshold, nullptr));
  }
}
BENCHMARK(BM_Determinant<ComplexDeterminant>);
BENCHMARK(BM_Determinant<ComplexDeterminantFast>);

}  // namespace
