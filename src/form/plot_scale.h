#pragma once
#include <optional>

struct Pixel {
  int x = 0;
  int y = 0;
};

// World-to-pixel mapping of one plot rectangle; world y grows upwards.
struct PlotScale {
  long double xToWorldScale = 0, xToWorldOffset = 0;
  long double yToWorldScale = 0, yToWorldOffset = 0;
  long double xToPixelScale = 0, xToPixelOffset = 0;
  long double yToPixelScale = 0, yToPixelOffset = 0;

  // The eight fields in order; a zero span raises FloatingPointFault (division by zero).
  PlotScale(int left, int top, int width, int height, long double xMin, long double yMin,
            long double xSpan, long double ySpan);

  // Truncation toward zero. A coordinate that is not finite or does not fit an int gives
  // no pixel: the caller skips that point or segment.
  std::optional<Pixel> ToPixel(long double x, long double y) const;
};
