#include <optional>

#include "detg/measured_velocity.h"
#include "base/fp_fault.h"
#include "form/field_names.h"
#include "form/tform1.h"

namespace {
// The velocity limits of the dispersion plot: the det_g scan's when "Couple figs." is ticked.
void ReadVelocityLimits(const TForm1& form, long double& low, long double& high) {
  const bool coupled = form.Ticked(kCoupleFigsBox);
  low = form.Number(coupled ? kVMinField : kDispersionVMinField);
  high = form.Number(coupled ? kVMaxField : kDispersionVMaxField);
}

void SetOverlayWindow(TForm1& form) {
  SimulationState& s = form.state;
  s.plotXMin = form.Number(kQdMinField) * 100;
  s.plotXMax = form.Number(kQdMaxField) * 100;
  s.plotXSpan = s.plotXMax - s.plotXMin;
  ReadVelocityLimits(form, s.plotYMin, s.plotYMax);
  s.plotYSpan = s.plotYMax - s.plotYMin;
}

// The whole error bar strictly inside the velocity window and the point strictly inside qd.
bool PointInsideWindow(const TForm1& form, long double x, long double v, long double dv) {
  long double low = 0, high = 0;
  ReadVelocityLimits(form, low, high);
  return low < v - dv && high > v + dv && x > form.Number(kQdMinField) * 100 &&
         x < form.Number(kQdMaxField) * 100;
}

// A 5 x 3 black block with its top-left pixel at the point and the bar through its middle column.
void DrawMeasuredPoint(TForm1& form, const PlotScale& scale, long double x, long double v,
                       long double dv) {
  SimulationState& s = form.state;
  const std::optional<Pixel> point = scale.ToPixel(x, v);
  const std::optional<Pixel> low = scale.ToPixel(x, v - dv);
  const std::optional<Pixel> high = scale.ToPixel(x, v + dv);
  if (!point || !low || !high) return;
  s.pixelX = point->x;
  s.pixelY = point->y;
  form.canvas.MoveTo(s.pixelX, s.pixelY);
  form.canvas.FillRect(s.pixelX, s.pixelY, s.pixelX + 5, s.pixelY + 3);
  s.pixelX = low->x;
  s.pixelY = low->y;
  s.pixelY2 = high->y;
  form.canvas.MoveTo(s.pixelX + 2, s.pixelY);
  form.canvas.LineTo(s.pixelX + 2, s.pixelY2);
}
}  // namespace

void TForm1::OverlayMeasuredPoints() {
  SetOverlayWindow(*this);
  const ClientRect r = controls.ClientBounds(kDispersionBevel);
  const PlotScale scale(r.left, r.top, r.width, r.height, state.plotXMin, state.plotYMin,
                        state.plotXSpan, state.plotYSpan);
  if (Ticked(kShowGridsBox)) {
    FramePlots();
    canvas.penColor = colors::Black;
    DrawGridLines();
  }
  canvas.brushColor = colors::Black;

  for (int i = 0; i < 14; ++i) {
    const long double theta = state.angleRad[i];
    if (theta == 0) continue;
    state.pointQd100 = MeasuredQd100(theta, state.depthNm[2], state.laserNm);
    CheckFloatingPoint();
    const long double modes[2][2] = {{state.freqR[i], state.errR[i]},
                                     {state.freqS1[i], state.errS1[i]}};
    for (const auto& mode : modes) {
      state.pointV = MeasuredPhaseVelocity(state.laserNm, mode[0], theta);
      const long double dv = MeasuredPhaseVelocity(state.laserNm, mode[1], theta);
      if (PointInsideWindow(*this, state.pointQd100, state.pointV, dv))
        DrawMeasuredPoint(*this, scale, state.pointQd100, state.pointV, dv);
    }
  }
}
