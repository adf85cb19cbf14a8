#include "fitting/zero_filter.h"

#include <cmath>

bool PassesZeroFilter(long double z, long double vMin, long double vMax,
                      const long double bulkVT[4], const long double bulkVL[4],
                      long double bulkSep) {
  if (!(std::isless(vMin, z) && std::isless(z, vMax))) return false;
  for (int k = 0; k < 4; ++k) {
    if (!std::isgreater(fabsl(z - bulkVT[k]), bulkSep)) return false;
    if (!std::isgreater(fabsl(z - bulkVL[k]), bulkSep)) return false;
  }
  return true;
}
