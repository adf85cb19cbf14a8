#include "detg/det_value.h"

#include <cmath>

#include "base/fp_fault.h"

DetRepresentation RepresentationOfItem(int item) {
  if (item == 0) return DetRepresentation::LgAbs;
  if (item == 1) return DetRepresentation::Abs;
  return DetRepresentation::Real;
}

long double ValueOfDet(const ComplexLD& det, DetRepresentation representation) {
  switch (representation) {
    case DetRepresentation::LgAbs: {
      const long double modulus = Modulus(det);
      return modulus == 0 ? -HUGE_VALL : logl(modulus);
    }
    case DetRepresentation::Abs:
      return Modulus(det);
    case DetRepresentation::Real:
      break;
  }
  return det.re;
}

DetAxisY DetYAxis(DetRepresentation representation, long double lgMin, long double lgMax,
                  long double linearMin, long double linearMax) {
  if (representation != DetRepresentation::LgAbs) return {linearMin, linearMax};
  const auto usable = [](long double m) { return m > 0 && std::isfinite(m); };
  if (!usable(lgMin) || !usable(lgMax))
    throw RefusedInput("Min_Lg and Max_Lg must be positive numbers: they are moduli of det_g, "
                       "and the plot shows their natural logarithms");
  return {logl(lgMin), logl(lgMax)};
}

bool SegmentInsideLimits(const DetSegment& s, const DetAxisY& y, long double xMin,
                         long double xMax) {
  return s.y0 > y.min && s.y1 > y.min && s.y0 < y.max && s.y1 < y.max && s.x1 > xMin &&
         s.x1 < xMax;
}
