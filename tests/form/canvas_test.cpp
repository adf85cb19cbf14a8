#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "form/canvas.h"

namespace {

int CountColor(const Canvas& canvas, Rgb color) {
  int n = 0;
  for (const Rgb& p : canvas.Pixels()) n += p == color;
  return n;
}

}  // namespace

TEST(CanvasRaster, StartsSilverAndClipsPixelAccess) {
  Canvas canvas;
  EXPECT_EQ(CountColor(canvas, colors::Silver), Canvas::kWidth * Canvas::kHeight);
  canvas.SetPixel(-1, 5, colors::Red);
  canvas.SetPixel(Canvas::kWidth, 5, colors::Red);
  canvas.SetPixel(5, Canvas::kHeight, colors::Red);
  EXPECT_EQ(CountColor(canvas, colors::Red), 0);
  canvas.SetPixel(Canvas::kWidth - 1, Canvas::kHeight - 1, colors::Red);
  EXPECT_EQ(canvas.Pixel(Canvas::kWidth - 1, Canvas::kHeight - 1), colors::Red);
}

TEST(CanvasLine, EndPixelExcludedAndPenMoves) {
  Canvas canvas;
  canvas.MoveTo(10, 20);
  canvas.LineTo(15, 20);
  for (int x = 10; x < 15; ++x) EXPECT_EQ(canvas.Pixel(x, 20), colors::Black) << x;
  EXPECT_EQ(canvas.Pixel(15, 20), colors::Silver);
  EXPECT_EQ(canvas.Pixel(9, 20), colors::Silver);
  EXPECT_EQ(canvas.PenX(), 15);
  EXPECT_EQ(canvas.PenY(), 20);
  EXPECT_EQ(CountColor(canvas, colors::Black), 5);

  // Continuing from the pen paints the former end pixel.
  canvas.LineTo(15, 25);
  EXPECT_EQ(canvas.Pixel(15, 20), colors::Black);
  EXPECT_EQ(canvas.Pixel(15, 24), colors::Black);
  EXPECT_EQ(canvas.Pixel(15, 25), colors::Silver);
}

TEST(CanvasLine, ZeroLengthPaintsNothing) {
  Canvas canvas;
  canvas.MoveTo(3, 3);
  canvas.LineTo(3, 3);
  EXPECT_EQ(CountColor(canvas, colors::Black), 0);
}

TEST(CanvasLine, DiagonalsAndShallowSlopes) {
  Canvas canvas;
  canvas.penColor = colors::Blue;
  canvas.MoveTo(100, 100);
  canvas.LineTo(96, 96);  // up-left diagonal
  for (int i = 0; i < 4; ++i) EXPECT_EQ(canvas.Pixel(100 - i, 100 - i), colors::Blue);
  EXPECT_EQ(canvas.Pixel(96, 96), colors::Silver);
  EXPECT_EQ(CountColor(canvas, colors::Blue), 4);

  Canvas shallow;
  shallow.MoveTo(0, 0);
  shallow.LineTo(10, 3);  // one pixel per column, rows rounded to nearest
  const int rows[10] = {0, 0, 1, 1, 1, 2, 2, 2, 2, 3};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(shallow.Pixel(x, rows[x]), colors::Black) << x;
  EXPECT_EQ(CountColor(shallow, colors::Black), 10);
}

TEST(CanvasLine, ClipsLinesLeavingTheRaster) {
  Canvas canvas;
  canvas.MoveTo(-50, 10);
  canvas.LineTo(Canvas::kWidth + 50, 10);
  EXPECT_EQ(CountColor(canvas, colors::Black), Canvas::kWidth);
  EXPECT_EQ(canvas.PenX(), Canvas::kWidth + 50);

  Canvas vertical;
  vertical.MoveTo(7, Canvas::kHeight + 10);
  vertical.LineTo(7, -10);
  EXPECT_EQ(CountColor(vertical, colors::Black), Canvas::kHeight);
}

TEST(CanvasLine, HugeCoordinatesFinishQuickly) {
  const auto start = std::chrono::steady_clock::now();
  Canvas canvas;
  canvas.MoveTo(0, 0);
  canvas.LineTo(2000000000, 2000000000);
  EXPECT_EQ(canvas.Pixel(500, 500), colors::Black);
  EXPECT_EQ(CountColor(canvas, colors::Black), Canvas::kHeight);

  canvas.MoveTo(INT_MIN, INT_MIN);
  canvas.LineTo(INT_MAX, INT_MAX);
  canvas.MoveTo(INT_MAX, INT_MIN);
  canvas.LineTo(INT_MIN, INT_MAX);
  canvas.MoveTo(INT_MIN, 300);
  canvas.LineTo(INT_MAX, 300);
  EXPECT_EQ(canvas.Pixel(0, 300), colors::Black);
  EXPECT_EQ(canvas.Pixel(Canvas::kWidth - 1, 300), colors::Black);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::seconds(1));
}

TEST(CanvasRect, FillExcludesRightAndBottom) {
  Canvas canvas;
  canvas.brushColor = colors::Red;
  canvas.FillRect(10, 20, 13, 22);
  EXPECT_EQ(CountColor(canvas, colors::Red), 6);
  EXPECT_EQ(canvas.Pixel(12, 21), colors::Red);
  EXPECT_EQ(canvas.Pixel(13, 21), colors::Silver);
  EXPECT_EQ(canvas.Pixel(12, 22), colors::Silver);

  canvas.FillRect(5, 5, 5, 9);  // empty
  canvas.FillRect(9, 9, 5, 5);  // inverted
  EXPECT_EQ(CountColor(canvas, colors::Red), 6);

  canvas.FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(CountColor(canvas, colors::Red), Canvas::kWidth * Canvas::kHeight);
}

TEST(CanvasRect, FrameIsOnePixelInside) {
  Canvas canvas;
  canvas.brushColor = colors::Black;
  canvas.FrameRect(42, 401, 297, 666);
  EXPECT_EQ(canvas.Pixel(42, 401), colors::Black);
  EXPECT_EQ(canvas.Pixel(296, 665), colors::Black);
  EXPECT_EQ(canvas.Pixel(296, 500), colors::Black);
  EXPECT_EQ(canvas.Pixel(100, 665), colors::Black);
  EXPECT_EQ(canvas.Pixel(297, 500), colors::Silver);
  EXPECT_EQ(canvas.Pixel(100, 666), colors::Silver);
  EXPECT_EQ(canvas.Pixel(43, 402), colors::Silver);
  EXPECT_EQ(CountColor(canvas, colors::Black), 2 * 255 + 2 * 263);

  Canvas clipped;
  clipped.brushColor = colors::Black;
  clipped.FrameRect(-10, -10, 20, 20);
  EXPECT_EQ(CountColor(clipped, colors::Black), 2 * 20 - 1);
}
