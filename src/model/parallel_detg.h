#pragma once
#include <vector>

#include "model/boundary_fill.h"
#include "model/certified_detg.h"
#include "model/listed_inputs.h"

// det_g of one stack, evaluated away from the window; ok is false when the evaluation raised
// a floating-point fault (or failed otherwise), so that its caller evaluates it again itself
// and meets the fault where it belongs.
struct DetGOutcome {
  ComplexLD det;
  bool ok = false;
  // Where certified double precision settled what the value was wanted for, and no 80-bit
  // evaluation was made: the certified value (ok is then false).
  CertifiedDetG certified;
};

// Evaluates det_g of every input (fill, determinant with the pivot threshold 1e-36, fault
// check), spread over the given number of threads; each thread keeps its own matrix and its
// own fault flags. The outcomes are those of evaluating the inputs one by one, bit for bit.
std::vector<DetGOutcome> EvaluateDetGBatch(const std::vector<StackInputs>& inputs, unsigned threads);

// Certified inputs are grouped within a slice: several nodes of a map, so that each group of
// lanes holds one wave number and velocity of neighbouring nodes.
inline constexpr std::size_t kCertifiedSlice = 256;

// The certified double-precision det_g of inputs begin..end - 1 (at most kCertifiedSlice), into
// out: the same values as evaluating them one by one.
void EvaluateDetGCertifiedSlice(const ListedInputs& inputs, std::size_t begin, std::size_t end,
                                CertifiedDetG* out);

// Threads worth using on this machine (every core, at least one).
unsigned EvaluationThreads();

