#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>

#include "base/komunikat.h"
#include "form/tform1.h"

namespace {

// The evaluations may run on worker threads, so every benchmark measures wall time: what the
// user waits for. Argument 0 runs the reference path (one evaluation after the other, the fill
// as written, the full elimination), 1 the program's own.

// Messages are dropped: a fault would show in the timings and in the recorded counters.
class SilentSink : public Komunikat {
 public:
  void Show(const std::string&, const std::string&) override { ++shown; }
  int shown = 0;
};

// A created window with the default data, working in its own temporary directory (the det_g
// scans of the maps and sliders rewrite the trace file of the working directory).
class BenchWindow {
 public:
  explicit BenchWindow(const benchmark::State& state) {
    char pattern[] = "/tmp/fitting_bench_XXXXXX";
    if (mkdtemp(pattern) == nullptr || getcwd(oldDir_, sizeof oldDir_) == nullptr ||
        chdir(pattern) != 0)
      std::abort();
    dir_ = pattern;
    SetMessageSink(&sink);
    if (state.range(0) == 0) {
      form.parallelEvaluation = false;
      form.numerics = DetGNumerics::Reference;
    }
    form.RunHandler([&] { form.WindowCreated(); });
  }
  ~BenchWindow() {
    SetMessageSink(nullptr);
    std::remove((dir_ + "/test.txt").c_str());
    if (chdir(oldDir_) != 0) std::abort();
    rmdir(dir_.c_str());
  }
  void Report(benchmark::State& state) const {
    state.counters["messages"] = sink.shown;
    if (sink.shown > 0) state.SkipWithError("a message was shown");
  }

  SilentSink sink;
  TForm1 form;

 private:
  char oldDir_[4096] = {};
  std::string dir_;
};

// The "Disperssions" button: 40 angles x 150 velocities x 3 determinants with the defaults.
void BM_DefaultDispersionSweep(benchmark::State& state) {
  BenchWindow w(state);
  for (auto _ : state) w.form.controls["Button4"].onClick();
  state.counters["points"] = static_cast<double>(w.form.records.dispersion.size());
  // The share of the last sweep's evaluations made in 80 bits.
  const DetGPrefetch& p = w.form.prefetch;
  const double used = static_cast<double>(p.Taken() + p.TakenCertified());
  if (used > 0) state.counters["in80bits"] = static_cast<double>(p.Taken()) / used;
  w.Report(state);
}
BENCHMARK(BM_DefaultDispersionSweep)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// The "Cij correlations" button for a pair of constants at a resolution item ("S" 0, "XL" 3).
void DefaultMap(benchmark::State& state, int x, int y, int resolution) {
  BenchWindow w(state);
  w.form.controls["RadioGroup1"].itemIndex = x;
  w.form.controls["RadioGroup2"].itemIndex = y;
  w.form.controls["RadioGroup5"].itemIndex = resolution;
  for (auto _ : state) w.form.controls["Button6"].onClick();
  const std::vector<MapNode>& nodes = w.form.records.map.nodes;
  state.counters["nodes"] = static_cast<double>(nodes.size());
  // The share of the nodes evaluated in 80 bits, and of those the export evaluates in 80 bits.
  const DetGPrefetch& p = w.form.prefetch;
  const double used = static_cast<double>(p.Taken() + p.TakenCertified());
  if (used > 0) state.counters["in80bits"] = static_cast<double>(p.Taken()) / used;
  std::size_t pending = 0;
  for (const MapNode& n : nodes) pending += n.pending;
  if (!nodes.empty())
    state.counters["exportIn80bits"] = static_cast<double>(pending) / nodes.size();
  w.Report(state);
}
// c11_S / c12_S, the pair the window starts with, and c11_S / c11L2.
void BM_DefaultMapS(benchmark::State& state) { DefaultMap(state, 0, 1, 0); }
void BM_DefaultMapXL(benchmark::State& state) { DefaultMap(state, 0, 1, 3); }
void BM_SubstrateLayer2MapXL(benchmark::State& state) { DefaultMap(state, 0, 4, 3); }
BENCHMARK(BM_DefaultMapS)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefaultMapXL)->Arg(0)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SubstrateLayer2MapXL)->Arg(0)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// One move of the c11 slider of Layer 1 with the dispersion curves coupled: the det_g scan,
// bulk marks, correlator and the whole dispersion sweep.
void BM_HandySliderCoupled(benchmark::State& state) {
  BenchWindow w(state);
  w.form.controls["CheckBox21"].checked = true;
  Control& slider = w.form.controls["ScrollBar9"];
  int step = 0;
  for (auto _ : state) slider.SetPosition(++step % 2 == 0 ? 10 : -10);
  w.Report(state);
}
BENCHMARK(BM_HandySliderCoupled)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
