#include "form/input_checks.h"

#include <cmath>
#include <string>

#include "base/fp_fault.h"
#include "form/field_names.h"
#include "form/measured_fields.h"
#include "form/tform1.h"

namespace {
const char* const kLayerNames[4] = {"the substrate", "Layer_1", "Layer_2", "Layer_3"};
const char* const kThicknessFields[3] = {kLayer1ThicknessField, kLayer2ThicknessField,
                                         kLayer3ThicknessField};

[[noreturn]] void Refuse(const std::string& field, const std::string& what) {
  throw RefusedInput("Data: " + field + " " + what);
}
}  // namespace

void RefuseUnphysicalStack(const TForm1& form) {
  const long double laser = form.fields.laser->Number();
  if (!(laser > 0) || !std::isfinite(laser))
    Refuse("Laser line (nm) (Edit4)", "must be a finite number greater than 0");
  for (int i = 0; i < 3; ++i) {
    const long double d = form.fields.thickness[i]->Number();
    if (!(d >= 0) || !std::isfinite(d))
      Refuse(std::string("d (nm) of ") + kLayerNames[i + 1] + " (" + kThicknessFields[i] + ")",
             "must be a finite number of 0 or more");
  }
}

void RefuseUnphysicalZScale(const TForm1& form) {
  const long double z = form.fields.zScale->Number();
  if (!(z > 0) || !std::isfinite(z))
    throw RefusedInput("g correlator: the z-scale factor (Edit231) must be a finite number "
                       "greater than 0");
}

void RefuseUnphysicalAngles(const TForm1& form) {
  for (int k = 0; k < kMeasuredColumns; ++k) {
    const long double angle = form.fields.angle[k]->Number();
    if (!(angle >= 0 && angle <= 90))
      throw RefusedInput("Measured data: the angle of incidence of A" + std::to_string(k + 1) +
                         " (" + MeasuredFields(k).angle + ") must lie between 0 and 90 degrees");
  }
}

void RefuseUnphysicalInputs(const TForm1& form) {
  RefuseUnphysicalStack(form);
  RefuseUnphysicalZScale(form);
  RefuseUnphysicalAngles(form);
}

void RefuseNonPositiveC44(const TForm1& form, const HandyConstant& constant) {
  if (form.state.c44Mod[constant.material] > 0) return;
  throw RefusedInput(std::string("Handy Mode: the modified c44 of ") +
                     kLayerNames[constant.material] + " (" + constant.c44ModifiedField +
                     ") would be 0 or less: c11 must exceed c12; move " + constant.slider +
                     " back");
}
