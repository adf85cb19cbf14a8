#pragma once
#include "model/bounded_fill.h"
#include "model/bounded_pivoting.h"
#include "model/certified_detg.h"
#include "model/lanes.h"

// What became of a lane: its certified determinant or none, or left to the evaluation of its
// matrix by itself (BoundedDeterminant), where the 80-bit path may take either of two pivots.
struct LaneResult {
  CertifiedDetG det;
  bool alone = false;
};

// BoundedDeterminant of the matrix of every lane marked in `used`, all lanes at once: each
// lane's value and bound are bit for bit those of its matrix eliminated by itself. Lanes not
// used are ignored. m must be zero beyond WaveRowsOfColumn, as the fill leaves it. Works in
// place. Floating-point flags raised meanwhile are the caller's to
// test: a lane's arithmetic may raise them for the others.
void LanesDeterminant(LanesMatrix& m, const bool used[kLanes], LaneResult out[kLanes]);

// The first steps of an elimination, those of the columns of the substrate and layer 1, which
// only those two media's columns decide: what they did to the columns of layer 2, the state they
// left, and the state they found in the rows and columns that layers 2 and 3 fill. Recorded by
// a group of lanes alike in the substrate and layer 1 (and in wave number, velocity, thicknesses
// and units), replayed for any group alike in the same: the same bits, without filling the
// first two media and without most of the work of their steps.
inline constexpr int kPrefixSteps = 6;
inline constexpr int kPrefixRows = 8;  // the rows those steps may reach
inline constexpr int kLayer2First = 6, kLayer2Last = 9;  // its columns
struct EliminationPrefix {
  struct Swap {
    LaneMask lanes;
    int row, end;
  };
  struct Update {
    int row;
    LaneMask lanes;
    RowMultiplier<Lanes> f;
  };
  // Left as they are until recorded: a prefix is several kilobytes.
  struct Step {
    LaneMask pivotEnd;
    int last;
    int swaps, updates;
    Swap swap[kLanes];
    Update update[kPrefixRows];
  };
  bool usable;
  Step step[kPrefixSteps];
  LaneMask startEnd[LanesMatrix::kOrder];
  int startLastRow[LanesMatrix::kOrder];
  LaneMask live, odd, end[LanesMatrix::kOrder];
  int lastRow[LanesMatrix::kOrder];
  Lanes pivotErrors, diagonalRe[kPrefixSteps], diagonalIm[kPrefixSteps];
};

// LanesDeterminant of a matrix of four lanes alike in the substrate and layer 1, recording its
// first steps in prefix (usable where every lane was used and none left during them).
void RecordingLanesDeterminant(LanesMatrix& m, const bool used[kLanes], LaneResult out[kLanes],
                               EliminationPrefix& prefix);

// LanesDeterminant of every lane of a matrix whose columns of layers 2 and 3 alone are filled,
// after a prefix recorded for the same substrate and layer 1: false, with no result, where those
// columns' non-zero elements do not end where the recorded matrix's did.
bool ResumedLanesDeterminant(LanesMatrix& m, const EliminationPrefix& prefix,
                             LaneResult out[kLanes]);
