#pragma once
#include <cfenv>
#include <cstddef>

#include "model/boundary_fill.h"
#include "model/listed_inputs.h"

// det_g in double precision with a proof of its accuracy. When certified,
// |(re, im) - det_80| <= rel * |(re, im)| holds for the value det_80 that the 80-bit evaluation
// (EvaluateDetG) returns for the same inputs, and det_80 is not zero (rel < 1).
struct CertifiedDetG {
  bool certified = false;
  double re = 0, im = 0;
  double rel = HUGE_VAL;
  // A bound on |(re, im) - det_80|; infinite without a certificate.
  double AbsoluteBound() const;
};

// The flags that end a certificate. Underflow costs precision that the bounds do not follow,
// so it ends the certificate too.
inline constexpr int kCertificateFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW;

// One evaluation: the fill with element bounds, then the elimination with the pivots of the
// 80-bit path and a running bound on every element. No certificate where a pivot could differ
// from the 80-bit path's, a pivot's bound is not small against it, an input is not finite or a
// floating-point fault, overflow or underflow occurred; the 80-bit path then decides (and
// raises the fault). The caller's floating-point fault flags are left as they were.
CertifiedDetG EvaluateDetGCertified(const StackInputs& in);

// EvaluateDetGCertified of n inputs, several at once side by side in the lanes of vectors: the
// same values, bit for bit.
void EvaluateDetGCertifiedLanes(const StackInputs* in, std::size_t n, CertifiedDetG* out);
// The same of input i given as its stack (its q and v aside) and its wave: stacks shared by
// several inputs are read once, not copied for each.
void EvaluateDetGCertifiedLanes(const StackInputs* const* stacks, const WavePoint* waves,
                                std::size_t n, CertifiedDetG* out);
