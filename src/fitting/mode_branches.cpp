#include "fitting/mode_branches.h"

#include <cmath>

#include "base/fp_fault.h"
#include "detg/measured_velocity.h"
#include "fitting/mode_sweep.h"

namespace {

// qd = q D with q = 12.566368 sin(theta) / lambda, so sin(theta) = qd lambda / (12.566368 D).
std::optional<long double> AngleOfQd(long double qd, const BranchWindow& w) {
  const long double s = qd * w.laserNm / (kFourPiApprox * w.totalDepthNm);
  if (!(s >= -1 && s <= 1)) return std::nullopt;
  return asinl(s) / kDegreeToRad;
}

BranchPoint PointOf(long double qd, long double v, const BranchWindow& w) {
  BranchPoint p{qd, AngleOfQd(qd, w), v, 0};
  // f = v q / (2 pi) with the program's 4 pi: 2 v sin(theta) / lambda.
  p.frequencyGHz = 2 * v * qd / (kFourPiApprox * w.totalDepthNm);
  return p;
}

}  // namespace

long double SampleQd(const BranchWindow& window, int i) {
  return window.qdMin + (window.qdMax - window.qdMin) * i / (kBranchSamples - 1);
}

long double SampleWaveNumber(const BranchWindow& window, long double qd) {
  return qd / (window.totalDepthNm * 1e-9L);
}

std::optional<std::vector<ModeBranch>> TraceModeBranches(
    const StackInputs& stack, const BranchWindow& window,
    const std::function<void(double)>& progress, const std::function<bool()>& cancelled) {
  if (!(window.totalDepthNm > 0 && window.laserNm > 0))
    throw RefusedInput("The mode branches need a positive film thickness and laser line.");
  std::vector<long double> qds, qs;
  for (int i = 0; i < kBranchSamples; ++i) {
    qds.push_back(SampleQd(window, i));
    qs.push_back(SampleWaveNumber(window, qds.back()));
  }
  std::vector<ModeBranch> branches;
  const auto found = [&](std::size_t i, const std::vector<Mode>& modes) {
    for (std::size_t k = 0; k < modes.size(); ++k) {
      if (branches.size() <= k) branches.push_back({ModeLabel(k), {}});
      branches[k].points.push_back(PointOf(qds[i], modes[k].velocity, window));
    }
    if (progress) progress(double(i + 1) / kBranchSamples);
  };
  if (!FindModesInTurn(stack, qs, found, cancelled)) return std::nullopt;
  return branches;
}
