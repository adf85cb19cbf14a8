#include "fitting/sign_change_root.h"

#include <cmath>
#include <limits>

namespace {
// Bisection alone halves a 1 m/s bracket below 1e-9 m/s in 30 steps; the cap leaves room for
// the secant steps in between.
constexpr int kMaxSteps = 200;
}  // namespace

long double RefineSignChange(const std::function<long double(long double)>& f, long double low,
                             long double fLow, long double high, long double fHigh,
                             long double width) {
  int side = 0;  // which end the last two secant steps kept: -1 low, +1 high
  // No bisection before two steps have been taken.
  long double widthTwoStepsAgo = std::numeric_limits<long double>::infinity();
  long double widthOneStepAgo = widthTwoStepsAgo;
  for (int step = 0; step < kMaxSteps && high - low > width; ++step) {
    const bool bisect = high - low > 0.5L * widthTwoStepsAgo;
    long double v = bisect ? low + 0.5L * (high - low)
                           : (low * fHigh - high * fLow) / (fHigh - fLow);
    if (!(v > low && v < high)) v = low + 0.5L * (high - low);
    widthTwoStepsAgo = widthOneStepAgo;
    widthOneStepAgo = high - low;
    const long double fv = f(v);
    if (fv == 0) return v;
    if ((fv < 0) == (fLow < 0)) {
      low = v;
      fLow = fv;
      if (side == -1) fHigh *= 0.5L;  // Illinois: the kept end loses weight
      side = -1;
    } else {
      high = v;
      fHigh = fv;
      if (side == 1) fLow *= 0.5L;
      side = 1;
    }
  }
  return fabsl(fLow) <= fabsl(fHigh) ? low : high;
}
