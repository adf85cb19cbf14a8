#include "fitting/map_source.h"

#include "fitting/source_share.h"
#include "model/stack_of_state.h"

namespace {

long double& Modified(SimulationState& s, MapAxisConstant c) {
  return c.isC11 ? s.c11Mod[c.medium] : s.c12Mod[c.medium];
}

void RefreshC44(SimulationState& s, MapAxisConstant c) {
  s.c44Mod[c.medium] = (s.c11Mod[c.medium] - s.c12Mod[c.medium]) / 2;
}

class Map : public DetGInputSource {
 public:
  Map(const SimulationState& state, MapAxisConstant a, MapAxisConstant b, const MapNodeWalk& walk)
      : s_(state), a_(a), b_(b), walk_(walk), x_(walk.xMin), y_(walk.yStart) {
    points_.Update(s_);
  }

  bool Next(StackInputs& in) override {
    while (next_ == node_.size()) {
      if (!(x_ < walk_.xEnd)) return false;
      if (!(y_ < walk_.yEnd)) {
        x_ += walk_.stepX;
        y_ = walk_.yStart;
        continue;
      }
      node_.clear();
      next_ = 0;
      MapNodeInputs(s_, a_, b_, x_, y_, points_, node_);
      y_ += walk_.stepY;
    }
    in = node_[next_++];
    return true;
  }

  double Fraction() const override { return Share(x_ - walk_.xMin, walk_.xEnd - walk_.xMin); }

 private:
  SimulationState s_;
  MapAxisConstant a_, b_;
  MapNodeWalk walk_;
  MeasuredPoints points_;
  long double x_, y_;
  std::vector<StackInputs> node_;
  std::size_t next_ = 0;
};

}  // namespace

void MapNodeInputs(SimulationState& s, MapAxisConstant a, MapAxisConstant b, long double x,
                   long double y, const MeasuredPoints& points, std::vector<StackInputs>& out) {
  Modified(s, a) = x;
  Modified(s, b) = y;
  RefreshC44(s, a);
  RefreshC44(s, b);
  StackInputs in = StackOfState(s, 0);
  for (const MeasuredPoint& p : points) {
    in.q = p.q;
    in.v = p.vR;
    out.push_back(in);
    in.v = p.vS1;
    out.push_back(in);
  }
}

std::unique_ptr<DetGInputSource> MapSource(const SimulationState& state, MapAxisConstant x,
                                           MapAxisConstant y, const MapNodeWalk& walk) {
  return std::make_unique<Map>(state, x, y, walk);
}
