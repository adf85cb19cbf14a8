#include "detg/measured_velocity.h"
#include "form/detg_plot.h"
#include "form/field_names.h"
#include "form/measured_fields.h"
#include "form/tform1.h"

void TForm1::MarkMeasuredModes() {
  StoreDetAxes(*this);
  const PlotScale scale = DetPlotScale(*this, 0, 2);
  canvas.penColor = colors::Red;

  const int k = ItemIndex(kAngleGroup);
  if (k < 0 || k >= kMeasuredColumns || state.angleRad[k] == 0) return;
  const long double degreeToRad = kDegreeToRad;
  state.selAngleRad = Number(MeasuredFields(k).angle) * degreeToRad;
  if (!Ticked(MeasuredFields(k).checkBox)) return;

  for (const long double f : {state.freqR[k], state.freqS1[k]})
    DrawVelocityMark(*this, scale, MeasuredPhaseVelocity(state.laserNm, f, state.angleRad[k]));
}
