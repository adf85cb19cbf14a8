#include "fitting/sweep_source.h"

#include "detg/measured_velocity.h"
#include "fitting/source_share.h"
#include "model/stack_of_state.h"

namespace {

class Sweep : public DetGInputSource {
 public:
  explicit Sweep(const SimulationState& state)
      : s_(state), stack_(StackOfState(s_, 0)), theta_(s_.thetaStartRad) {}

  bool Next(StackInputs& in) override {
    for (;;) {
      if (!inAngle_) {
        if (!(theta_ < s_.thetaEndRad)) return false;
        stack_.q = ScanWaveNumber(theta_, s_.laserM);
        v_ = s_.vMin;
        inAngle_ = true;
      }
      if (k_ == 0) {
        if (!(v_ < s_.vMax)) {
          theta_ += s_.thetaStepRad;
          inAngle_ = false;
          continue;
        }
        stencil_[0] = v_;
        stencil_[1] = stencil_[0] + s_.zeroSens;
        stencil_[2] = stencil_[1] + s_.zeroSens;
      }
      stack_.v = stencil_[k_];
      in = stack_;
      if (++k_ == 3) {
        k_ = 0;
        v_ = stencil_[2] - 2 * s_.zeroSens;
        v_ += s_.vStep;
      }
      return true;
    }
  }

  double Fraction() const override {
    return Share(theta_ - s_.thetaStartRad, s_.thetaEndRad - s_.thetaStartRad);
  }

 private:
  const SimulationState s_;
  StackInputs stack_;  // the stack of s_; v and q those of the next input
  long double theta_, v_ = 0;
  long double stencil_[3] = {};
  bool inAngle_ = false;
  int k_ = 0;
};

}  // namespace

std::unique_ptr<DetGInputSource> SweepSource(const SimulationState& state) {
  return std::make_unique<Sweep>(state);
}
