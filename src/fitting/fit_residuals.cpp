#include "fitting/fit_residuals.h"

#include <algorithm>
#include <cmath>

#include "base/fp_fault.h"
#include "fitting/fit_mode_follower.h"
#include "fitting/mode_finder.h"

namespace {

// How far a mode may move between two accepted steps before the step counts as too long, as
// a share of its velocity, and the width its velocity is refined to.
constexpr long double kReachShare = 0.03L;
constexpr long double kFollowWidth = 1e-9L;
// A followed mode and the one the full search finds agree to this much (m/s).
constexpr long double kConfirmTolerance = 1e-3L;

std::string AngleText(long double angleDeg) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(angleDeg));
  return text;
}

}  // namespace

FitResiduals::FitResiduals(const FitProblem& problem) : problem_(problem) {
  for (const FitMeasurement& m : problem_.measurements) {
    auto it = std::find_if(angles_.begin(), angles_.end(),
                           [&](const FitAngle& a) { return a.angleDeg == m.angleDeg; });
    if (it == angles_.end()) {
      angles_.push_back({m.angleDeg, ScatteringWaveNumber(m.angleDeg, problem_.laserNm), {}, {}});
      it = angles_.end() - 1;
    }
    if (std::find(it->modes.begin(), it->modes.end(), m.mode) == it->modes.end())
      it->modes.push_back(m.mode);
  }
  for (FitAngle& a : angles_) {
    std::sort(a.modes.begin(), a.modes.end());
    a.velocities.assign(a.modes.size(), 0);
  }
}

std::size_t FitResiduals::AngleOf(long double angleDeg) const {
  for (std::size_t i = 0; i < angles_.size(); ++i)
    if (angles_[i].angleDeg == angleDeg) return i;
  return 0;
}

std::size_t FitResiduals::SlotOf(const FitAngle& a, int mode) const {
  return std::find(a.modes.begin(), a.modes.end(), mode) - a.modes.begin();
}

std::optional<std::string> FitResiduals::Assign(const std::function<bool()>& cancelled) {
  ClearFloatingPointFlags();  // what the caller or the solver left is not this search's fault
  for (FitAngle& a : angles_) {
    const std::optional<std::vector<Mode>> modes = FindModes(problem_.stack, a.q, cancelled);
    if (!modes) return std::nullopt;
    for (std::size_t j = 0; j < a.modes.size(); ++j) {
      const std::size_t n = static_cast<std::size_t>(a.modes[j]);
      if (n >= modes->size())
        return "at " + AngleText(a.angleDeg) + " degrees the starting model has no " +
               ModeLabel(n) + " mode";
      a.velocities[j] = (*modes)[n].velocity;
    }
  }
  return std::string();
}

bool FitResiduals::Evaluate(const std::vector<long double>& values, double* residuals,
                            std::vector<std::vector<long double>>* followed) const {
  const StackInputs stack = WithParameters(problem_.stack, problem_.parameters, values);
  if (!IsPhysical(stack)) return false;
  std::vector<std::vector<long double>> velocities;
  ClearFloatingPointFlags();
  try {
    for (const FitAngle& a : angles_) {
      std::vector<long double> found;
      for (long double last : a.velocities) {
        const std::optional<long double> v =
            FollowMode(stack, a.q, last, kReachShare * last, kFollowWidth);
        if (!v || (!found.empty() && !(*v > found.back()))) return false;
        found.push_back(*v);
      }
      velocities.push_back(found);
    }
  } catch (const FloatingPointFault&) {
    ClearFloatingPointFlags();
    return false;
  }
  for (std::size_t i = 0; i < problem_.measurements.size(); ++i) {
    const FitMeasurement& m = problem_.measurements[i];
    const std::size_t k = AngleOf(m.angleDeg);
    const long double v = velocities[k][SlotOf(angles_[k], m.mode)];
    residuals[i] = static_cast<double>(
        (ModeFrequencyGHz(v, m.angleDeg, problem_.laserNm) - m.frequencyGHz) / m.sigmaGHz);
  }
  if (followed) *followed = std::move(velocities);
  return true;
}

void FitResiduals::SetAnchors(const std::vector<std::vector<long double>>& velocities) {
  for (std::size_t k = 0; k < angles_.size(); ++k) angles_[k].velocities = velocities[k];
}

std::optional<std::string> FitResiduals::Confirm(const std::vector<long double>& values,
                                                 const std::function<bool()>& cancelled) const {
  const StackInputs stack = WithParameters(problem_.stack, problem_.parameters, values);
  std::string differences;
  ClearFloatingPointFlags();
  for (const FitAngle& a : angles_) {
    const std::optional<std::vector<Mode>> modes = FindModes(stack, a.q, cancelled);
    if (!modes) return std::nullopt;
    for (std::size_t j = 0; j < a.modes.size(); ++j) {
      const std::size_t n = static_cast<std::size_t>(a.modes[j]);
      if (n < modes->size() && fabsl((*modes)[n].velocity - a.velocities[j]) < kConfirmTolerance)
        continue;
      differences += (differences.empty() ? "" : "; ") + ModeLabel(n) + " at " +
                     AngleText(a.angleDeg) + " degrees";
    }
  }
  if (differences.empty()) return differences;
  return "the followed mode is not the model's mode of that name at the solution: " + differences;
}

std::vector<FitResidual> FitResiduals::Table() const {
  std::vector<FitResidual> table;
  for (const FitMeasurement& m : problem_.measurements) {
    const std::size_t k = AngleOf(m.angleDeg);
    const long double v = angles_[k].velocities[SlotOf(angles_[k], m.mode)];
    const long double model = ModeFrequencyGHz(v, m.angleDeg, problem_.laserNm);
    table.push_back({static_cast<double>(m.angleDeg), m.mode, static_cast<double>(m.frequencyGHz),
                     static_cast<double>(m.sigmaGHz), static_cast<double>(model),
                     static_cast<double>(v),
                     static_cast<double>((model - m.frequencyGHz) / m.sigmaGHz)});
  }
  return table;
}
