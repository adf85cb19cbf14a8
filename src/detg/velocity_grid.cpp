#include "detg/velocity_grid.h"

#include <cmath>
#include <string>

#include "base/fp_fault.h"
#include "base/number_text.h"

void RefuseEndlessVelocityGrid(long double vMin, long double vMax, long double vStep) {
  if (!(vMin < vMax)) return;
  if (!(vStep > 0)) throw RefusedInput("The velocity step v_step must be greater than 0");
  if ((vMax - vMin) / vStep > kMaxScanPoints)
    throw RefusedInput("The velocity step v_step is too small: the scan would take more than "
                       "10 million points");
  // A step of at least one unit in the last place of the largest velocity always advances
  // the sum, also after rounding.
  const long double largest = fmaxl(fabsl(vMin), fabsl(vMax));
  if (!(largest + vStep / 2 > largest))
    throw RefusedInput("The velocity step v_step is too small for velocities of this size");
}

void RefuseOversizedDetgScan(long double vMin, long double vMax, long double vStep) {
  if (!(vMin < vMax) || !(vStep > 0)) return;
  const long double points = ceill((vMax - vMin) / vStep);
  if (points <= kMaxDetgScanPoints) return;
  throw RefusedInput("The det_g scan would take " + FormatSignificant(points, DigitsPrecise) +
                     " points (at most 200000): increase v_step (Edit179) or narrow the range "
                     "v_min (Edit180) to v_max (Edit181)");
}
