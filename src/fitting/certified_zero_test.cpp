#include "fitting/certified_zero_test.h"

#include <cmath>

#include "fitting/certified_modulus.h"

namespace {

// +1 when b is proven above a, -1 when below, 0 when the intervals meet.
int Rise(const ModulusInterval& a, const ModulusInterval& b) {
  if (a.high < b.low) return 1;
  if (b.high < a.low) return -1;
  return 0;
}

// The sign of the real part of the 80-bit value, or 0 where it could be rounding noise. The
// margin keeps the real part far from zero, so the product of two of them cannot underflow.
int RealSign(const CertifiedDetG& d) {
  if (!(std::fabs(d.re) > 2 * d.AbsoluteBound())) return 0;
  return d.re > 0 ? 1 : -1;
}

// Slopes keep the rises' signs along increasing velocities and swap them along decreasing ones.
int Direction(const long double v[3]) {
  if (v[0] < v[1] && v[1] < v[2]) return 1;
  if (v[0] > v[1] && v[1] > v[2]) return -1;
  return 0;
}

}  // namespace

std::optional<bool> CertifiedZeroAtMiddle(ZeroRule rule, const long double v[3],
                                          const CertifiedDetG det[3]) {
  // Without a certificate, or with coinciding velocities, the 80-bit path may fault.
  for (int k = 0; k < 3; ++k)
    if (!det[k].certified) return std::nullopt;
  const int direction = Direction(v);
  if (direction == 0) return std::nullopt;
  if (rule == ZeroRule::None) return false;
  const ModulusInterval a[3] = {CertifiedModulus(det[0]), CertifiedModulus(det[1]),
                                CertifiedModulus(det[2])};
  const int low = direction * Rise(a[0], a[1]);
  const int high = direction * Rise(a[1], a[2]);
  if (rule == ZeroRule::ModulusMinimum) {
    if (low > 0 || high < 0) return false;
    if (low < 0 && high > 0) return true;
    return std::nullopt;
  }
  const int turns = low * high;  // -1 turns, +1 does not, 0 unknown
  const int reProduct = RealSign(det[0]) * RealSign(det[2]);
  if (turns > 0 || reProduct > 0) return false;
  if (turns < 0 && reProduct < 0) return true;
  return std::nullopt;
}

CertifiedGroups StencilGroups(ZeroRule rule) {
  return {3, [rule](const WavePoint* waves, const CertifiedDetG* det) {
            const long double v[3] = {waves[0].v, waves[1].v, waves[2].v};
            std::optional<GroupDecision> decision;
            if (const std::optional<bool> zero = CertifiedZeroAtMiddle(rule, v, det))
              decision = GroupDecision{0, *zero};
            return decision;
          }};
}
