#include "fitting/zero_filter.h"
#include "fitting/zero_test.h"
#include "base/fp_fault.h"
#include "form/evaluate_detg.h"
#include "form/tform1.h"

void TForm1::TestForZero(long double v) {
  ZeroStencil stencil;
  state.scanV = v;
  stencil.v[0] = v;
  stencil.absDet[0] = Modulus(EvaluateDetGAtFill(*this));
  stencil.reFirst = detG.re;

  state.scanV += state.zeroSens;
  stencil.v[1] = state.scanV;
  stencil.absDet[1] = Modulus(EvaluateDetGAtFill(*this));

  state.scanV += state.zeroSens;
  stencil.v[2] = state.scanV;
  stencil.absDet[2] = Modulus(EvaluateDetGAtFill(*this));
  stencil.reThird = detG.re;

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
  if (ZeroAtMiddle(ZeroRuleOfItem(ItemIndex("RadioGroup4")), slopes, stencil.reFirst,
                   stencil.reThird))
    state.lastZeroV = stencil.v[1];
}

bool TForm1::AcceptZero(long double z) const {
  return PassesZeroFilter(z, state.vMin, state.vMax, state.bulkVT, state.bulkVL, state.bulkSep);
}
