#include "ui/prefetch_sources.h"

#include "detg/measured_velocity.h"
#include "model/fp_fault.h"
#include "ui/evaluate_detg.h"
#include "ui/fill_boundary_matrix.h"
#include "ui/map_constants.h"
#include "ui/tform1.h"

namespace {

// The stack of the current fields and state, as the next fill will read it.
SimulationState StateWithStackFields(const TForm1& form) {
  SimulationState s = form.state;
  ReadStackFields(form, s);
  return s;
}

double Share(long double passed, long double whole) {
  const long double f = whole > 0 ? passed / whole : 0;
  return f < 0 ? 0.0 : f > 1 ? 1.0 : static_cast<double>(f);
}

class Sweep : public DetGInputSource {
 public:
  explicit Sweep(const TForm1& form) : s_(StateWithStackFields(form)), theta_(s_.thetaStartRad) {}

  bool Next(StackInputs& in) override {
    for (;;) {
      if (!inAngle_) {
        if (!(theta_ < s_.thetaEndRad)) return false;
        q_ = ScanWaveNumber(theta_, s_.laserM);
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
      s_.scanV = stencil_[k_];
      in = StackOfState(s_, q_);
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
  SimulationState s_;
  long double theta_, q_ = 0, v_ = 0;
  long double stencil_[3] = {};
  bool inAngle_ = false;
  int k_ = 0;
};

class Map : public DetGInputSource {
 public:
  Map(const TForm1& form, int a, int b, const MapNodeWalk& walk)
      : s_(StateWithStackFields(form)), a_(a), b_(b), walk_(walk), x_(walk.xMin), y_(walk.yStart) {
    EnsureEvaluationUnits(form, s_);
  }

  bool Next(StackInputs& in) override {
    for (;;) {
      if (!(x_ < walk_.xEnd)) return false;
      if (!(y_ < walk_.yEnd)) {
        x_ += walk_.stepX;
        y_ = walk_.yStart;
        continue;
      }
      if (angle_ == 14) {
        y_ += walk_.stepY;
        angle_ = 0;
        nodeSet_ = false;
        continue;
      }
      if (s_.angleRad[angle_] == 0) {
        ++angle_;
        continue;
      }
      if (!nodeSet_) SetNode();
      EmitAtMeasured(in);
      return true;
    }
  }

  double Fraction() const override { return Share(x_ - walk_.xMin, walk_.xEnd - walk_.xMin); }

 private:
  void SetNode() {
    ModifiedValue(s_, MapConstant(a_)) = x_;
    ModifiedValue(s_, MapConstant(b_)) = y_;
    RefreshC44OfConstant(s_, a_);
    RefreshC44OfConstant(s_, b_);
    nodeSet_ = true;
  }

  // R, then S_1 of the current angle.
  void EmitAtMeasured(StackInputs& in) {
    const int i = angle_;
    const long double freq = sOfAngle_ ? s_.freqS1[i] : s_.freqR[i];
    s_.scanV = MeasuredPhaseVelocity(s_.laserNm, freq, s_.angleRad[i]);
    in = StackOfState(s_, ScanWaveNumber(s_.angleRad[i], s_.laserM));
    if (sOfAngle_) ++angle_;
    sOfAngle_ = !sOfAngle_;
  }

  SimulationState s_;
  int a_, b_;
  MapNodeWalk walk_;
  long double x_, y_;
  int angle_ = 0;
  bool sOfAngle_ = false;
  bool nodeSet_ = false;
};

}  // namespace

std::unique_ptr<DetGInputSource> SweepSource(const TForm1& form) {
  return std::make_unique<Sweep>(form);
}

std::unique_ptr<DetGInputSource> MapSource(const TForm1& form, int a, int b, const MapNodeWalk& walk) {
  return std::make_unique<Map>(form, a, b, walk);
}

PrefetchScope::PrefetchScope(TForm1& form,
                             const std::function<std::unique_ptr<DetGInputSource>()>& makeSource)
    : form_(form) {
  if (!form.parallelEvaluation) return;
  std::unique_ptr<DetGInputSource> source;
  {
    const FloatingPointFlagsKept kept;
    source = makeSource();
  }
  form.prefetch.Start(std::move(source), form.onProgress);
}

PrefetchScope::~PrefetchScope() { form_.prefetch.Stop(); }
