#pragma once
#include <cmath>
#include <cstring>

// A complex number in 80-bit extended precision: real part, then imaginary part.
struct ComplexLD {
  long double re = 0.0L;
  long double im = 0.0L;
};

// (a.re*b.re - a.im*b.im) + i(a.re*b.im + a.im*b.re), in that order of evaluation.
inline ComplexLD Multiply(const ComplexLD& a, const ComplexLD& b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// sqrt(re*re + im*im) in extended precision.
inline long double Modulus(const ComplexLD& z) { return sqrtl(z.re * z.re + z.im * z.im); }

// (1 + 0i) / p by Smith's method.
ComplexLD SmithReciprocal(const ComplexLD& p);

// True when both hold the same 80 bits (the rest of a long double's storage is padding).
// Taken by reference: comparing the stored bytes needs no load and store of the 80-bit value.
inline bool SameBits(const long double& a, const long double& b) {
  constexpr std::size_t kSignificantBytes = 10;
  return std::memcmp(&a, &b, kSignificantBytes) == 0;
}

// SameBits element by element.
template <std::size_t N>
bool SameBits(const long double (&a)[N], const long double (&b)[N]) {
  for (std::size_t k = 0; k < N; ++k)
    if (!SameBits(a[k], b[k])) return false;
  return true;
}
