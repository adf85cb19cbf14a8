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
bool FiniteStack(const StackInputs& in) {
  bool finite = Finite(in.G);
  for (int k = 0; k < 4; ++k)
    finite &= Finite(in.density[k]) & Finite(in.c11[k]) & Finite(in.c12[k]) & Finite(in.c44[k]);
  for (int k = 0; k < 3; ++k) finite &= Finite(in.thicknessM[k]);
  return finite;
}
bool FiniteWave(const WavePoint& wave) { return Finite(wave.q) & Finite(wave.v); }
bool FiniteInputs(const StackInputs& in) { return FiniteStack(in) && FiniteWave({in.q, in.v}); }

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

// What the ordering reads of a stack, rounded to double once for all the inputs sharing it.
struct StackInDouble {
  bool finite;
  double G, density[4], c44[4], c11[4];
};

StackInDouble InDouble(const StackInputs& in) {
  StackInDouble d{FiniteStack(in), 0, {}, {}, {}};
  if (!d.finite) return d;
  d.G = static_cast<double>(in.G);
  for (int k = 0; k < 4; ++k) {
    d.density[k] = static_cast<double>(in.density[k]);
    d.c44[k] = static_cast<double>(in.c44[k]);
    d.c11[k] = static_cast<double>(in.c11[k]);
  }
  return d;
}

// Which decay constants propagate, as double precision sees it: inputs alike go side by side.
unsigned BranchHint(const StackInDouble& in, const WavePoint& wave) {
  const double v = static_cast<double>(wave.v);
  const double perDensity = v * v / in.G;
  unsigned hint = 0;
  for (int k = 0; k < 4; ++k) {
    const double inertia = in.density[k] * perDensity;
    hint |= (inertia > in.c44[k]) << (2 * k);
    hint |= (inertia > in.c11[k]) << (2 * k + 1);
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

// Within one branch pattern, the inputs of one wave number and velocity side by side: those of
// a map's neighbouring nodes share their first steps; else inputs near in wave number and
// velocity, which mostly pivot alike. Ordered by the bits of both rounded to double (those of
// positive numbers order as the numbers), then by their place. A map repeats a few of these
// keys many times: the inputs are gathered by key, and only the distinct keys are sorted.
// Inputs that are not finite are left out, their outcomes set to none.
struct SideBySideKey {
  std::uint64_t hintAndWave, velocity;
  bool operator==(const SideBySideKey&) const = default;
  bool operator<(const SideBySideKey& o) const {
    return hintAndWave != o.hintAndWave ? hintAndWave < o.hintAndWave : velocity < o.velocity;
  }
};

SideBySideKey KeyOf(const StackInDouble& in, const WavePoint& wave) {
  const double q = static_cast<double>(wave.q), v = static_cast<double>(wave.v);
  std::uint64_t qBits, vBits;
  std::memcpy(&qBits, &q, sizeof qBits);
  std::memcpy(&vBits, &v, sizeof vBits);
  return {std::uint64_t{BranchHint(in, wave)} << 56 | qBits >> 8, vBits};
}

struct Placed {
  std::size_t index;
  unsigned hint;
};

const std::vector<Placed>& SideBySideOrder(const StackInputs* const* stacks,
                                           const WavePoint* waves, std::size_t n,
                                           CertifiedDetG* out) {
  struct Run {
    SideBySideKey key;
    std::size_t first, last;
  };
  constexpr std::size_t kNone = SIZE_MAX;
  thread_local std::vector<Run> runs;
  thread_local std::vector<std::size_t> next, table, byKey;
  thread_local std::vector<Placed> order;
  runs.clear();
  next.assign(n, kNone);
  // Open addressing, at most half full.
  std::size_t tableSize = 16;
  while (tableSize < 2 * n) tableSize *= 2;
  table.assign(tableSize, kNone);
  const StackInputs* last = nullptr;
  StackInDouble stack{};
  for (std::size_t i = 0; i < n; ++i) {
    if (stacks[i] != last) stack = InDouble(*(last = stacks[i]));
    if (!stack.finite || !FiniteWave(waves[i])) {
      out[i] = {};
      continue;
    }
    const SideBySideKey key = KeyOf(stack, waves[i]);
    std::size_t slot = (key.hintAndWave * 0x9e3779b97f4a7c15u ^ key.velocity) % tableSize;
    while (table[slot] != kNone && !(runs[table[slot]].key == key))
      slot = (slot + 1) % tableSize;
    if (table[slot] == kNone) {
      table[slot] = runs.size();
      runs.push_back({key, i, i});
    } else {
      next[runs[table[slot]].last] = i;
      runs[table[slot]].last = i;
    }
  }
  byKey.resize(runs.size());
  for (std::size_t r = 0; r < runs.size(); ++r) byKey[r] = r;
  const auto earlier = [](std::size_t a, std::size_t b) { return runs[a].key < runs[b].key; };
  if (!std::is_sorted(byKey.begin(), byKey.end(), earlier))
    std::sort(byKey.begin(), byKey.end(), earlier);
  order.clear();
  for (std::size_t r : byKey)
    for (std::size_t i = runs[r].first; i != kNone; i = next[i])
      order.push_back({i, static_cast<unsigned>(runs[r].key.hintAndWave >> 56)});
  return order;
}

}  // namespace

void EvaluateDetGCertifiedLanes(const StackInputs* in, std::size_t n, CertifiedDetG* out) {
  std::vector<const StackInputs*> stacks(n);
  std::vector<WavePoint> waves(n);
  for (std::size_t i = 0; i < n; ++i) {
    stacks[i] = &in[i];
    waves[i] = {in[i].q, in[i].v};
  }
  EvaluateDetGCertifiedLanes(stacks.data(), waves.data(), n, out);
}

void EvaluateDetGCertifiedLanes(const StackInputs* const* stacks, const WavePoint* waves,
                                std::size_t n, CertifiedDetG* out) {
  const FloatingPointFlagsKept kept;
  const std::vector<Placed>& order = SideBySideOrder(stacks, waves, n, out);
  std::feclearexcept(kCertificateFlags);
  // Where the first two share their wave number and velocity, only inputs of those join.
  const auto sameWave = [&](std::size_t a, std::size_t b) {
    const WavePoint& x = waves[order[a].index];
    const WavePoint& y = waves[order[b].index];
    return SameBits(x.q, y.q) && SameBits(x.v, y.v);
  };
  // Each group's inputs whole, side by side in this core's first-level cache.
  StackInputs lanes[kLanes];
  for (std::size_t begin = 0; begin < order.size();) {
    const StackInputs* groupIn[kLanes];
    CertifiedDetG* groupOut[kLanes];
    const bool oneWave = begin + 1 < order.size() && sameWave(begin, begin + 1);
    int size = 0;
    for (; size < kLanes && begin + size < order.size() &&
           order[begin + size].hint == order[begin].hint &&
           (!oneWave || sameWave(begin, begin + size));
         ++size) {
      const std::size_t i = order[begin + size].index;
      WholeInput(*stacks[i], waves[i], lanes[size]);
      groupIn[size] = &lanes[size];
      groupOut[size] = &out[i];
    }
    EvaluateGroup(groupIn, size, groupOut);
    begin += size;
  }
}
