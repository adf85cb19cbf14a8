#include <optional>

#include "fitting/map_layout.h"
#include "form/field_names.h"
#include "form/map_constants.h"
#include "form/tform1.h"

namespace {
void LineBetween(Canvas& canvas, const std::optional<Pixel>& from, const std::optional<Pixel>& to) {
  if (!from || !to) return;
  canvas.MoveTo(from->x, from->y);
  canvas.LineTo(to->x, to->y);
}
}  // namespace

void TForm1::DrawMapGrid() {
  const int a = ItemIndex(kMapXGroup), b = ItemIndex(kMapYGroup);
  if (!IsMapConstant(a) || !IsMapConstant(b)) return;
  const MapAxis x = ReadMapAxis(*this, a);
  const MapAxis y = ReadMapAxis(*this, b);
  const long double xSpan = x.max - x.min, ySpan = y.max - y.min;
  state.gridXUnit = GridUnit(xSpan);
  state.gridYUnit = GridUnit(ySpan);
  const PlotScale scale = MapScale(*this, x.min, y.min, xSpan, ySpan);
  canvas.penColor = colors::Black;
  for (long double i : GridLinePositions(x.min, x.max, state.gridXUnit))
    LineBetween(canvas, scale.ToPixel(i, y.min), scale.ToPixel(i, y.max));
  for (long double j : GridLinePositions(y.min, y.max, state.gridYUnit))
    LineBetween(canvas, scale.ToPixel(x.min, j), scale.ToPixel(x.max, j));
}
