#include "form/canvas_png.h"

#include "io/png_file.h"

static_assert(sizeof(Rgb) == 3, "the raster is handed on as r, g, b bytes");

std::string CanvasPng(const Canvas& canvas) {
  const std::vector<Rgb>& pixels = canvas.Pixels();
  return EncodePng(Canvas::kWidth, Canvas::kHeight, reinterpret_cast<const std::uint8_t*>(pixels.data()),
                   pixels.size() * sizeof(Rgb));
}
