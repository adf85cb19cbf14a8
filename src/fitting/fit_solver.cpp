#include "fitting/fit_solver.h"

#include <cmath>
#include <deque>

#include <ceres/ceres.h>

#include "fitting/fit_residuals.h"
#include "fitting/fit_statistics.h"

namespace {

constexpr double kRelativeStep = 1e-6;  // of the numeric derivatives
constexpr std::size_t kRememberedPoints = 16;

std::vector<long double> Extended(const double* x, std::size_t n) {
  return std::vector<long double>(x, x + n);
}

// The residuals for Ceres; remembers the modes it followed at the last points it evaluated,
// so that an accepted step can become the anchor without evaluating it again.
class ResidualFunctor {
 public:
  explicit ResidualFunctor(const FitResiduals& residuals) : residuals_(residuals) {}

  bool operator()(double const* const* parameters, double* out) const {
    const std::size_t n = residuals_.Problem().parameters.size();
    std::vector<std::vector<long double>> followed;
    if (!residuals_.Evaluate(Extended(parameters[0], n), out, &followed)) return false;
    seen_.push_back({std::vector<double>(parameters[0], parameters[0] + n), followed});
    if (seen_.size() > kRememberedPoints) seen_.pop_front();
    return true;
  }

  const std::vector<std::vector<long double>>* FollowedAt(const std::vector<double>& x) const {
    for (auto it = seen_.rbegin(); it != seen_.rend(); ++it)
      if (it->first == x) return &it->second;
    return nullptr;
  }

 private:
  const FitResiduals& residuals_;
  mutable std::deque<std::pair<std::vector<double>, std::vector<std::vector<long double>>>> seen_;
};

// Moves the anchors to every accepted point; reports progress and stops when cancelled.
class Anchoring : public ceres::IterationCallback {
 public:
  Anchoring(FitResiduals& residuals, const ResidualFunctor& functor, const std::vector<double>& x,
            const FitOptions& options)
      : residuals_(residuals), functor_(functor), x_(x), options_(options) {}

  ceres::CallbackReturnType operator()(const ceres::IterationSummary& summary) override {
    if (summary.step_is_successful) {
      const auto* followed = functor_.FollowedAt(x_);
      std::vector<std::vector<long double>> fresh;
      std::vector<double> scratch(residuals_.Problem().measurements.size());
      if (!followed && residuals_.Evaluate(Extended(x_.data(), x_.size()), scratch.data(), &fresh))
        followed = &fresh;
      if (followed) residuals_.SetAnchors(*followed);
    }
    if (options_.progress) options_.progress(summary.iteration);
    const bool stop = options_.cancelled && options_.cancelled();
    return stop ? ceres::SOLVER_ABORT : ceres::SOLVER_CONTINUE;
  }

 private:
  FitResiduals& residuals_;
  const ResidualFunctor& functor_;
  const std::vector<double>& x_;
  const FitOptions& options_;
};

ceres::Solver::Options SolverOptions(const FitOptions& options, Anchoring* anchoring) {
  ceres::Solver::Options o;
  o.linear_solver_type = ceres::DENSE_QR;
  o.max_num_iterations = options.maxIterations;
  o.function_tolerance = 1e-12;
  o.parameter_tolerance = 1e-12;
  o.gradient_tolerance = 1e-14;
  o.num_threads = 1;
  o.logging_type = ceres::SILENT;
  o.minimizer_progress_to_stdout = false;
  o.update_state_every_iteration = true;
  o.callbacks.push_back(anchoring);
  return o;
}

// The Jacobian of the residuals at the solution, row by row.
std::vector<std::vector<double>> JacobianAt(ceres::Problem& problem) {
  ceres::CRSMatrix crs;
  problem.Evaluate(ceres::Problem::EvaluateOptions(), nullptr, nullptr, nullptr, &crs);
  std::vector<std::vector<double>> rows(crs.num_rows, std::vector<double>(crs.num_cols, 0));
  for (int r = 0; r < crs.num_rows; ++r)
    for (int k = crs.rows[r]; k < crs.rows[r + 1]; ++k) rows[r][crs.cols[k]] = crs.values[k];
  return rows;
}

std::string StatusOf(const ceres::Solver::Summary& summary) {
  switch (summary.termination_type) {
    case ceres::CONVERGENCE: return "converged: " + summary.message;
    case ceres::NO_CONVERGENCE: return "not converged: " + summary.message;
    case ceres::USER_FAILURE: return "cancelled";
    default: return "failed: " + summary.message;
  }
}

void NoteBounds(const FitProblem& p, const std::vector<double>& x, FitResult& r) {
  for (std::size_t i = 0; i < x.size(); ++i) {
    const FitBounds b = BoundsOf(p.stack, p.parameters, i);
    const auto reached = [&](double bound) {
      return std::fabs(x[i] - bound) <= 1e-9 * std::max(1.0, std::fabs(bound));
    };
    if (b.lower && reached(*b.lower)) r.notes.push_back(r.names[i] + " reached its lower bound");
    if (b.upper && reached(*b.upper)) r.notes.push_back(r.names[i] + " reached its upper bound");
  }
}

FitResult Unsolved(const FitProblem& problem, const std::string& status) {
  FitResult r;
  r.status = status;
  for (const FitParameter& p : problem.parameters) {
    r.names.push_back(FitParameterName(p));
    r.start.push_back(static_cast<double>(ParameterValue(problem.stack, p)));
  }
  return r;
}

void Summarise(const FitResiduals& residuals, ceres::Problem& problem,
               const ceres::Solver::Summary& summary, const std::vector<double>& x,
               FitResult& r) {
  r.value = x;
  r.iterations = static_cast<int>(summary.iterations.size()) - 1;
  r.residuals = residuals.Table();
  r.chi2 = 0;
  for (const FitResidual& e : r.residuals) r.chi2 += e.normalized * e.normalized;
  r.dof = static_cast<int>(r.residuals.size() - x.size());
  const FitStatistics s = StatisticsOf(JacobianAt(problem), r.chi2, r.dof);
  r.sigma = s.sigma;
  r.sigmaScaled = s.sigmaScaled;
  r.correlation = s.correlation;
  NoteBounds(residuals.Problem(), x, r);
  for (const std::string& sentence : UndeterminedSentences(s, r.names)) r.notes.push_back(sentence);
}

}  // namespace

std::string RefusalOf(const FitProblem& problem) {
  if (problem.parameters.empty()) return "no parameter chosen";
  if (problem.measurements.size() < problem.parameters.size())
    return "more parameters (" + std::to_string(problem.parameters.size()) +
           ") than data points (" + std::to_string(problem.measurements.size()) + ")";
  for (const FitMeasurement& m : problem.measurements)
    if (!(m.sigmaGHz > 0 && m.frequencyGHz > 0 && std::isfinite(m.sigmaGHz) &&
          std::isfinite(m.frequencyGHz) && m.mode >= 0))
      return "a measured point without a positive frequency and uncertainty";
  if (!IsPhysical(problem.stack)) return "the starting stack is not physical";
  return "";
}

FitResult RunFit(const FitProblem& fitProblem, const FitOptions& options) {
  FitResult result = Unsolved(fitProblem, RefusalOf(fitProblem));
  if (!result.status.empty()) return result;
  FitResiduals residuals(fitProblem);
  if (options.startVelocities.size() == residuals.Angles().size()) {
    residuals.SetAnchors(options.startVelocities);
  } else {
    const std::optional<std::string> assigned = residuals.Assign(options.cancelled);
    if (!assigned || !assigned->empty()) {
      result.status = assigned ? *assigned : "cancelled";
      return result;
    }
  }
  std::vector<double> x = result.start;
  const std::size_t n = x.size();
  ResidualFunctor functor(residuals);
  auto* cost = new ceres::DynamicNumericDiffCostFunction<ResidualFunctor>(
      &functor, ceres::DO_NOT_TAKE_OWNERSHIP, [] {
        ceres::NumericDiffOptions o;
        o.relative_step_size = kRelativeStep;
        return o;
      }());
  cost->AddParameterBlock(static_cast<int>(n));
  cost->SetNumResiduals(static_cast<int>(fitProblem.measurements.size()));
  ceres::Problem problem;
  problem.AddResidualBlock(cost, nullptr, x.data());
  for (std::size_t i = 0; i < n; ++i) {
    const FitBounds b = BoundsOf(fitProblem.stack, fitProblem.parameters, i);
    if (b.lower) problem.SetParameterLowerBound(x.data(), static_cast<int>(i), *b.lower);
    if (b.upper) problem.SetParameterUpperBound(x.data(), static_cast<int>(i), *b.upper);
  }
  Anchoring anchoring(residuals, functor, x, options);
  ceres::Solver::Summary summary;
  ceres::Solve(SolverOptions(options, &anchoring), &problem, &summary);
  result.status = StatusOf(summary);
  if (summary.termination_type == ceres::USER_FAILURE || summary.termination_type == ceres::FAILURE)
    return result;
  std::vector<std::vector<long double>> followed;
  std::vector<double> scratch(fitProblem.measurements.size());
  if (residuals.Evaluate(Extended(x.data(), n), scratch.data(), &followed))
    residuals.SetAnchors(followed);
  Summarise(residuals, problem, summary, x, result);
  result.solved = true;
  if (!options.confirmAtSolution) return result;
  const std::optional<std::string> confirmed =
      residuals.Confirm(Extended(x.data(), n), options.cancelled);
  if (!confirmed)
    result.status += "; the modes were not confirmed at the solution (cancelled)";
  else if (!confirmed->empty())
    result.status += "; " + *confirmed;
  return result;
}
