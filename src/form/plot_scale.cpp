#include "form/plot_scale.h"

#include <climits>
#include <cmath>

#include "base/fp_fault.h"

PlotScale::PlotScale(int left, int top, int width, int height, long double xMin, long double yMin,
                     long double xSpan, long double ySpan) {
  const long double l = left, t = top, w = width, h = height;
  xToWorldScale = xSpan / w;
  xToWorldOffset = xMin - xToWorldScale * l;
  yToWorldScale = -ySpan / h;
  yToWorldOffset = (yMin + ySpan) - yToWorldScale * t;
  xToPixelScale = w / xSpan;
  xToPixelOffset = l - xToPixelScale * xMin;
  yToPixelScale = -h / ySpan;
  yToPixelOffset = t - (yMin + ySpan) * yToPixelScale;
  CheckFloatingPoint();
}

namespace {

// Truncation toward zero when the value fits an int; quiet comparisons raise no flag on NaN.
std::optional<int> Truncate(long double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const long double t = std::trunc(value);
  if (std::isless(t, static_cast<long double>(INT_MIN)) || std::isgreater(t, static_cast<long double>(INT_MAX)))
    return std::nullopt;
  return static_cast<int>(t);
}

}  // namespace

// The mapping of an infinite or far-off point may overflow or be invalid; that is no fault
// of the caller's computation, so the fault flags are left as they were found.
std::optional<Pixel> PlotScale::ToPixel(long double x, long double y) const {
  std::optional<int> col, row;
  {
    const FloatingPointFlagsKept kept;
    const long double px = x * 1 * xToPixelScale + xToPixelOffset;
    const long double py = y * 1 * yToPixelScale + yToPixelOffset;
    col = Truncate(px);
    row = Truncate(py);
  }
  if (!col || !row) return std::nullopt;
  return Pixel{*col, *row};
}
