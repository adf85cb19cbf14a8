#include "fitting/mode_collector.h"

#include "fitting/sign_change_root.h"

namespace {
constexpr long double kRefinedWidth = 1e-6L;
}  // namespace

long double ModeCollector::Refined(const GridValue& low, const GridValue& high) {
  const auto f = [this](long double v) {
    const StackInputs in = fn_.InputsAt(v);
    return real_(fn_.Divided(in, EvaluateDetG(in, matrix_)));
  };
  // A bracket's ends in 80 bits, where the grid only knows their signs.
  const auto exact = [&](const GridValue& g) { return g.exact ? g.value : f(g.v); };
  return RefineSignChange(f, low.v, exact(low), high.v, exact(high), kRefinedWidth);
}
