#pragma once
#include "model/complex_ld.h"

// How the det_g plot shows a determinant: by the item of the representation radio group.
enum class DetRepresentation { LgAbs, Abs, Real };

// Item 0 is "Lg(Abs)", item 1 "Abs"; every other item shows the real part.
DetRepresentation RepresentationOfItem(int item);

// ln|D| (natural logarithm), |D| or Re D. A zero modulus gives -inf without raising a flag:
// such a point is simply never connected.
long double ValueOfDet(const ComplexLD& det, DetRepresentation representation);

// The y axis of the det_g plot in world units.
struct DetAxisY {
  long double min = 0;
  long double max = 0;
};

// ln(lgMin) to ln(lgMax) for "Lg(Abs)", else linearMin to linearMax. Throws RefusedInput for
// "Lg(Abs)" limits that are not positive finite moduli: their logarithm gives no axis.
DetAxisY DetYAxis(DetRepresentation representation, long double lgMin, long double lgMax,
                  long double linearMin, long double linearMax);

// A segment of the det_g curve: previous point to current point, world coordinates.
struct DetSegment {
  long double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// The six strict tests: both ends strictly inside the y limits and the end strictly inside
// the x limits. Non-finite values fail every test.
bool SegmentInsideLimits(const DetSegment& segment, const DetAxisY& yLimits, long double xMin,
                         long double xMax);
