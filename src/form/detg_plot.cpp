#include "form/detg_plot.h"

#include <cmath>

#include "form/field_names.h"
#include "form/tform1.h"

DetRepresentation ChosenRepresentation(const TForm1& form) {
  return RepresentationOfItem(form.ItemIndex(kDetgAxisGroup));
}

DetAxisY ReadDetYAxis(const TForm1& form) {
  return DetYAxis(ChosenRepresentation(form), form.Number(kDetgLgMinField),
                  form.Number(kDetgLgMaxField), form.Number(kDetgMinField),
                  form.Number(kDetgMaxField));
}

void StoreDetAxes(TForm1& form) {
  SimulationState& s = form.state;
  s.detAxisXMin = form.Number(kVMinField);
  s.detAxisXMax = form.Number(kVMaxField);
  s.detAxisXSpan = s.detAxisXMax - s.detAxisXMin;
  const DetAxisY y = ReadDetYAxis(form);
  s.detAxisYMin = y.min;
  s.detAxisYMax = y.max;
  s.detAxisYSpan = s.detAxisYMax - s.detAxisYMin;
}

PlotScale DetPlotScale(const TForm1& form, int widthLess, int heightLess) {
  const ClientRect r = form.controls.ClientBounds(kDetgBevel);
  const SimulationState& s = form.state;
  return PlotScale(r.left, r.top, r.width - widthLess, r.height - heightLess, s.detAxisXMin,
                   s.detAxisYMin, s.detAxisXSpan, s.detAxisYSpan);
}

std::optional<Pixel> MapFinite(const PlotScale& scale, long double x, long double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
  return scale.ToPixel(x, y);
}

void DrawVelocityMark(TForm1& form, const PlotScale& scale, long double x) {
  SimulationState& s = form.state;
  s.segX0 = x;
  s.segY0 = s.detAxisYMin;
  const std::optional<Pixel> bottom = MapFinite(scale, s.segX0, s.segY0);
  if (bottom) {
    s.pixelX = bottom->x;
    s.pixelY = bottom->y;
    form.canvas.MoveTo(bottom->x, bottom->y);
  }
  s.segX1 = x;
  s.segY1 = s.detAxisYMax;
  const std::optional<Pixel> top = MapFinite(scale, s.segX1, s.segY1);
  if (top) {
    s.pixelX = top->x;
    s.pixelY = top->y;
  }
  if (bottom && top && x > form.Number(kVMinField) && x < form.Number(kVMaxField))
    form.canvas.LineTo(top->x, top->y);
}
