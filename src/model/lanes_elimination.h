#pragma once
#include "model/bounded_fill.h"
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
