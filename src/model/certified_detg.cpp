#include "model/certified_detg.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "model/bounded_elimination.h"
#include "model/bounded_fill.h"
#include "model/bounded_real.h"
#include "model/lanes_elimination.h"
#include "base/fp_fault.h"

namespace {

// Underflow costs precision that the bounds do not follow, so it ends the certificate too.
constexpr int kWatchedFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW;

// An extended number's sign and exponent are its ninth and tenth bytes; an infinity or a NaN
// has every exponent bit set. Read from memory, without loading the number.
bool Finite(const long double& x) {
  std::uint16_t signAndExponent;
  std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8,
              sizeof signAndExponent);
  return (signAndExponent & 0x7fff) != 0x7fff;
}

// Infinities and NaNs of the inputs raise no flag on their way through; none may enter.
bool FiniteInputs(const StackInputs& in) {
  bool finite = Finite(in.v) & Finite(in.q) & Finite(in.G);
  for (int k = 0; k < 4; ++k)
    finite &= Finite(in.density[k]) & Finite(in.c11[k]) & Finite(in.c12[k]) & Finite(in.c44[k]);
  for (int k = 0; k < 3; ++k) finite &= Finite(in.thicknessM[k]);
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

namespace {

// Which decay constants propagate, as double precision sees it: inputs alike go side by side.
unsigned BranchHint(const StackInputs& in) {
  const double v = static_cast<double>(in.v);
  const double perDensity = v * v / static_cast<double>(in.G);
  unsigned hint = 0;
  for (int k = 0; k < 4; ++k) {
    const double inertia = static_cast<double>(in.density[k]) * perDensity;
    hint |= (inertia > static_cast<double>(in.c44[k])) << (2 * k);
    hint |= (inertia > static_cast<double>(in.c11[k])) << (2 * k + 1);
  }
  return hint;
}

// Up to kLanes inputs alike side by side; the unused lanes repeat the first. Where the lanes
// raised a floating-point flag, each input is evaluated by itself, which tells whose it was,
// and the flags are cleared again: each group starts without them.
void EvaluateGroup(const StackInputs* const in[kLanes], int n, CertifiedDetG* const out[kLanes]) {
  const StackInputs* side[kLanes];
  for (int l = 0; l < kLanes; ++l) side[l] = in[l < n ? l : 0];
  LanesMatrix lanes;
  LaneFill filled[kLanes];
  FillLanesMatrix(side, lanes, filled);
  bool used[kLanes];
  for (int l = 0; l < kLanes; ++l) used[l] = l < n && filled[l] == LaneFill::Filled;
  LaneResult results[kLanes];
  LanesDeterminant(lanes, used, results);
  const bool flagged = std::fetestexcept(kWatchedFlags);
  for (int l = 0; l < n; ++l) {
    if (flagged || results[l].alone || filled[l] == LaneFill::OtherBranch)
      *out[l] = EvaluateDetGCertified(*in[l]);
    else
      *out[l] = used[l] ? results[l].det : CertifiedDetG{};
  }
  if (flagged) std::feclearexcept(kWatchedFlags);
}

}  // namespace

void EvaluateDetGCertifiedLanes(const StackInputs* in, std::size_t n, CertifiedDetG* out) {
  const FloatingPointFlagsKept kept;
  std::vector<std::pair<unsigned, std::size_t>> byHint;
  for (std::size_t i = 0; i < n; ++i) {
    if (FiniteInputs(in[i]))
      byHint.emplace_back(BranchHint(in[i]), i);
    else
      out[i] = {};
  }
  std::stable_sort(byHint.begin(), byHint.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::feclearexcept(kWatchedFlags);
  for (std::size_t begin = 0; begin < byHint.size();) {
    const StackInputs* groupIn[kLanes];
    CertifiedDetG* groupOut[kLanes];
    int size = 0;
    for (; size < kLanes && begin + size < byHint.size() &&
           byHint[begin + size].first == byHint[begin].first;
         ++size) {
      groupIn[size] = &in[byHint[begin + size].second];
      groupOut[size] = &out[byHint[begin + size].second];
    }
    EvaluateGroup(groupIn, size, groupOut);
    begin += size;
  }
}
