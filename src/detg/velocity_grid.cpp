#include "detg/velocity_grid.h"

#include <cmath>

#include "base/fp_fault.h"

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
