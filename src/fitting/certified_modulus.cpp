#include "fitting/certified_modulus.h"

#include <cmath>

#include "model/bounded_real.h"

namespace {
// Covers the 80-bit roundings of a modulus (the squares, their sum, the root) on both sides.
constexpr long double kModulusRounding = 1e-15L;
}  // namespace

namespace {
long double SquareOf(const CertifiedDetG& d) {
  return static_cast<long double>(d.re) * d.re + static_cast<long double>(d.im) * d.im;
}
}  // namespace

ModulusInterval CertifiedModulus(const CertifiedDetG& d) {
  const long double m = sqrtl(SquareOf(d));
  const long double rel = d.rel * kBoundSlack;
  return {m * (1 - rel) * (1 - kModulusRounding), m * (1 + rel) * (1 + kModulusRounding)};
}

// The root and its square differ from the square by a few 80-bit roundings, far inside the
// margin.
ModulusInterval CertifiedSquaredModulus(const CertifiedDetG& d) {
  const long double square = SquareOf(d);
  const long double rel = d.rel * kBoundSlack;
  const long double low = (1 - rel) * (1 - kModulusRounding);
  const long double high = (1 + rel) * (1 + kModulusRounding);
  return {square * (low * low), square * (high * high)};
}
