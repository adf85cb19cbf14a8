#include <optional>

#include "fitting/zero_filter.h"
#include "fitting/zero_test.h"
#include "base/fp_fault.h"
#include "form/certified_stencil.h"
#include "form/evaluate_detg.h"
#include "form/field_names.h"
#include "form/tform1.h"

namespace {
// The three evaluations of the stencil at v in 80 bits, one after the other.
void EvaluateStencil(TForm1& form, long double v, ZeroStencil& stencil) {
  SimulationState& s = form.state;
  s.scanV = v;
  stencil.v[0] = v;
  stencil.absDet[0] = Modulus(EvaluateDetGAtFill(form));
  stencil.reFirst = form.detG.re;

  s.scanV += s.zeroSens;
  stencil.v[1] = s.scanV;
  stencil.absDet[1] = Modulus(EvaluateDetGAtFill(form));

  s.scanV += s.zeroSens;
  stencil.v[2] = s.scanV;
  stencil.absDet[2] = Modulus(EvaluateDetGAtFill(form));
  stencil.reThird = form.detG.re;
}
}  // namespace

void TForm1::TestForZero(long double v) {
  const ZeroRule rule = ZeroRuleOfItem(ItemIndex(kDetgAxisGroup));
  ZeroStencil stencil;
  std::optional<bool> zero = CertifiedStencilDecision(*this, v, rule, stencil);
  if (!zero) EvaluateStencil(*this, v, stencil);

  state.scanV = stencil.v[2] - 2 * state.zeroSens;
  // Coinciding test velocities (zero_sens 0) make the slopes 0/0: the sweep stops here.
  const StencilSlopes slopes = SlopesOf(stencil);
  CheckFloatingPoint();

  for (int k = 0; k < 3; ++k) {
    state.stencilV[k] = stencil.v[k];
    state.stencilAbs[k] = stencil.absDet[k];
  }
  state.reDetFirst = stencil.reFirst;
  state.reDetThird = stencil.reThird;
  state.slopeLow = slopes.low;
  state.slopeHigh = slopes.high;
  if (!zero) zero = ZeroAtMiddle(rule, slopes, stencil.reFirst, stencil.reThird);
  if (*zero) state.lastZeroV = stencil.v[1];
}

bool TForm1::AcceptZero(long double z) const {
  return PassesZeroFilter(z, state.vMin, state.vMax, state.bulkVT, state.bulkVL, state.bulkSep);
}
