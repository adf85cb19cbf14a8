#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/boundary_fill.h"

// One point of a branch: the dispersion abscissa qd (q times the total film thickness), the
// angle of incidence that probes it (degrees; absent where sin theta would exceed 1), the
// phase velocity (m/s) and the frequency (GHz) at the laser line.
struct BranchPoint {
  long double qd = 0;
  std::optional<long double> angleDeg;
  long double velocity = 0;
  long double frequencyGHz = 0;
};

// The mode of one rank (R, S_1, ...) at every sampled qd where the model has it: a branch
// ends where its mode reaches the substrate's transverse velocity.
struct ModeBranch {
  std::string mode;
  std::vector<BranchPoint> points;  // ascending qd
};

// Sample qd values of the window [qdMin, qdMax], both ends included.
inline constexpr int kBranchSamples = 101;

struct BranchWindow {
  long double qdMin = 0, qdMax = 0;
  long double totalDepthNm = 0;  // D of qd = q D
  long double laserNm = 0;
};

// The qd of sample i (0 .. kBranchSamples - 1) and the wave number q = qd / D of a qd.
long double SampleQd(const BranchWindow& window, int i);
long double SampleWaveNumber(const BranchWindow& window, long double qd);

// The branches of the stack (its v and q ignored; G must be set), the mode finder run at
// every sample; progress gets the share done after each. Nothing once `cancelled` says so.
// A thickness or laser line that is not positive is refused (RefusedInput).
std::optional<std::vector<ModeBranch>> TraceModeBranches(
    const StackInputs& stack, const BranchWindow& window,
    const std::function<void(double)>& progress = {},
    const std::function<bool()>& cancelled = {});
