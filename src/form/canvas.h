#pragma once
#include <cstdint>
#include <vector>

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

namespace colors {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Silver{192, 192, 192};
inline constexpr Rgb MoneyGreen{192, 220, 192};
inline constexpr Rgb SkyBlue{166, 202, 240};
inline constexpr Rgb Lime{0, 255, 0};
inline constexpr Rgb Aqua{0, 255, 255};
inline constexpr Rgb Fuchsia{255, 0, 255};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Gray{128, 128, 128};
}  // namespace colors

// The window's drawing surface: an RGB raster of the client area, silver at start.
// Lines leave their end pixel unpainted; rectangles exclude their right and bottom edges.
// Drawing outside the raster is clipped.
class Canvas {
 public:
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 744;

  Canvas();

  Rgb penColor = colors::Black;
  Rgb brushColor = colors::White;

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void FillRect(int left, int top, int right, int bottom);
  void FrameRect(int left, int top, int right, int bottom);
  void Clear(Rgb color);
  void SetPixel(int x, int y, Rgb color);
  Rgb Pixel(int x, int y) const;
  int PenX() const { return penX_; }
  int PenY() const { return penY_; }
  const std::vector<Rgb>& Pixels() const { return pixels_; }

 private:
  std::vector<Rgb> pixels_;
  int penX_ = 0, penY_ = 0;
};
