#include "model/complex_ld.h"

// Smith's method avoids squaring the larger part of p, so no intermediate overflows.
ComplexLD SmithReciprocal(const ComplexLD& p) {
  const long double a = p.re;
  const long double b = p.im;
  if (fabsl(a) <= fabsl(b)) {
    const long double r = a / b;
    const long double den = (r * r + 1) * b;
    return {r / den, -1 / den};
  }
  const long double r = b / a;
  const long double den = (r * r + 1) * a;
  return {1 / den, -r / den};
}
