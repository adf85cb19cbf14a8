#include "fitting/sweep_source.h"

#include "detg/measured_velocity.h"
#include "fitting/source_share.h"
#include "model/stack_of_state.h"

namespace {

class Sweep : public DetGInputSource {
 public:
  explicit Sweep(const SimulationState& state)
      : s_(state), stack_(StackOfState(s_, 0)), theta_(s_.thetaStartRad) {}

  bool Next(StackInputs& stack, std::vector<WavePoint>& waves) override {
    for (;;) {
      if (!inAngle_) {
        if (!(theta_ < s_.thetaEndRad)) return false;
        q_ = ScanWaveNumber(theta_, s_.laserM);
        v_ = s_.vMin;
        inAngle_ = true;
      }
      if (!(v_ < s_.vMax)) {
        theta_ += s_.thetaStepRad;
        inAngle_ = false;
        continue;
      }
      // The zero test's stencil at v_.
      long double v = v_;
      for (int k = 0; k < 3; ++k) {
        if (k > 0) v += s_.zeroSens;
        waves.push_back({q_, v});
      }
      v_ = v - 2 * s_.zeroSens;
      v_ += s_.vStep;
      stack = stack_;
      return true;
    }
  }

  double Fraction() const override {
    return Share(theta_ - s_.thetaStartRad, s_.thetaEndRad - s_.thetaStartRad);
  }

 private:
  const SimulationState s_;
  const StackInputs stack_;
  long double theta_, q_ = 0, v_ = 0;
  bool inAngle_ = false;
};

}  // namespace

std::unique_ptr<DetGInputSource> SweepSource(const SimulationState& state) {
  return std::make_unique<Sweep>(state);
}
