#include "fitting/fit_mode_follower.h"

#include <algorithm>
#include <cmath>

#include "fitting/mode_finder.h"
#include "fitting/mode_function.h"
#include "fitting/sign_change_root.h"

namespace {

constexpr long double kFirstStep = 0.02L;  // m/s

struct Probe {
  long double v = 0;
  ComplexLD divided;
};

}  // namespace

std::optional<long double> FollowMode(const StackInputs& stack, long double q, long double last,
                                      long double reach, long double width) {
  const ModeFunction fn(stack, q);
  const long double low = LowestModeBound(stack), high = fn.SubstrateTransverseLimit();
  if (!(high > low && std::isfinite(last))) return std::nullopt;
  ComplexMatrix matrix;
  const auto divided = [&](long double v) {
    const StackInputs in = fn.InputsAt(v);
    return Probe{in.v, fn.Divided(in, EvaluateDetG(in, matrix))};
  };
  const long double start = std::clamp(last, low, high);
  // Both first probes lie clear of the old zero, so one of them fixes the phase well.
  Probe below = divided(std::max(low, start - kFirstStep));
  Probe above = divided(std::min(high, start + kFirstStep));
  const bool belowLarger = hypotl(below.divided.re, below.divided.im) >
                           hypotl(above.divided.re, above.divided.im);
  const RealProjection real(belowLarger ? below.divided : above.divided);
  const auto f = [&](long double v) { return real(divided(v).divided); };
  long double fBelow = real(below.divided), fAbove = real(above.divided);
  if ((fBelow < 0) != (fAbove < 0))
    return RefineSignChange(f, below.v, fBelow, above.v, fAbove, width);

  for (long double step = 2 * kFirstStep; step / 2 < reach; step *= 2) {
    if (below.v > low) {
      const Probe next = divided(std::max(low, start - step));
      const long double fNext = real(next.divided);
      if ((fNext < 0) != (fBelow < 0))
        return RefineSignChange(f, next.v, fNext, below.v, fBelow, width);
      below = next;
      fBelow = fNext;
    }
    if (above.v < high) {
      const Probe next = divided(std::min(high, start + step));
      const long double fNext = real(next.divided);
      if ((fNext < 0) != (fAbove < 0))
        return RefineSignChange(f, above.v, fAbove, next.v, fNext, width);
      above = next;
      fAbove = fNext;
    }
  }
  return std::nullopt;
}
