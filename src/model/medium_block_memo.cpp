#include "model/medium_block_memo.h"

#include <array>
#include <cstring>

namespace {

constexpr int kKeyParts = 9;
constexpr int kMaxRows = 8, kMaxColumns = 4;
constexpr int kEntriesPerMedium = 32;  // a map meets 2 x 14 measured velocities per node

// Rows of medium k: the substrate's interface; a layer's lower and upper faces.
int FirstRowOf(int k) { return k == 0 ? 1 : 4 * (k - 1) + 1; }
int LastRowOf(int k) { return k == 0 ? 4 : k == 3 ? 14 : 4 * k + 4; }

using Key = std::array<long double, kKeyParts>;

Key KeyOf(const StackInputs& in, const long double depthM[3], int k) {
  const long double lower = k >= 2 ? depthM[k - 2] : 0;
  const long double upper = k >= 1 ? depthM[k - 1] : 0;
  return {in.v, in.q, in.G, in.density[k], in.c11[k], in.c12[k], in.c44[k], lower, upper};
}

std::uint64_t HashOf(const Key& key) {
  std::uint64_t h = 1469598103934665603ull;
  for (const long double& part : key) {
    unsigned char bytes[10];
    std::memcpy(bytes, &part, sizeof bytes);
    for (unsigned char b : bytes) h = (h ^ b) * 1099511628211ull;
  }
  return h;
}

bool SameKey(const Key& a, const Key& b) {
  for (int i = 0; i < kKeyParts; ++i)
    if (!SameBits(a[i], b[i])) return false;
  return true;
}

struct Entry {
  std::uint64_t hash = 0;
  bool used = false;
  Key key{};
  ComplexLD cells[kMaxRows][kMaxColumns];
};

}  // namespace

int FirstColumnOf(int medium) { return medium == 0 ? 1 : 4 * medium - 1; }
int LastColumnOf(int medium) { return medium == 0 ? 2 : 4 * medium + 2; }

struct MediumBlockMemo::Store {
  Entry entries[4][kEntriesPerMedium];
  int next[4] = {};

  const Entry* Find(const Key& key, int k) const {
    const std::uint64_t hash = HashOf(key);
    for (const Entry& e : entries[k])
      if (e.used && e.hash == hash && SameKey(e.key, key)) return &e;
    return nullptr;
  }
};

MediumBlockMemo::MediumBlockMemo() : store_(std::make_unique<Store>()) {}
MediumBlockMemo::~MediumBlockMemo() = default;

bool MediumBlockMemo::Restore(const StackInputs& in, const long double depthM[3], int k,
                              ComplexMatrix& m) const {
  const Entry* e = store_->Find(KeyOf(in, depthM, k), k);
  if (!e) return false;
  for (int r = FirstRowOf(k); r <= LastRowOf(k); ++r)
    for (int c = FirstColumnOf(k); c <= LastColumnOf(k); ++c)
      m[r][c] = e->cells[r - FirstRowOf(k)][c - FirstColumnOf(k)];
  return true;
}

void MediumBlockMemo::Keep(const StackInputs& in, const long double depthM[3], int k,
                           const ComplexMatrix& m) {
  const Key key = KeyOf(in, depthM, k);
  if (store_->Find(key, k)) return;
  Entry& e = store_->entries[k][store_->next[k]];
  store_->next[k] = (store_->next[k] + 1) % kEntriesPerMedium;
  e.used = true;
  e.key = key;
  e.hash = HashOf(key);
  for (int r = FirstRowOf(k); r <= LastRowOf(k); ++r)
    for (int c = FirstColumnOf(k); c <= LastColumnOf(k); ++c)
      e.cells[r - FirstRowOf(k)][c - FirstColumnOf(k)] = m[r][c];
}
