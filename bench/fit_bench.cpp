#include <vector>

#include <benchmark/benchmark.h>

#include "../tests/model_stack_defaults.h"
#include "fitting/fit_solver.h"
#include "fitting/mode_finder.h"
#include "base/fp_fault.h"

namespace {

// The window's default measurements: R and S_1 at nine angles.
std::vector<FitMeasurement> DefaultData() {
  const double angles[9] = {40, 45, 50, 55, 60, 65, 70, 75, 77};
  const double r[9] = {9.3, 9.8, 10.7, 11.3, 11.9, 12.1, 12.5, 12.7, 12.8};
  const double dr[9] = {0.2, 0.2, 0.2, 0.2, 0.3, 0.2, 0.3, 0.3, 0.3};
  const double s1[9] = {12.5, 13.2, 13.8, 14.2, 14.8, 15.2, 15.4, 15.6, 15.8};
  const double ds1[9] = {0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.4, 0.4};
  std::vector<FitMeasurement> data;
  for (int i = 0; i < 9; ++i) {
    data.push_back({angles[i], 0, r[i], dr[i]});
    data.push_back({angles[i], 1, s1[i], ds1[i]});
  }
  return data;
}

FitProblem DefaultProblem() {
  FitProblem p;
  p.stack = DefaultStack(0);
  p.laserNm = 532;
  CheckFitParameters({"c11_S", "c11L2"}, p.parameters);
  p.measurements = DefaultData();
  return p;
}

// The whole two-parameter fit of the default data: the modes assigned, followed and confirmed.
void BM_FitDefaultData(benchmark::State& state) {
  const FitProblem problem = DefaultProblem();
  ClearFloatingPointFlags();
  int iterations = 0;
  for (auto _ : state) iterations = RunFit(problem).iterations;
  state.counters["solver_iterations"] = iterations;
}
BENCHMARK(BM_FitDefaultData)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(2);

// What one evaluation of the residuals costs when every evaluation searches all the modes of
// each angle in full, as a fit without following would; a fit needs tens of evaluations.
void BM_FullSearchEvaluation(benchmark::State& state) {
  const FitProblem problem = DefaultProblem();
  ClearFloatingPointFlags();
  for (auto _ : state)
    for (int i = 0; i < 9; ++i) {
      const long double angle = problem.measurements[2 * i].angleDeg;
      benchmark::DoNotOptimize(FindModes(problem.stack, ScatteringWaveNumber(angle, 532)));
    }
}
BENCHMARK(BM_FullSearchEvaluation)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
