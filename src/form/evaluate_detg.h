#pragma once
#include "model/complex_ld.h"

class TForm1;
struct SimulationState;

// One evaluation of det_g at the state's scanV and qFill: the shared matrix fill, the
// determinant with the pivot threshold 1e-36 into detG, then the fault check. Returns detG.
const ComplexLD& EvaluateDetGAtFill(TForm1& form);

// Before the first det_g scan or dispersion sweep neither the laser line in metres nor the GPa
// factor is set in s; takes them from the laser field as those two would.
void EnsureEvaluationUnits(const TForm1& form, SimulationState& s);
