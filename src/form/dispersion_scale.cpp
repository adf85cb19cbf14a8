#include "form/dispersion_scale.h"

#include "form/field_names.h"
#include "form/tform1.h"

VelocityRange DispersionVelocityRange(const TForm1& form) {
  const bool coupled = form.Ticked(kCoupleFigsBox);
  return {form.Number(coupled ? kVMinField : kDispersionVMinField),
          form.Number(coupled ? kVMaxField : kDispersionVMaxField)};
}

PlotScale DispersionCurveScale(TForm1& form) {
  SimulationState& s = form.state;
  s.plotXMin = form.Number(kQdMinField) * 100;
  s.plotXMax = form.Number(kQdMaxField) * 100;
  s.plotXSpan = s.plotXMax - s.plotXMin;
  const VelocityRange range = DispersionVelocityRange(form);
  s.plotYMin = range.min;
  s.plotYMax = range.max;
  s.plotYSpan = s.plotYMax - s.plotYMin;
  const ClientRect r = form.controls.ClientBounds(kDispersionBevel);
  return PlotScale(r.left, r.top, r.width - 2, r.height - 3, s.plotXMin, s.plotYMin, s.plotXSpan,
                   s.plotYSpan);
}
