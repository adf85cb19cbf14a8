#include "fitting/correlator_sum.h"

#include <cmath>

long double CorrelatorFromModuli(const long double absDetR[14], const long double absDetS1[14],
                                 long double zScale) {
  long double sum = 0;
  for (int i = 0; i < 14; ++i) sum += absDetR[i] * absDetR[i];
  for (int i = 0; i < 14; ++i) sum += absDetS1[i] * absDetS1[i];
  return sqrtl(sum) / (zScale * 1e138L);
}
