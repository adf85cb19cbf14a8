#include "form/field_names.h"
#include "form/tform1.h"

namespace {

// Grid positions in client pixels. The det_g verticals start 42 pixels into the plot and
// follow every 53 pixels, independently of its eight label intervals.
constexpr int kGridRows[] = {454, 507, 560, 613};
constexpr int kDispersionColumns[] = {93, 144, 195, 246};
constexpr int kDetgColumns[] = {491, 544, 597, 650, 703, 756, 809};
constexpr int kGridTop = 401, kGridBottom = 666;
constexpr int kDispersionLeft = 42, kDispersionRight = 297;
constexpr int kDetgLeft = 449, kDetgRight = 863;

const char* const kBevels[] = {kDispersionBevel, kMapBevel, kDetgBevel};

void Line(Canvas& canvas, int x0, int y0, int x1, int y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

void Span(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb color) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) canvas.SetPixel(x, y, color);
}

// A lowered box: shadow on the top and left edge, light on the bottom and right edge.
// Drawn pixel by pixel so that the pen and brush stay as they are.
void DrawLoweredBox(Canvas& canvas, const ClientRect& r) {
  if (r.width <= 0 || r.height <= 0) return;
  const int right = r.left + r.width - 1, bottom = r.top + r.height - 1;
  Span(canvas, r.left, r.top, right, r.top, colors::Gray);
  Span(canvas, r.left, r.top, r.left, bottom, colors::Gray);
  Span(canvas, r.left, bottom, right, bottom, colors::White);
  Span(canvas, right, r.top, right, bottom, colors::White);
}

void FrameBevel(Canvas& canvas, const ClientRect& r) {
  canvas.FrameRect(r.left, r.top, r.left + r.width, r.top + r.height);
}

}  // namespace

void TForm1::Repaint() {
  canvas.Clear(colors::Silver);
  for (const char* bevel : kBevels) DrawLoweredBox(canvas, controls.ClientBounds(bevel));
}

void TForm1::FramePlots() {
  canvas.penColor = colors::Black;
  canvas.brushColor = colors::Black;
  FrameBevel(canvas, controls.ClientBounds(kDispersionBevel));
  FrameBevel(canvas, controls.ClientBounds(kDetgBevel));
}

void TForm1::DrawGridLines() {
  for (int y : kGridRows) Line(canvas, kDispersionLeft, y, kDispersionRight, y);
  for (int x : kDispersionColumns) Line(canvas, x, kGridTop, x, kGridBottom);
  for (int y : kGridRows) Line(canvas, kDetgLeft, y, kDetgRight, y);
  for (int x : kDetgColumns) Line(canvas, x, kGridTop, x, kGridBottom);
}

void TForm1::ShowGrids() {
  FramePlots();
  canvas.penColor = colors::Black;
  DrawGridLines();
}

// Overpaints the grid in the window colour, curve pixels on it included, then restores the frames.
void TForm1::HideGrids() {
  canvas.penColor = colors::Silver;
  DrawGridLines();
  FramePlots();
}
