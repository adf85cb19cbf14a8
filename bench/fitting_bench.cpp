#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>

#include "model/komunikat.h"
#include "ui/tform1.h"

namespace {

// The evaluations may run on worker threads, so every benchmark measures wall time: what the
// user waits for.

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
  BenchWindow() {
    char pattern[] = "/tmp/fitting_bench_XXXXXX";
    if (mkdtemp(pattern) == nullptr || getcwd(oldDir_, sizeof oldDir_) == nullptr ||
        chdir(pattern) != 0)
      std::abort();
    dir_ = pattern;
    SetMessageSink(&sink);
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
  BenchWindow w;
  for (auto _ : state) w.form.controls["Button4"].onClick();
  state.counters["points"] = static_cast<double>(w.form.records.dispersion.size());
  w.Report(state);
}
BENCHMARK(BM_DefaultDispersionSweep)->UseRealTime()->Unit(benchmark::kMillisecond);

// The "Cij correlations" button for c11_S / c12_S at a resolution item ("S" 0, "XL" 3).
void DefaultSubstrateMap(benchmark::State& state, int resolution) {
  BenchWindow w;
  w.form.controls["RadioGroup1"].itemIndex = 0;
  w.form.controls["RadioGroup2"].itemIndex = 1;
  w.form.controls["RadioGroup5"].itemIndex = resolution;
  for (auto _ : state) w.form.controls["Button6"].onClick();
  state.counters["nodes"] = static_cast<double>(w.form.records.map.nodes.size());
  w.Report(state);
}
void BM_DefaultMapS(benchmark::State& state) { DefaultSubstrateMap(state, 0); }
void BM_DefaultMapXL(benchmark::State& state) { DefaultSubstrateMap(state, 3); }
BENCHMARK(BM_DefaultMapS)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefaultMapXL)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// One move of the c11 slider of Layer 1 with the dispersion curves coupled: the det_g scan,
// bulk marks, correlator and the whole dispersion sweep.
void BM_HandySliderCoupled(benchmark::State& state) {
  BenchWindow w;
  w.form.controls["CheckBox21"].checked = true;
  Control& slider = w.form.controls["ScrollBar9"];
  int step = 0;
  for (auto _ : state) slider.SetPosition(++step % 2 == 0 ? 10 : -10);
  w.Report(state);
}
BENCHMARK(BM_HandySliderCoupled)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
