#pragma once
#include <cstddef>

#include "model/simulation_state.h"

// The g correlator's two evaluations at one used angle: the wave number and the phase
// velocities of the measured R and S_1 frequencies.
struct MeasuredPoint {
  int angle = 0;  // 0..13
  long double q = 0, vR = 0, vS1 = 0;
};

// The points of every used angle (angleRad not 0), in angle order, with the correlator's own
// arithmetic. They depend only on the angles, the frequencies and the laser line, which the
// nodes of a map do not vary: computed once, and again only when those change in any bit.
class MeasuredPoints {
 public:
  // The points of s. Leaves the fault flags as they were.
  void Update(const SimulationState& s);

  const MeasuredPoint* begin() const { return points_; }
  const MeasuredPoint* end() const { return points_ + count_; }
  std::size_t size() const { return count_; }
  // Computing them raised a floating-point fault flag: a computation that must meet the fault
  // computes them itself.
  bool Faulted() const { return faulted_; }

 private:
  bool SameSource(const SimulationState& s) const;

  MeasuredPoint points_[14];
  std::size_t count_ = 0;
  bool valid_ = false, faulted_ = false;
  // What they were computed from.
  long double laserNm_ = 0, laserM_ = 0;
  long double angleRad_[14] = {}, freqR_[14] = {}, freqS1_[14] = {};
};
