#include "detg/bulk_velocity.h"

#include <cmath>

#include "base/fp_fault.h"

std::optional<long double> BulkVelocity(long double constantGPa, long double density) {
  const long double ratio = constantGPa * 1e9L / density;
  CheckFloatingPoint();
  if (ratio < 0) return std::nullopt;
  return sqrtl(ratio);
}
