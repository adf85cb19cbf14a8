#include "detg/measured_velocity.h"
#include "ui/detg_plot.h"
#include "ui/tform1.h"

namespace {
// Angle edit and marker check box of each item of RadioGroup3 (columns A1 .. A14).
const char* const kAngleFields[14] = {"Edit15", "Edit27",  "Edit49",  "Edit71", "Edit93",
                                      "Edit115", "Edit141", "Edit16",  "Edit38", "Edit60",
                                      "Edit82",  "Edit104", "Edit126", "Edit152"};
const char* const kMarkerBoxes[14] = {"CheckBox1",  "CheckBox2",  "CheckBox3",  "CheckBox4",
                                      "CheckBox5",  "CheckBox6",  "CheckBox7",  "CheckBox8",
                                      "CheckBox15", "CheckBox16", "CheckBox17", "CheckBox18",
                                      "CheckBox19", "CheckBox20"};
// 3.1415 / 180: the degree factor of the typed angles.
constexpr double kDegreeToRad = 0.01745277777777778;
}  // namespace

void TForm1::MarkMeasuredModes() {
  StoreDetAxes(*this);
  const PlotScale scale = DetPlotScale(*this, 0, 2);
  canvas.penColor = colors::Red;

  const int k = ItemIndex("RadioGroup3");
  if (k < 0 || k >= 14 || state.angleRad[k] == 0) return;
  const long double degreeToRad = kDegreeToRad;
  state.selAngleRad = Number(kAngleFields[k]) * degreeToRad;
  if (!Ticked(kMarkerBoxes[k])) return;

  for (const long double f : {state.freqR[k], state.freqS1[k]})
    DrawVelocityMark(*this, scale, MeasuredPhaseVelocity(state.laserNm, f, state.angleRad[k]));
}
