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

  bool Next(StackInputs& stack, std::vector<WavePoint>& waves) override {
    for (;;) {
      if (!(x_ < walk_.xEnd)) return false;
      if (y_ < walk_.yEnd) break;
      x_ += walk_.stepX;
      y_ = walk_.yStart;
    }
    stack = MapNodeStack(s_, a_, b_, x_, y_);
    MapNodeWaves(points_, waves);
    y_ += walk_.stepY;
    return true;
  }

  double Fraction() const override { return Share(x_ - walk_.xMin, walk_.xEnd - walk_.xMin); }

 private:
  SimulationState s_;
  MapAxisConstant a_, b_;
  MapNodeWalk walk_;
  MeasuredPoints points_;
  long double x_, y_;
};

}  // namespace

StackInputs MapNodeStack(SimulationState& s, MapAxisConstant a, MapAxisConstant b, long double x,
                         long double y) {
  Modified(s, a) = x;
  Modified(s, b) = y;
  RefreshC44(s, a);
  RefreshC44(s, b);
  return StackOfState(s, 0);
}

void MapNodeWaves(const MeasuredPoints& points, std::vector<WavePoint>& out) {
  for (const MeasuredPoint& p : points) {
    out.push_back({p.q, p.vR});
    out.push_back({p.q, p.vS1});
  }
}

std::unique_ptr<DetGInputSource> MapSource(const SimulationState& state, MapAxisConstant x,
                                           MapAxisConstant y, const MapNodeWalk& walk) {
  return std::make_unique<Map>(state, x, y, walk);
}
