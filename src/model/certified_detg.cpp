#include "model/certified_detg.h"

#include <cfenv>
#include <cmath>

#include "model/bounded_elimination.h"
#include "model/bounded_fill.h"
#include "model/bounded_real.h"
#include "base/fp_fault.h"

namespace {

// Underflow costs precision that the bounds do not follow, so it ends the certificate too.
constexpr int kWatchedFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW;

// Infinities and NaNs of the inputs raise no flag on their way through; none may enter.
bool FiniteInputs(const StackInputs& in) {
  bool finite = std::isfinite(in.v) && std::isfinite(in.q) && std::isfinite(in.G);
  for (int k = 0; k < 4; ++k)
    finite = finite && std::isfinite(in.density[k]) && std::isfinite(in.c11[k]) &&
             std::isfinite(in.c12[k]) && std::isfinite(in.c44[k]);
  for (int k = 0; k < 3; ++k) finite = finite && std::isfinite(in.thicknessM[k]);
  return finite;
}

}  // namespace

double CertifiedDetG::AbsoluteBound() const {
  if (!certified) return HUGE_VAL;
  return rel * std::hypot(re, im) * kBoundSlack;
}

CertifiedDetG EvaluateDetGCertified(const StackInputs& in) {
  if (!FiniteInputs(in)) return {};
  const FloatingPointFlagsKept kept;
  std::feclearexcept(kWatchedFlags);
  BoundedMatrix m;
  CertifiedDetG det;
  if (FillBoundedMatrix(in, m)) det = BoundedDeterminant(m);
  if (std::fetestexcept(kWatchedFlags)) return {};
  return det;
}
