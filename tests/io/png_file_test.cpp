#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "form/canvas.h"
#include "form/canvas_png.h"
#include "form/tform1.h"
#include "io/png_file.h"
#include "temp_dir.h"

namespace {

struct Decoded {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
};

Decoded Decode(const std::string& png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  EXPECT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size())) << image.message;
  image.format = PNG_FORMAT_RGB;
  Decoded d{static_cast<int>(image.width), static_cast<int>(image.height),
            std::vector<std::uint8_t>(PNG_IMAGE_SIZE(image))};
  EXPECT_TRUE(png_image_finish_read(&image, nullptr, d.rgb.data(), 0, nullptr)) << image.message;
  return d;
}

TEST(PngFile, RoundTripsEveryPixel) {
  std::vector<std::uint8_t> rgb;
  for (int i = 0; i < 3 * 2 * 3; ++i) rgb.push_back(static_cast<std::uint8_t>(i * 14));
  const Decoded d = Decode(EncodePng(3, 2, rgb.data(), rgb.size()));
  EXPECT_EQ(d.width, 3);
  EXPECT_EQ(d.height, 2);
  EXPECT_EQ(d.rgb, rgb);
  EXPECT_THROW(EncodePng(3, 2, rgb.data(), rgb.size() - 3), std::invalid_argument);
  EXPECT_THROW(EncodePng(0, 0, rgb.data(), 0), std::invalid_argument);
}

TEST(PngFile, CanvasOfTheDefaultAnalysisIsSmallAndExact) {
  ScopedTempDir dir;  // the scan writes its trace file here
  TForm1 form;
  form.RunHandler([&] { form.WindowCreated(); });
  for (const char* button : {"Button7", "Button4", "Button6"}) form.controls[button].onClick();
  const std::string png = CanvasPng(form.canvas);
  EXPECT_LT(png.size(), 100u * 1024);
  const Decoded d = Decode(png);
  ASSERT_EQ(d.width, Canvas::kWidth);
  ASSERT_EQ(d.height, Canvas::kHeight);
  for (int y = 0; y < Canvas::kHeight; y += 7) {
    for (int x = 0; x < Canvas::kWidth; x += 5) {
      const Rgb p = form.canvas.Pixel(x, y);
      const std::uint8_t* q = &d.rgb[(static_cast<std::size_t>(y) * Canvas::kWidth + x) * 3];
      ASSERT_EQ((Rgb{q[0], q[1], q[2]}), p) << x << "," << y;
    }
  }
}

}  // namespace
