#include "form/dispersion_scale.h"

#include "form/tform1.h"

VelocityRange DispersionVelocityRange(const TForm1& form) {
  const bool coupled = form.Ticked("CheckBox22");
  return {form.Number(coupled ? "Edit180" : "Edit173"),
          form.Number(coupled ? "Edit181" : "Edit177")};
}

PlotScale DispersionCurveScale(TForm1& form) {
  SimulationState& s = form.state;
  s.plotXMin = form.Number("Edit167") * 100;
  s.plotXMax = form.Number("Edit170") * 100;
  s.plotXSpan = s.plotXMax - s.plotXMin;
  const VelocityRange range = DispersionVelocityRange(form);
  s.plotYMin = range.min;
  s.plotYMax = range.max;
  s.plotYSpan = s.plotYMax - s.plotYMin;
  const ClientRect r = form.controls.ClientBounds("Bevel1");
  return PlotScale(r.left, r.top, r.width - 2, r.height - 3, s.plotXMin, s.plotYMin, s.plotXSpan,
                   s.plotYSpan);
}
