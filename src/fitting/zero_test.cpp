#include "fitting/zero_test.h"

#include <cmath>

ZeroRule ZeroRuleOfItem(int item) {
  if (item == 0 || item == 1) return ZeroRule::ModulusMinimum;
  if (item == 2) return ZeroRule::RealSignChange;
  return ZeroRule::None;
}

StencilSlopes SlopesOf(const ZeroStencil& s) {
  return {(s.absDet[1] - s.absDet[0]) / (s.v[1] - s.v[0]),
          (s.absDet[2] - s.absDet[1]) / (s.v[2] - s.v[1])};
}

bool ZeroAtMiddle(ZeroRule rule, const StencilSlopes& slopes, long double reFirst,
                  long double reThird) {
  // isless/isgreater: a NaN slope is no zero and raises no invalid-operation flag.
  const bool turns = std::isless(slopes.low * slopes.high, 0.0L);
  switch (rule) {
    case ZeroRule::RealSignChange:
      return turns && std::isless(reFirst * reThird, 0.0L);
    case ZeroRule::ModulusMinimum:
      return turns && std::isgreater(slopes.high - slopes.low, 0.0L);
    case ZeroRule::None:
      break;
  }
  return false;
}
