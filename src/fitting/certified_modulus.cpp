#include "fitting/certified_modulus.h"

#include <cmath>

#include "model/bounded_real.h"

namespace {
// Covers the 80-bit roundings of a modulus (the squares, their sum, the root) on both sides.
constexpr long double kModulusRounding = 1e-15L;
}  // namespace

ModulusInterval CertifiedModulus(const CertifiedDetG& d) {
  const long double m = sqrtl(static_cast<long double>(d.re) * d.re +
                              static_cast<long double>(d.im) * d.im);
  const long double rel = d.rel * kBoundSlack;
  return {m * (1 - rel) * (1 - kModulusRounding), m * (1 + rel) * (1 + kModulusRounding)};
}
