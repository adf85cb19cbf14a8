#include "fitting/fit_parameters.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kMediumSuffix[4] = {"_S", "L1", "L2", "L3"};
constexpr const char* kConstantPrefix[3] = {"c11", "c12", "c44"};
// How close to 0 (relative to the start) a bound lets a quantity come.
constexpr double kBoundMargin = 1e-6;

bool Given(const std::vector<FitParameter>& params, FitQuantity quantity, int medium) {
  return std::any_of(params.begin(), params.end(), [&](const FitParameter& p) {
    return p.quantity == quantity && p.medium == medium;
  });
}

long double& Constant(StackInputs& s, FitQuantity quantity, int medium) {
  if (quantity == FitQuantity::C11) return s.c11[medium];
  if (quantity == FitQuantity::C12) return s.c12[medium];
  return s.c44[medium];
}

// Restores c44 = (c11 - c12) / 2 from the constants the fit set.
void CompleteMedium(StackInputs& s, const std::vector<FitParameter>& params, int k) {
  const bool c11 = Given(params, FitQuantity::C11, k);
  const bool c12 = Given(params, FitQuantity::C12, k);
  const bool c44 = Given(params, FitQuantity::C44, k);
  if (c44 && c12 && !c11)
    s.c11[k] = s.c12[k] + 2 * s.c44[k];
  else if (c44)
    s.c12[k] = s.c11[k] - 2 * s.c44[k];
  else if (c11 || c12)
    s.c44[k] = (s.c11[k] - s.c12[k]) * 0.5L;
}

}  // namespace

std::optional<FitParameter> ParseFitParameter(const std::string& name) {
  for (int k = 1; k <= 3; ++k)
    if (name == "dL" + std::to_string(k)) return FitParameter{FitQuantity::Thickness, k};
  for (int c = 0; c < 3; ++c)
    for (int k = 0; k < 4; ++k)
      if (name == std::string(kConstantPrefix[c]) + kMediumSuffix[k])
        return FitParameter{static_cast<FitQuantity>(c), k};
  return std::nullopt;
}

std::string FitParameterName(const FitParameter& p) {
  if (p.quantity == FitQuantity::Thickness) return "dL" + std::to_string(p.medium);
  return std::string(kConstantPrefix[static_cast<int>(p.quantity)]) + kMediumSuffix[p.medium];
}

std::vector<std::string> FitParameterNames() {
  std::vector<std::string> names;
  for (const char* suffix : kMediumSuffix)
    for (const char* c : kConstantPrefix) names.push_back(std::string(c) + suffix);
  for (int k = 1; k <= 3; ++k) names.push_back("dL" + std::to_string(k));
  return names;
}

std::string CheckFitParameters(const std::vector<std::string>& names,
                               std::vector<FitParameter>& parsed) {
  parsed.clear();
  if (names.empty()) return "no parameter chosen";
  for (const std::string& name : names) {
    const std::optional<FitParameter> p = ParseFitParameter(name);
    if (!p) return "unknown parameter '" + name + "'";
    if (Given(parsed, p->quantity, p->medium)) return "parameter '" + name + "' given twice";
    parsed.push_back(*p);
  }
  for (int k = 0; k < 4; ++k)
    if (Given(parsed, FitQuantity::C11, k) && Given(parsed, FitQuantity::C12, k) &&
        Given(parsed, FitQuantity::C44, k))
      return std::string("c11, c12 and c44 of one medium cannot all be fitted (") +
             kMediumSuffix[k] + "): c44 = (c11 - c12)/2";
  return "";
}

long double ParameterValue(const StackInputs& stack, const FitParameter& p) {
  switch (p.quantity) {
    case FitQuantity::C11: return stack.c11[p.medium];
    case FitQuantity::C12: return stack.c12[p.medium];
    case FitQuantity::C44: return stack.c44[p.medium];
    default: return stack.thicknessM[p.medium - 1] * 1e9L;
  }
}

StackInputs WithParameters(const StackInputs& base, const std::vector<FitParameter>& params,
                           const std::vector<long double>& values) {
  StackInputs s = base;
  for (std::size_t i = 0; i < params.size(); ++i) {
    const FitParameter& p = params[i];
    if (p.quantity == FitQuantity::Thickness)
      s.thicknessM[p.medium - 1] = values[i] * 1e-9L;
    else
      Constant(s, p.quantity, p.medium) = values[i];
  }
  for (int k = 0; k < 4; ++k) CompleteMedium(s, params, k);
  return s;
}

bool IsPhysical(const StackInputs& s) {
  for (int k = 0; k < 4; ++k)
    if (!(s.c11[k] > 0 && s.c44[k] > 0 && std::isfinite(s.c11[k]) && std::isfinite(s.c12[k])))
      return false;
  for (long double d : s.thicknessM)
    if (!(d > 0 && std::isfinite(d))) return false;
  return true;
}

FitBounds BoundsOf(const StackInputs& start, const std::vector<FitParameter>& params,
                   std::size_t index) {
  const FitParameter& p = params[index];
  const double margin = kBoundMargin * std::fabs(static_cast<double>(ParameterValue(start, p)));
  const int k = p.medium;
  const bool alone = p.quantity != FitQuantity::Thickness &&
                     Given(params, FitQuantity::C11, k) + Given(params, FitQuantity::C12, k) +
                             Given(params, FitQuantity::C44, k) == 1;
  switch (p.quantity) {
    case FitQuantity::C11: {
      const double c12 = alone ? std::max(0.0, static_cast<double>(start.c12[k])) : 0.0;
      return {c12 + margin, std::nullopt};
    }
    case FitQuantity::C12:
      if (alone) return {std::nullopt, static_cast<double>(start.c11[k]) - margin};
      return {};
    default:
      return {margin, std::nullopt};
  }
}
