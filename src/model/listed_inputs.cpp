#include "model/listed_inputs.h"

#include <cstring>
#include <utility>

#include "model/complex_ld.h"

namespace {
// A stack copied in 16-byte pieces: as a whole, the compiler makes the copy a string move, which
// takes longer to start than these take to finish.
using Piece = std::uint64_t __attribute__((vector_size(16)));
constexpr std::size_t kPieces = sizeof(StackInputs) / sizeof(Piece);
static_assert(sizeof(StackInputs) % sizeof(Piece) == 0);

template <std::size_t... k>
void CopyPieces(const StackInputs& from, StackInputs& to, std::index_sequence<k...>) {
  const auto* source = reinterpret_cast<const unsigned char*>(&from);
  auto* target = reinterpret_cast<unsigned char*>(&to);
  Piece pieces[kPieces];
  ((std::memcpy(&pieces[k], source + k * sizeof(Piece), sizeof(Piece))), ...);
  ((std::memcpy(target + k * sizeof(Piece), &pieces[k], sizeof(Piece))), ...);
}
}  // namespace

void WholeInput(const StackInputs& stack, const WavePoint& wave, StackInputs& out) {
  CopyPieces(stack, out, std::make_index_sequence<kPieces>{});
  out.q = wave.q;
  out.v = wave.v;
}

bool SameStackApartFromWave(const StackInputs& a, const StackInputs& b) {
  return SameBits(a.G, b.G) && SameBits(a.density, b.density) &&
         SameBits(a.thicknessM, b.thicknessM) && SameBits(a.c11, b.c11) &&
         SameBits(a.c12, b.c12) && SameBits(a.c44, b.c44);
}

void ListedInputs::Clear() {
  stacks_.clear();
  stackOf_.clear();
  waves_.clear();
}

void ListedInputs::Reserve(std::size_t inputs) {
  stackOf_.reserve(inputs);
  waves_.reserve(inputs);
}

void ListedInputs::Add(const StackInputs& stack, const WavePoint* waves, std::size_t n) {
  if (stacks_.empty() || !SameStackApartFromWave(stacks_.back(), stack)) stacks_.push_back(stack);
  const auto index = static_cast<std::uint32_t>(stacks_.size() - 1);
  for (std::size_t k = 0; k < n; ++k) {
    stackOf_.push_back(index);
    waves_.push_back(waves[k]);
  }
}

StackInputs ListedInputs::At(std::size_t i) const {
  StackInputs in;
  WholeInput(stacks_[stackOf_[i]], waves_[i], in);
  return in;
}

namespace {
bool SameWave(const WavePoint& a, const WavePoint& b) {
  return SameBits(a.q, b.q) && SameBits(a.v, b.v);
}
}  // namespace

bool ListedInputs::Holds(std::size_t i, const StackInputs& in) const {
  return SameWave(waves_[i], {in.q, in.v}) && SameStackApartFromWave(stacks_[stackOf_[i]], in);
}

bool ListedInputs::HoldsRun(std::size_t i, const StackInputs& stack, const WavePoint* waves,
                            std::size_t n) const {
  if (n == 0) return true;
  for (std::size_t k = 0; k < n; ++k)
    if (stackOf_[i + k] != stackOf_[i] || !SameWave(waves_[i + k], waves[k])) return false;
  return SameStackApartFromWave(stacks_[stackOf_[i]], stack);
}
