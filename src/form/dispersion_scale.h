#pragma once
#include "form/plot_scale.h"

class TForm1;

struct VelocityRange {
  long double min = 0, max = 0;
};

// The velocity range of the dispersion plot: v_min and v_max of the det_g scan (Edit180,
// Edit181) when "Couple figs." is ticked, else those above the left panel (Edit173, Edit177).
VelocityRange DispersionVelocityRange(const TForm1& form);

// Stores the dispersion plot's world window (qd fields x 100 and the velocity range) in
// plotXMin .. plotYSpan and returns the mapping of the curves: Bevel1 less 2 pixels in width
// and 3 in height. A zero span raises FloatingPointFault.
PlotScale DispersionCurveScale(TForm1& form);
