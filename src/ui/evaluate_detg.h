#pragma once
#include "model/complex_ld.h"

class TForm1;

// One evaluation of det_g at the state's scanV and qFill: the shared matrix fill, the
// determinant with the pivot threshold 1e-36 into detG, then the fault check. Returns detG.
const ComplexLD& EvaluateDetGAtFill(TForm1& form);
