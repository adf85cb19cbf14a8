#pragma once
#include <optional>
#include <string>
#include <vector>

#include "fitting/fit_problem.h"

// The model modes the data name, per distinct angle, and their velocities at the last
// accepted parameters, from which each evaluation follows them.
struct FitAngle {
  long double angleDeg = 0, q = 0;
  std::vector<int> modes;               // ascending mode numbers the data use here
  std::vector<long double> velocities;  // one per mode
};

class FitResiduals {
 public:
  explicit FitResiduals(const FitProblem& problem);

  // One full mode search per angle at the starting stack; the reason it cannot assign the
  // data (a mode the model does not have there), or "" when it can. Nothing when cancelled.
  std::optional<std::string> Assign(const std::function<bool()>& cancelled);

  // Normalised residuals at the parameter values, each mode followed from its anchor; the
  // followed velocities per angle into `followed`. False when a mode is lost, when two modes
  // meet, or when the stack is not physical.
  bool Evaluate(const std::vector<long double>& values, double* residuals,
                std::vector<std::vector<long double>>* followed) const;

  void SetAnchors(const std::vector<std::vector<long double>>& velocities);
  const std::vector<FitAngle>& Angles() const { return angles_; }
  const FitProblem& Problem() const { return problem_; }

  // Full mode search per angle at the values: "" when every followed mode is the one the data
  // name, else what differs. Nothing when cancelled.
  std::optional<std::string> Confirm(const std::vector<long double>& values,
                                     const std::function<bool()>& cancelled) const;

  // The table of residuals with the anchors as the model's velocities.
  std::vector<FitResidual> Table() const;

 private:
  std::size_t AngleOf(long double angleDeg) const;
  std::size_t SlotOf(const FitAngle& a, int mode) const;

  FitProblem problem_;
  std::vector<FitAngle> angles_;
};
