#pragma once
#include "form/controls.h"
#include "form/measured_fields.h"

// The fields every evaluation reads again (the stack, the laser line, the z-scale factor, the
// angles of incidence), found once: the inner loops of the sweep and the maps read them
// through these instead of looking them up by name.
struct EvaluationFields {
  const Control* density[4] = {};  // substrate first
  const Control* thickness[3] = {};
  const Control* laser = nullptr;
  const Control* zScale = nullptr;
  const Control* angle[kMeasuredColumns] = {};
};

// The fields of the window's controls; throws std::out_of_range when one is missing.
EvaluationFields EvaluationFieldsOf(const Controls& controls);
