#include "form/evaluation_fields.h"

#include "form/field_names.h"

EvaluationFields EvaluationFieldsOf(const Controls& controls) {
  EvaluationFields f;
  const char* const density[4] = {kSubstrateDensityField, kLayer1DensityField,
                                  kLayer2DensityField, kLayer3DensityField};
  const char* const thickness[3] = {kLayer1ThicknessField, kLayer2ThicknessField,
                                    kLayer3ThicknessField};
  for (int k = 0; k < 4; ++k) f.density[k] = &controls[density[k]];
  for (int i = 0; i < 3; ++i) f.thickness[i] = &controls[thickness[i]];
  f.laser = &controls[kLaserField];
  f.zScale = &controls[kZScaleField];
  for (int k = 0; k < kMeasuredColumns; ++k) f.angle[k] = &controls[MeasuredFields(k).angle];
  return f;
}
