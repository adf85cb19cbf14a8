#include "form/certified_stencil.h"

#include "fitting/certified_zero_test.h"
#include "base/fp_fault.h"
#include "form/fill_boundary_matrix.h"
#include "form/tform1.h"

std::optional<bool> CertifiedStencilDecision(TForm1& form, long double v, ZeroRule rule,
                                             ZeroStencil& stencil) {
  if (!form.parallelEvaluation) return std::nullopt;
  SimulationState& s = form.state;
  long double velocities[3];
  WavePoint waves[3];
  ReadStackFields(form, s);
  const StackInputs stack = StackOfState(s, s.qFill);
  s.scanV = v;
  for (int k = 0; k < 3; ++k) {
    if (k > 0) s.scanV += s.zeroSens;
    velocities[k] = s.scanV;
    waves[k] = {stack.q, s.scanV};
  }
  CertifiedDetG det[3];
  GroupDecision settled;
  std::optional<bool> zero;
  // Decided again under the caller's rule: a few comparisons.
  if (form.prefetch.TakeCertified(stack, waves, 3, det, settled))
    zero = CertifiedZeroAtMiddle(rule, velocities, det);
  if (!zero) {
    s.scanV = v;
    return std::nullopt;
  }
  // What reading the fields raised, the first evaluation's check would have met.
  CheckFloatingPoint();
  for (int k = 0; k < 3; ++k) {
    stencil.v[k] = velocities[k];
    stencil.absDet[k] = Modulus({det[k].re, det[k].im});
  }
  stencil.reFirst = det[0].re;
  stencil.reThird = det[2].re;
  form.detG = {det[2].re, det[2].im};
  return zero;
}
