#include "model/lanes_elimination.h"

#include <algorithm>
#include <array>
#include <utility>

#include "model/bounded_pivoting.h"

namespace {

constexpr int kN = LanesMatrix::kOrder;

// Per row, the columns whose waves reach it.
struct ColumnSpan {
  int first = kN, last = -1;
};
constexpr std::array<ColumnSpan, kN> FilledColumns() {
  std::array<ColumnSpan, kN> spans{};
  for (int c = 0; c < kN; ++c) {
    const WaveRows rows = WaveRowsOfColumn(c);
    for (int r = rows.first; r <= rows.last; ++r) {
      spans[r].first = std::min(spans[r].first, c);
      spans[r].last = std::max(spans[r].last, c);
    }
  }
  return spans;
}
constexpr std::array<ColumnSpan, kN> kFilledColumns = FilledColumns();

LaneMask MaskOf(const bool lanes[kLanes]) {
  LaneMask mask{};
  for (int l = 0; l < kLanes; ++l) mask[l] = lanes[l] ? -1 : 0;
  return mask;
}

// Every lane of mask or-ed (and-ed) into every lane, by halves, within the vector.
static_assert(kLanes == 4);
LaneMask FoldOr(LaneMask m) {
  m |= __builtin_shuffle(m, LaneMask{2, 3, 0, 1});
  return m | __builtin_shuffle(m, LaneMask{1, 0, 3, 2});
}
LaneMask FoldAnd(LaneMask m) {
  m &= __builtin_shuffle(m, LaneMask{2, 3, 0, 1});
  return m & __builtin_shuffle(m, LaneMask{1, 0, 3, 2});
}

bool Any(LaneMask mask) { return FoldOr(mask)[0] != 0; }
bool All(LaneMask mask) { return FoldAnd(mask)[0] != 0; }

std::int64_t LargestLane(LaneMask m) {
  const LaneMask swapped = __builtin_shuffle(m, LaneMask{2, 3, 0, 1});
  m = m > swapped ? m : swapped;
  return std::max(m[0], m[1]);
}

// The elimination of every live lane along its own pivots, which must be the only candidates
// the 80-bit path has; the others leave.
class LanesElimination {
 public:
  LanesElimination(LanesMatrix& m, const bool used[kLanes], LaneResult out[kLanes])
      : m_(m), out_(out) {
    live_ = MaskOf(used);
    for (int r = 0; r < kN; ++r) end_[r] = RowEnd(r, kFilledColumns[r].first);
    for (int c = 0; c < kN; ++c) lastRow_[c] = ColumnLastRow(c);
  }

  // From the state after a recorded prefix, its steps replayed on the columns of layer 2: false
  // where this matrix's later columns do not end as the recorded one's did.
  LanesElimination(LanesMatrix& m, const EliminationPrefix& prefix, LaneResult out[kLanes])
      : m_(m), out_(out) {
    for (int r = kPrefixRows / 2; r < kN; ++r)
      if (!Same(RowEnd(r, kLayer2First), prefix.startEnd[r])) return;
    for (int c = kLayer2First; c < kN; ++c)
      if (ColumnLastRow(c) != prefix.startLastRow[c]) return;
    for (int k = 0; k < kPrefixSteps; ++k) Replay(k, prefix.step[k]);
    live_ = prefix.live;
    odd_ = prefix.odd;
    pivotErrors_ = prefix.pivotErrors;
    for (int r = 0; r < kN; ++r) end_[r] = prefix.end[r];
    for (int c = 0; c < kN; ++c) lastRow_[c] = prefix.lastRow[c];
    for (int i = 0; i < kPrefixSteps; ++i) {
      m_.re[i][i] = prefix.diagonalRe[i];
      m_.im[i][i] = prefix.diagonalIm[i];
    }
    resumed_ = true;
  }

  void Run(EliminationPrefix* record = nullptr) {
    if (record) StartRecording(*record);
    for (int k = resumed_ ? kPrefixSteps : 0; k < kN; ++k) {
      for (int i = k; i <= lastRow_[k]; ++i) inColumn_[i] = NonZero(i, k);
      Lanes rw{};
      const LaneMask pivots = ChoosePivots(k, rw);
      if (!Any(live_)) return;
      SwapRows(k, pivots);
      Eliminate(k, rw);
      if (record_ && k == kPrefixSteps - 1) FinishRecording();
    }
    Finish();
  }

  bool Resumed() const { return resumed_; }

 private:
  // Searched from the far end of what the fill may have written, down to column first: mostly
  // found at once. -1 in a lane where the row holds no non-zero there.
  LaneMask RowEnd(int r, int first) const {
    LaneMask end = LaneMask{} - 1;
    for (int c = kFilledColumns[r].last; c >= std::max(first, kFilledColumns[r].first); --c) {
      end = end < 0 && NonZero(r, c) ? c : end;
      if (All(end >= 0)) break;
    }
    return end;
  }

  int ColumnLastRow(int c) const {
    const WaveRows rows = WaveRowsOfColumn(c);
    for (int r = rows.last; r >= rows.first; --r)
      if (Any(NonZero(r, c))) return r;
    return -1;
  }

  static bool Same(LaneMask a, LaneMask b) { return All(a == b); }

  void StartRecording(EliminationPrefix& record) {
    record_ = &record;
    record.usable = false;
    for (int r = 0; r < kN; ++r) record.startEnd[r] = end_[r];
    for (int c = 0; c < kN; ++c) record.startLastRow[c] = lastRow_[c];
    for (EliminationPrefix::Step& step : record.step) step.swaps = step.updates = 0;
  }

  void FinishRecording() {
    EliminationPrefix& p = *record_;
    p.usable = All(live_);
    p.live = live_;
    p.odd = odd_;
    p.pivotErrors = pivotErrors_;
    for (int r = 0; r < kN; ++r) p.end[r] = end_[r];
    for (int c = 0; c < kN; ++c) p.lastRow[c] = lastRow_[c];
    for (int i = 0; i < kPrefixSteps; ++i) {
      p.diagonalRe[i] = m_.re[i][i];
      p.diagonalIm[i] = m_.im[i][i];
    }
    record_ = nullptr;
  }

  EliminationPrefix::Step* Recording(int k) {
    return record_ && k < kPrefixSteps ? &record_->step[k] : nullptr;
  }

  // What step k did to the columns of layer 2, done again: the same swaps, and the same updates
  // with the pivot row's elements there.
  void Replay(int k, const EliminationPrefix::Step& step) {
    for (int s = 0; s < step.swaps; ++s) {
      const EliminationPrefix::Swap& swap = step.swap[s];
      SwapRowsWhere(swap.lanes, k, swap.row, kLayer2First, std::min(swap.end, kLayer2Last));
    }
    const int last = std::min(step.last, kLayer2Last);
    const Lanes* rp = m_.rad[k];
    Lanes mp[kN];
    for (int c = kLayer2First; c <= last; ++c)
      mp[c] = Mag(m_.re[k][c], m_.im[k][c]) + 1.5 * rp[c];
    for (int u = 0; u < step.updates; ++u) {
      const EliminationPrefix::Update& update = step.update[u];
      const int j = update.row;
      if (All(update.lanes & (last <= step.pivotEnd))) {
        for (int c = kLayer2First; c <= last; ++c)
          UpdateElement(m_.re[j][c], m_.im[j][c], m_.rad[j][c], m_.re[k][c], m_.im[k][c], mp[c],
                        rp[c], update.f);
        continue;
      }
      for (int c = kLayer2First; c <= last; ++c) {
        Lanes re = m_.re[j][c], im = m_.im[j][c], rad = m_.rad[j][c];
        UpdateElement(re, im, rad, m_.re[k][c], m_.im[k][c], mp[c], rp[c], update.f);
        const LaneMask where = update.lanes & (c <= step.pivotEnd);
        m_.re[j][c] = Select(where, re, m_.re[j][c]);
        m_.im[j][c] = Select(where, im, m_.im[j][c]);
        m_.rad[j][c] = Select(where, rad, m_.rad[j][c]);
      }
    }
  }

  LaneMask NonZero(int r, int c) const {
    return m_.re[r][c] != 0 || m_.im[r][c] != 0 || m_.rad[r][c] != 0;
  }

  void Leave(int l, bool alone) {
    live_[l] = 0;
    out_[l] = {CertifiedDetG{}, alone};
  }

  // The pivot row of column k in every live lane, as PossiblePivots and BoundsOfPivot choose it,
  // the lanes side by side. A lane with a second candidate is left to be eliminated by itself.
  LaneMask ChoosePivots(int k, Lanes& rw) {
    Lanes best = Lanes{} - 1;
    LaneMask largest = LaneMask{} - 1;
    Entry<Lanes> candidate;  // stays 0 where a lane has none, which then leaves
    for (int i = k; i <= lastRow_[k]; ++i) {
      const Lanes re = m_.re[i][k], im = m_.im[i][k];
      const Lanes square = re * re + im * im;
      const LaneMask larger = inColumn_[i] && best < square;
      best = larger ? square : best;
      largest = larger ? LaneMask{} + i : largest;
      candidate = {larger ? re : candidate.re, larger ? im : candidate.im,
                   larger ? m_.rad[i][k] : candidate.rad};
    }
    const Lanes low = LowModulus(candidate);
    LaneMask others{};
    for (int i = k; i <= lastRow_[k]; ++i) {
      const Lanes re = m_.re[i][k], im = m_.im[i][k], rad = m_.rad[i][k];
      const LaneMask reachMag = !((Mag(re, im) + rad * kBoundSlack) * kPivotHigh < low);
      const LaneMask another = (largest != i) & inColumn_[i] & reachMag;
      if (!Any(another)) continue;
      const Lanes modulus = Sqrt(re * re + im * im);
      others |= another & !((modulus * kPivotHigh + rad * kBoundSlack) * kPivotHigh < low);
    }
    const PivotBounds<Lanes> bounds = BoundsOfPivot(candidate);
    const LaneMask leave = live_ & ((largest < 0) | others | !bounds.ok);
    if (Any(leave))
      for (int l = 0; l < kLanes; ++l)
        if (leave[l]) Leave(l, largest[l] >= 0 && others[l]);
    const LaneMask pivots = largest < 0 ? LaneMask{} + k : largest;
    odd_ ^= live_ & (pivots != k);
    pivotErrors_ = WithPivotError(pivotErrors_, bounds.rho);
    rw = bounds.rw;
    return pivots;
  }

  // Every live lane swaps row k with its pivot's row; the lanes of one pivot row at once.
  void SwapRows(int k, LaneMask pivots) {
    for (LaneMask pending = live_ & (pivots != k); Any(pending);) {
      int p = k;
      for (int l = 0; l < kLanes && p == k; ++l)
        if (pending[l]) p = static_cast<int>(pivots[l]);
      const LaneMask mask = pending & (pivots == p);
      pending &= ~mask;
      // Beyond both rows' ends both hold exact zeros; row p takes row k's non-zeros.
      const LaneMask endK = end_[k];
      const LaneMask later = endK > end_[p] ? endK : end_[p];
      const int swapEnd = static_cast<int>(LargestLane(mask ? later : LaneMask{} - 1));
      const int movedEnd = static_cast<int>(LargestLane(mask ? endK : LaneMask{} - 1));
      if (EliminationPrefix::Step* step = Recording(k))
        step->swap[step->swaps++] = {mask, p, swapEnd};
      SwapRowsWhere(mask, k, p, k, swapEnd);
      end_[k] = mask ? end_[p] : end_[k];
      end_[p] = mask ? endK : end_[p];
      const LaneMask inColumnK = inColumn_[k];
      inColumn_[k] = mask ? inColumn_[p] : inColumn_[k];
      inColumn_[p] = mask ? inColumnK : inColumn_[p];
      for (int c = k; c <= movedEnd; ++c) lastRow_[c] = std::max(lastRow_[c], p);
    }
  }

  static void SwapWhere(LaneMask mask, Lanes& a, Lanes& b) {
    const Lanes keep = a;
    a = Select(mask, b, a);
    b = Select(mask, keep, b);
  }

  // Rows a and b swapped in columns first..last, in the lanes of mask: mostly all of them.
  void SwapRowsWhere(LaneMask mask, int a, int b, int first, int last) {
    if (All(mask)) {
      for (int c = first; c <= last; ++c) {
        std::swap(m_.re[a][c], m_.re[b][c]);
        std::swap(m_.im[a][c], m_.im[b][c]);
        std::swap(m_.rad[a][c], m_.rad[b][c]);
      }
      return;
    }
    for (int c = first; c <= last; ++c) {
      SwapWhere(mask, m_.re[a][c], m_.re[b][c]);
      SwapWhere(mask, m_.im[a][c], m_.im[b][c]);
      SwapWhere(mask, m_.rad[a][c], m_.rad[b][c]);
    }
  }

  // Row j of a lane takes part where the lane is live and its element in column k is not an
  // exact zero; column c where it lies within the lane's pivot row.
  void Eliminate(int k, Lanes rw) {
    // Left lanes divide by 1: they must raise no flag.
    Lanes wr, wi;
    SmithReciprocal(Select(live_, m_.re[k][k], Lanes{} + 1), Select(live_, m_.im[k][k], Lanes{}),
                    wr, wi);
    const Lanes mw = Mag(wr, wi);
    const LaneMask pivotEnd = live_ ? end_[k] : LaneMask{} - 1;
    int last = k, lastInAll = kN - 1;
    for (int l = 0; l < kLanes; ++l) {
      last = std::max(last, static_cast<int>(pivotEnd[l]));
      lastInAll = std::min(lastInAll, static_cast<int>(pivotEnd[l]));
    }
    EliminationPrefix::Step* step = Recording(k);
    if (step) {
      step->pivotEnd = pivotEnd;
      step->last = last;
    }
    const Lanes* rp = m_.rad[k];  // the pivot row stays as it is meanwhile
    Lanes mp[kN];
    for (int c = k + 1; c <= last; ++c) mp[c] = Mag(m_.re[k][c], m_.im[k][c]) + 1.5 * rp[c];
    int lastUpdated = -1;
    for (int j = k + 1; j <= lastRow_[k]; ++j) {
      const LaneMask row = live_ & inColumn_[j];
      if (!Any(row)) continue;
      lastUpdated = j;
      const RowMultiplier<Lanes> f =
          MultiplierOf(m_.re[j][k], m_.im[j][k], m_.rad[j][k], wr, wi, mw, rw);
      if (step) step->update[step->updates++] = {j, row, f};
      int c = k + 1;
      if (All(row)) {
        for (; c <= lastInAll; ++c)
          UpdateElement(m_.re[j][c], m_.im[j][c], m_.rad[j][c], m_.re[k][c], m_.im[k][c], mp[c],
                        rp[c], f);
      }
      for (; c <= last; ++c) {
        Lanes re = m_.re[j][c], im = m_.im[j][c], rad = m_.rad[j][c];
        UpdateElement(re, im, rad, m_.re[k][c], m_.im[k][c], mp[c], rp[c], f);
        const LaneMask update = row & (c <= pivotEnd);
        m_.re[j][c] = Select(update, re, m_.re[j][c]);
        m_.im[j][c] = Select(update, im, m_.im[j][c]);
        m_.rad[j][c] = Select(update, rad, m_.rad[j][c]);
      }
      end_[j] = row && end_[k] > end_[j] ? end_[k] : end_[j];
    }
    for (int c = k + 1; c <= last; ++c) lastRow_[c] = std::max(lastRow_[c], lastUpdated);
  }

  void Finish() {
    Lanes dr = Lanes{} + 1, di{};
    for (int i = 0; i < kN; ++i)
      MultiplyBy(dr, di, Select(live_, m_.re[i][i], Lanes{} + 1),
                 Select(live_, m_.im[i][i], Lanes{}));
    for (int l = 0; l < kLanes; ++l) {
      if (!live_[l]) continue;
      const double rel = DiagonalProductBound(pivotErrors_[l]) * kBoundSlack;
      out_[l] = {};
      if (rel < 1) out_[l].det = {true, odd_[l] ? -dr[l] : dr[l], odd_[l] ? -di[l] : di[l], rel};
    }
  }

  LanesMatrix& m_;
  LaneResult* out_;
  LaneMask live_;  // all bits set in the lanes still eliminated here
  LaneMask end_[kN];  // per lane, the last column of each row that may hold a non-zero
  LaneMask inColumn_[kN];  // per lane, the rows whose element in the step's column is not 0
  int lastRow_[kN];   // in any lane, the last row of each column that may hold a non-zero
  LaneMask odd_{};  // all bits set where the row swaps so far are odd in number
  Lanes pivotErrors_{};  // per lane, prod (1 + rho_k) - 1 over the pivots so far
  EliminationPrefix* record_ = nullptr;
  bool resumed_ = false;
};

}  // namespace

__attribute__((target_clones("avx2", "default"), flatten)) void LanesDeterminant(
    LanesMatrix& m, const bool used[kLanes], LaneResult out[kLanes]) {
  LanesElimination(m, used, out).Run();
}

__attribute__((target_clones("avx2", "default"), flatten)) void RecordingLanesDeterminant(
    LanesMatrix& m, const bool used[kLanes], LaneResult out[kLanes], EliminationPrefix& prefix) {
  bool all = true;
  for (int l = 0; l < kLanes; ++l) all = all && used[l];
  LanesElimination(m, used, out).Run(all ? &prefix : nullptr);
  if (!all) prefix.usable = false;
}

__attribute__((target_clones("avx2", "default"), flatten)) bool ResumedLanesDeterminant(
    LanesMatrix& m, const EliminationPrefix& prefix, LaneResult out[kLanes]) {
  LanesElimination elimination(m, prefix, out);
  if (!elimination.Resumed()) return false;
  elimination.Run();
  return true;
}
