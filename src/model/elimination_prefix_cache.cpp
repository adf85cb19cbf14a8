#include "model/elimination_prefix_cache.h"

#include <array>
#include <cfenv>
#include <cstdint>
#include <cstring>
#include <memory>

#include "model/certified_detg.h"

namespace {

// What decides the first steps of an elimination (EliminationPrefix): the wave number, the
// velocity, the units, the thicknesses and the substrate's and layer 1's constants.
bool AlikeBeforeLayer2(const StackInputs& a, const StackInputs& b) {
  bool same = SameBits(a.v, b.v) && SameBits(a.q, b.q) && SameBits(a.G, b.G) &&
              SameBits(a.thicknessM, b.thicknessM);
  for (int k = 0; k < 2; ++k)
    same = same && SameBits(a.density[k], b.density[k]) && SameBits(a.c11[k], b.c11[k]) &&
           SameBits(a.c12[k], b.c12[k]) && SameBits(a.c44[k], b.c44[k]);
  return same;
}

bool AllAlike(const StackInputs* const in[kLanes],
              bool (*alike)(const StackInputs&, const StackInputs&)) {
  for (int l = 1; l < kLanes; ++l)
    if (!alike(*in[0], *in[l])) return false;
  return true;
}

bool AlikeInLayer3(const StackInputs& a, const StackInputs& b) {
  return SameBits(a.density[3], b.density[3]) && SameBits(a.c11[3], b.c11[3]) &&
         SameBits(a.c12[3], b.c12[3]) && SameBits(a.c44[3], b.c44[3]);
}

// The columns of layer 3 as the fill writes them, rows 8 to 13.
struct Layer3Block {
  static constexpr int kFirstRow = 8, kFirstColumn = 10, kRows = 6, kColumns = 4;
  Lanes re[kRows][kColumns], im[kRows][kColumns], rad[kRows][kColumns];

  void Keep(const LanesMatrix& m) {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kColumns; ++c) {
        re[r][c] = m.re[kFirstRow + r][kFirstColumn + c];
        im[r][c] = m.im[kFirstRow + r][kFirstColumn + c];
        rad[r][c] = m.rad[kFirstRow + r][kFirstColumn + c];
      }
  }
  void Restore(LanesMatrix& m) const {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kColumns; ++c) {
        m.re[kFirstRow + r][kFirstColumn + c] = re[r][c];
        m.im[kFirstRow + r][kFirstColumn + c] = im[r][c];
        m.rad[kFirstRow + r][kFirstColumn + c] = rad[r][c];
      }
  }
};

}  // namespace

struct PrefixSlot {
  bool held = false, layer3Held = false;
  StackInputs inputs;  // of the first lane that recorded it
  EliminationPrefix prefix;
  Layer3Block layer3;
};

namespace {

// Four slots for each hash of wave number and velocity, so that the pairs of a map (two per
// used angle) that share a hash alternate without recording again and again. Allocated by the
// first group of a thread that needs them, only their flags written.
constexpr int kSetBits = 5;
constexpr int kWays = 4;
struct PrefixSet {
  PrefixSlot way[kWays];
  int replaceNext = 0;
};
using PrefixSets = std::array<PrefixSet, std::size_t{1} << kSetBits>;

// The slot holding a prefix for lanes alike with in before layer 2, else the one to record in,
// which holds none from then on.
PrefixSlot& SlotFor(const StackInputs& in) {
  thread_local std::unique_ptr<PrefixSets> sets;
  if (!sets) sets.reset(new PrefixSets);
  std::uint64_t q, v;
  std::memcpy(&q, &in.q, sizeof q);
  std::memcpy(&v, &in.v, sizeof v);
  const std::uint64_t hash = ((q * 0x9E3779B97F4A7C15ull) ^ v) * 0xBF58476D1CE4E5B9ull;
  PrefixSet& set = (*sets)[hash >> (64 - kSetBits)];
  for (PrefixSlot& slot : set.way)
    if (slot.held && AlikeBeforeLayer2(slot.inputs, in)) return slot;
  PrefixSlot& replaced = set.way[set.replaceNext];
  set.replaceNext = (set.replaceNext + 1) % kWays;
  replaced.held = false;
  return replaced;
}

bool AllFilled(const LaneFill filled[kLanes]) {
  for (int l = 0; l < kLanes; ++l)
    if (filled[l] != LaneFill::Filled) return false;
  return true;
}

}  // namespace

PrefixSlot* PrefixSlotOf(const StackInputs* const lanes[kLanes]) {
  return AllAlike(lanes, AlikeBeforeLayer2) ? &SlotFor(*lanes[0]) : nullptr;
}

bool ResumeFromSlot(const StackInputs* const in[kLanes], PrefixSlot& slot,
                    LaneResult results[kLanes]) {
  if (!slot.held) return false;
  const bool keptLayer3 = slot.layer3Held && AlikeInLayer3(slot.inputs, *in[0]) &&
                          AllAlike(in, AlikeInLayer3);
  LanesMatrix lanes;
  LaneFill filled[kLanes];
  FillLanesMedia(in, lanes, filled, 2, keptLayer3 ? 2 : 3);
  if (!AllFilled(filled)) return false;
  if (keptLayer3) slot.layer3.Restore(lanes);
  return ResumedLanesDeterminant(lanes, slot.prefix, results);
}

void RecordIntoSlot(const StackInputs* const lanes[kLanes], LanesMatrix& m,
                    const LaneFill filled[kLanes], const bool used[kLanes], PrefixSlot& slot,
                    LaneResult results[kLanes]) {
  slot.layer3Held = AllFilled(filled) && AllAlike(lanes, AlikeInLayer3);
  if (slot.layer3Held) slot.layer3.Keep(m);
  RecordingLanesDeterminant(m, used, results, slot.prefix);
  slot.held = slot.prefix.usable && !std::fetestexcept(kCertificateFlags);
  slot.inputs = *lanes[0];
}
