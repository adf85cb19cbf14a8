#pragma once
#include "model/boundary_fill.h"
#include "model/lanes.h"

// The boundary-condition matrix in double precision, every element with a bound on its
// distance (complex modulus) to the element of the 80-bit fill from the same inputs.
// 0-based: row r, column c hold element (r + 1, c + 1).
struct BoundedMatrix {
  static constexpr int kOrder = 14;
  double re[kOrder][kOrder];
  double im[kOrder][kOrder];
  double rad[kOrder][kOrder];
};

// kLanes bounded matrices side by side, lane l of every element holding matrix l's.
struct LanesMatrix {
  static constexpr int kOrder = BoundedMatrix::kOrder;
  Lanes re[kOrder][kOrder];
  Lanes im[kOrder][kOrder];
  Lanes rad[kOrder][kOrder];
};

// The rows that the waves of column c reach, those of its medium's interfaces: the substrate's
// rows 0..3, layer k's rows 4 (k - 1) up to its top, the free surface's rows 12 and 13 for the
// third. The fills leave every other element of the column zero.
struct WaveRows {
  int first, last;
};
constexpr WaveRows WaveRowsOfColumn(int c) {
  const int k = c < 2 ? 0 : (c + 2) / 4;
  if (k == 0) return {0, 3};
  return {4 * (k - 1), k == 3 ? BoundedMatrix::kOrder - 1 : 4 * k + 3};
}

// Writes all 196 elements. The branch of every decay constant is decided by the 80-bit path's
// own test on its own velocity ratio, so near a bulk velocity both take the same branch.
// False when a real exponential's argument is too uncertain to bound it. Floating-point flags
// raised meanwhile (a zero constant, an overflowing exponential) are the caller's to test.
bool FillBoundedMatrix(const StackInputs& in, BoundedMatrix& m);

// FillBoundedMatrix of kLanes inputs at once, lane l from in[l]: bit for bit the same
// matrices where the 80-bit path takes every decay constant on the same branch as in lane 0.
// A lane where it does not is left to be filled by itself.
enum class LaneFill { Filled, Uncertain, OtherBranch };
void FillLanesMatrix(const StackInputs* const in[kLanes], LanesMatrix& m, LaneFill outcome[kLanes]);
// The columns of media first..last alone, as FillLanesMatrix writes them, and zeros beyond the
// interfaces of the columns of media first..3; the other elements are left as they were.
void FillLanesMedia(const StackInputs* const in[kLanes], LanesMatrix& m, LaneFill outcome[kLanes],
                    int first, int last);
