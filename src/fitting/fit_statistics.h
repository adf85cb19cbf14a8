#pragma once
#include <string>
#include <vector>

// Uncertainties of a least-squares solution from the Jacobian of its weighted residuals
// (rows: residuals, columns: parameters).
struct FitStatistics {
  std::vector<double> sigma, sigmaScaled;  // NaN where J^T J gives none
  std::vector<std::vector<double>> correlation;
  // Each group of parameters that the data cannot tell apart: a correlation beyond +/-0.99,
  // or the parameters that carry a near-null direction of J^T J.
  std::vector<std::vector<std::size_t>> undetermined;
};

// Covariance (J^T J)^-1; sigmaScaled multiplies sigma by sqrt(chi2 / dof) (by 1 when dof is 0).
FitStatistics StatisticsOf(const std::vector<std::vector<double>>& jacobian, double chi2,
                           int dof);

// "c11L2 and c12L2 are not separately determined by these data", one sentence per group.
std::vector<std::string> UndeterminedSentences(const FitStatistics& s,
                                               const std::vector<std::string>& names);
