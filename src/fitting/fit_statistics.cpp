#include "fitting/fit_statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <Eigen/Dense>

namespace {

constexpr double kStrongCorrelation = 0.99;
// Smallest to largest eigenvalue of the scaled J^T J below which its inverse means nothing.
constexpr double kNearSingular = 1e-10;
// The share of a near-null direction that names a parameter as part of it.
constexpr double kNullShare = 0.3;

Eigen::MatrixXd NormalMatrix(const std::vector<std::vector<double>>& jacobian, std::size_t n) {
  Eigen::MatrixXd J(jacobian.size(), n);
  for (std::size_t r = 0; r < jacobian.size(); ++r)
    for (std::size_t c = 0; c < n; ++c) J(r, c) = jacobian[r][c];
  return J.transpose() * J;
}

void AddStrongPairs(FitStatistics& s) {
  const std::size_t n = s.correlation.size();
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j)
      if (std::fabs(s.correlation[i][j]) > kStrongCorrelation) s.undetermined.push_back({i, j});
}

void Invert(FitStatistics& s, const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd>& eigen,
            const Eigen::VectorXd& scale, double chi2, int dof) {
  const Eigen::MatrixXd inverse = eigen.eigenvectors() *
                                  eigen.eigenvalues().cwiseInverse().asDiagonal() *
                                  eigen.eigenvectors().transpose();
  const double factor = dof > 0 ? std::sqrt(chi2 / dof) : 1.0;
  for (Eigen::Index i = 0; i < scale.size(); ++i) {
    s.sigma[i] = std::sqrt(inverse(i, i)) / scale(i);
    s.sigmaScaled[i] = s.sigma[i] * factor;
    for (Eigen::Index j = 0; j < scale.size(); ++j)
      s.correlation[i][j] = inverse(i, j) / std::sqrt(inverse(i, i) * inverse(j, j));
  }
}

std::string JoinNames(const std::vector<std::size_t>& group,
                      const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < group.size(); ++i) {
    if (i > 0) text += i + 1 == group.size() ? " and " : ", ";
    text += names[group[i]];
  }
  return text;
}

}  // namespace

FitStatistics StatisticsOf(const std::vector<std::vector<double>>& jacobian, double chi2,
                           int dof) {
  const std::size_t n = jacobian.empty() ? 0 : jacobian[0].size();
  FitStatistics s;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  s.sigma.assign(n, nan);
  s.sigmaScaled.assign(n, nan);
  s.correlation.assign(n, std::vector<double>(n, nan));
  if (n == 0) return s;
  const Eigen::MatrixXd normal = NormalMatrix(jacobian, n);
  // Scaled to a unit diagonal so that the eigenvalues compare parameters of any unit.
  Eigen::VectorXd scale = normal.diagonal().cwiseSqrt();
  for (Eigen::Index i = 0; i < scale.size(); ++i)
    if (!(scale(i) > 0)) scale(i) = 1;
  const Eigen::MatrixXd scaled =
      scale.asDiagonal().inverse() * normal * scale.asDiagonal().inverse();
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(scaled);
  const Eigen::VectorXd lambda = eigen.eigenvalues();  // ascending
  std::vector<std::size_t> nearNull;
  if (!(lambda(0) > kNearSingular * lambda(n - 1)))
    for (std::size_t i = 0; i < n; ++i)
      if (std::fabs(eigen.eigenvectors()(i, 0)) > kNullShare) nearNull.push_back(i);
  if (lambda(0) > 0) Invert(s, eigen, scale, chi2, dof);
  AddStrongPairs(s);
  if (!nearNull.empty() &&
      std::find(s.undetermined.begin(), s.undetermined.end(), nearNull) == s.undetermined.end())
    s.undetermined.push_back(nearNull);
  return s;
}

std::vector<std::string> UndeterminedSentences(const FitStatistics& s,
                                               const std::vector<std::string>& names) {
  std::vector<std::string> sentences;
  for (const std::vector<std::size_t>& group : s.undetermined) {
    if (group.size() < 2)
      sentences.push_back(JoinNames(group, names) + " is not determined by these data");
    else
      sentences.push_back(JoinNames(group, names) + " are not separately determined by these data");
  }
  return sentences;
}
