#include "fitting/map_source.h"

#include "detg/measured_velocity.h"
#include "fitting/source_share.h"
#include "model/stack_of_state.h"

namespace {

class Map : public DetGInputSource {
 public:
  Map(const SimulationState& state, MapAxisConstant a, MapAxisConstant b, const MapNodeWalk& walk)
      : s_(state), a_(a), b_(b), walk_(walk), x_(walk.xMin), y_(walk.yStart) {}

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
    Modified(a_) = x_;
    Modified(b_) = y_;
    RefreshC44(a_);
    RefreshC44(b_);
    nodeSet_ = true;
  }

  long double& Modified(MapAxisConstant c) { return c.isC11 ? s_.c11Mod[c.medium] : s_.c12Mod[c.medium]; }
  void RefreshC44(MapAxisConstant c) { s_.c44Mod[c.medium] = (s_.c11Mod[c.medium] - s_.c12Mod[c.medium]) / 2; }

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
  MapAxisConstant a_, b_;
  MapNodeWalk walk_;
  long double x_, y_;
  int angle_ = 0;
  bool sOfAngle_ = false;
  bool nodeSet_ = false;
};

}  // namespace

std::unique_ptr<DetGInputSource> MapSource(const SimulationState& state, MapAxisConstant x,
                                           MapAxisConstant y, const MapNodeWalk& walk) {
  return std::make_unique<Map>(state, x, y, walk);
}
