#include "model/certified_detg.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/bounded_elimination.h"
#include "model/bounded_fill.h"
#include "model/bounded_real.h"
#include "model/elimination_prefix_cache.h"
#include "model/lanes_elimination.h"
#include "base/fp_fault.h"

namespace {


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
  std::feclearexcept(kCertificateFlags);
  BoundedMatrix m;
  CertifiedDetG det;
  if (FillBoundedMatrix(in, m)) det = BoundedDeterminant(m);
  if (std::fetestexcept(kCertificateFlags)) return {};
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
// and the flags are cleared again: each group starts without them. Four lanes alike before
// layer 2 replay or record the first steps of their elimination; a prefix is kept only from a
// group that raised no flag, so the steps it saves raise none.
void EvaluateGroup(const StackInputs* const in[kLanes], int n, CertifiedDetG* const out[kLanes]) {
  const StackInputs* side[kLanes];
  for (int l = 0; l < kLanes; ++l) side[l] = in[l < n ? l : 0];
  // The unused lanes repeat the first: a group of fewer is alike where its inputs are.
  PrefixSlot* slot = PrefixSlotOf(side);
  LaneFill filled[kLanes] = {LaneFill::Filled, LaneFill::Filled, LaneFill::Filled,
                             LaneFill::Filled};
  bool used[kLanes] = {true, true, true, true};
  LaneResult results[kLanes];
  if (!slot || !ResumeFromSlot(side, *slot, results)) {
    LanesMatrix lanes;
    FillLanesMatrix(side, lanes, filled);
    // A repeated lane is used where a prefix is recorded: it costs nothing, and the prefix then
    // serves groups of four.
    for (int l = 0; l < kLanes; ++l) used[l] = (l < n || slot) && filled[l] == LaneFill::Filled;
    if (slot) {
      RecordIntoSlot(side, lanes, filled, used, *slot, results);
    } else {
      LanesDeterminant(lanes, used, results);
    }
  }
  const bool flagged = std::fetestexcept(kCertificateFlags);
  for (int l = 0; l < n; ++l) {
    if (flagged || results[l].alone || filled[l] == LaneFill::OtherBranch)
      *out[l] = EvaluateDetGCertified(*in[l]);
    else
      *out[l] = used[l] ? results[l].det : CertifiedDetG{};
  }
  if (flagged) std::feclearexcept(kCertificateFlags);
}

}  // namespace

void EvaluateDetGCertifiedLanes(const StackInputs* in, std::size_t n, CertifiedDetG* out) {
  const FloatingPointFlagsKept kept;
  // Within one branch pattern, the inputs of one wave number and velocity side by side: those of
  // a map's neighbouring nodes share their first steps; else inputs near in wave number and
  // velocity, which mostly pivot alike. Ordered by the bits of both rounded to double (those of
  // positive numbers order as the numbers), then by their place.
  struct Order {
    std::uint64_t hintAndWave, velocity;
    std::size_t index;
    bool operator<(const Order& o) const {
      if (hintAndWave != o.hintAndWave) return hintAndWave < o.hintAndWave;
      return velocity != o.velocity ? velocity < o.velocity : index < o.index;
    }
  };
  thread_local std::vector<Order> byHint;
  byHint.clear();
  for (std::size_t i = 0; i < n; ++i) {
    if (!FiniteInputs(in[i])) {
      out[i] = {};
      continue;
    }
    const double q = static_cast<double>(in[i].q), v = static_cast<double>(in[i].v);
    std::uint64_t qBits, vBits;
    std::memcpy(&qBits, &q, sizeof qBits);
    std::memcpy(&vBits, &v, sizeof vBits);
    byHint.push_back({std::uint64_t{BranchHint(in[i])} << 56 | qBits >> 8, vBits, i});
  }
  std::sort(byHint.begin(), byHint.end());
  std::feclearexcept(kCertificateFlags);
  for (std::size_t begin = 0; begin < byHint.size();) {
    const StackInputs* groupIn[kLanes];
    CertifiedDetG* groupOut[kLanes];
    // Where the first two share their wave number and velocity, only inputs of those join.
    const auto sameWave = [&](std::size_t a, std::size_t b) {
      const StackInputs& x = in[byHint[a].index];
      const StackInputs& y = in[byHint[b].index];
      return SameBits(x.q, y.q) && SameBits(x.v, y.v);
    };
    const bool oneWave = begin + 1 < byHint.size() && sameWave(begin, begin + 1);
    int size = 0;
    for (; size < kLanes && begin + size < byHint.size() &&
           byHint[begin + size].hintAndWave >> 56 == byHint[begin].hintAndWave >> 56 &&
           (!oneWave || sameWave(begin, begin + size));
         ++size) {
      groupIn[size] = &in[byHint[begin + size].index];
      groupOut[size] = &out[byHint[begin + size].index];
    }
    EvaluateGroup(groupIn, size, groupOut);
    begin += size;
  }
}
