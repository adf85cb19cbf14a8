#include "form/canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool Inside(std::int64_t x, std::int64_t y) {
  return x >= 0 && x < Canvas::kWidth && y >= 0 && y < Canvas::kHeight;
}

// Offset along the minor axis after `step` steps along the major axis: step * minor / major
// rounded to nearest, halves away from the start. Products of two 32-bit spans fit 64 bits.
std::uint64_t MinorOffset(std::uint64_t step, std::uint64_t minor, std::uint64_t major) {
  const std::uint64_t product = step * minor;
  const std::uint64_t whole = product / major;
  const std::uint64_t rest = product % major;
  return whole + (2 * rest >= major ? 1 : 0);
}

}  // namespace

Canvas::Canvas() : pixels_(static_cast<std::size_t>(kWidth) * kHeight, colors::Silver) {}

void Canvas::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

// Walks the major axis one pixel per step and paints every pixel before the end point.
// Only the steps whose major coordinate lies on the raster are visited, so a line of any
// length costs at most one raster width or height of steps.
void Canvas::LineTo(int x, int y) {
  const std::int64_t x0 = penX_, y0 = penY_;
  const std::int64_t dx = static_cast<std::int64_t>(x) - x0;
  const std::int64_t dy = static_cast<std::int64_t>(y) - y0;
  penX_ = x;
  penY_ = y;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  if (major == 0) return;
  const std::int64_t majorStart = xMajor ? x0 : y0;
  const std::int64_t majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const std::int64_t minorSign = (xMajor ? dy : dx) >= 0 ? 1 : -1;
  const std::int64_t limit = xMajor ? kWidth : kHeight;
  // Steps i in [0, major) with majorStart + majorSign * i in [0, limit).
  std::int64_t first = majorSign > 0 ? -majorStart : majorStart - (limit - 1);
  std::int64_t last = majorSign > 0 ? limit - 1 - majorStart : majorStart;
  first = std::max<std::int64_t>(first, 0);
  last = std::min<std::int64_t>(last, major - 1);
  const std::int64_t minorStart = xMajor ? y0 : x0;
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t a = majorStart + majorSign * i;
    const std::int64_t b = minorStart + minorSign * static_cast<std::int64_t>(MinorOffset(
                                            static_cast<std::uint64_t>(i), static_cast<std::uint64_t>(minor),
                                            static_cast<std::uint64_t>(major)));
    if (xMajor) {
      SetPixel(static_cast<int>(a), static_cast<int>(std::clamp<std::int64_t>(b, -1, kHeight)), penColor);
    } else {
      SetPixel(static_cast<int>(std::clamp<std::int64_t>(b, -1, kWidth)), static_cast<int>(a), penColor);
    }
  }
}

void Canvas::FillRect(int left, int top, int right, int bottom) {
  const int x0 = std::max(left, 0), x1 = std::min(right, kWidth);
  const int y0 = std::max(top, 0), y1 = std::min(bottom, kHeight);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) pixels_[static_cast<std::size_t>(y) * kWidth + x] = brushColor;
}

void Canvas::FrameRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  FillRect(left, top, right, top + 1);
  FillRect(left, bottom - 1, right, bottom);
  FillRect(left, top, left + 1, bottom);
  FillRect(right - 1, top, right, bottom);
}

void Canvas::Clear(Rgb color) { std::fill(pixels_.begin(), pixels_.end(), color); }

void Canvas::SetPixel(int x, int y, Rgb color) {
  if (Inside(x, y)) pixels_[static_cast<std::size_t>(y) * kWidth + x] = color;
}

// Outside the raster there is nothing: black.
Rgb Canvas::Pixel(int x, int y) const {
  return Inside(x, y) ? pixels_[static_cast<std::size_t>(y) * kWidth + x] : Rgb{};
}
