#include <cmath>

#include "base/number_text.h"
#include "form/field_names.h"
#include "form/tform1.h"

namespace {

const char* const kQdLabels[] = {kQdTick0Field, kQdTick1Field, kQdTick2Field,
                                 kQdTick3Field, kQdTick4Field, kQdTick5Field};
const char* const kVelocityLabels[] = {kVTick0Field, kVTick1Field, kVTick2Field,
                                       kVTick3Field, kVTick4Field, kVTick5Field};
const char* const kDetgVelocityLabels[] = {kDetgVTick0Field, kDetgVTick1Field, kDetgVTick2Field,
                                           kDetgVTick3Field, kDetgVTick4Field, kDetgVTick5Field,
                                           kDetgVTick6Field, kDetgVTick7Field, kDetgVTick8Field};
const char* const kDetgValueLabels[] = {kDetgTick0Field, kDetgTick1Field, kDetgTick2Field,
                                        kDetgTick3Field, kDetgTick4Field, kDetgTick5Field};

}  // namespace

// The dispersion labels are computed in single precision: base and steps are rounded to
// float, so the last label is base + 5 steps and may differ from the typed maximum.
void TForm1::DrawDispersionAxisLabels() {
  SetText(kQdTick0Field, Text(kQdMinField));
  SetText(kQdTick5Field, Text(kQdMaxField));
  const float qStep = static_cast<float>((Number(kQdMaxField) - Number(kQdMinField)) * 0.2L);
  const bool coupled = Ticked(kCoupleFigsBox);
  const char* const vMinField = coupled ? kVMinField : kDispersionVMinField;
  const char* const vMaxField = coupled ? kVMaxField : kDispersionVMaxField;
  SetText(kVTick0Field, Text(vMinField));
  SetText(kVTick5Field, Text(vMaxField));
  const float vStep = static_cast<float>((Number(vMaxField) - Number(vMinField)) * 0.2L);

  const auto writeRow = [this](const char* const (&fields)[6], float step, int digits) {
    SetText(fields[0], FormatSignificant(static_cast<float>(Number(fields[0])), digits));
    for (int k = 1; k <= 5; ++k) {
      const long double value = Number(fields[0]) + static_cast<long double>(k) * step;
      SetText(fields[k], FormatSignificant(static_cast<float>(value), digits));
    }
  };
  writeRow(kQdLabels, qStep, DigitsShortLabel);
  writeRow(kVelocityLabels, vStep, DigitsLongLabel);
}

void TForm1::DrawDetgAxisLabels() {
  SetText(kDetgVTick0Field, Text(kVMinField));
  const long double vStep = (Number(kVMaxField) - Number(kVMinField)) * 0.125L;
  SetText(kDetgVTick0Field, FormatSignificant(Number(kDetgVTick0Field), DigitsLongLabel));
  for (int k = 1; k <= 8; ++k)
    SetText(kDetgVelocityLabels[k],
            FormatSignificant(Number(kDetgVTick0Field) + k * vStep, DigitsLongLabel));

  const char* minField = nullptr;
  const char* maxField = nullptr;
  switch (ItemIndex(kDetgAxisGroup)) {
    // Lg(Abs): Min_Lg, Max_Lg
    case 0: minField = kDetgLgMinField, maxField = kDetgLgMaxField; break;
    case 1:
    case 2: minField = kDetgMinField, maxField = kDetgMaxField; break;  // Abs, Real: Min, Max
    default: return;
  }
  SetText(kDetgTick0Field, Text(minField));
  const long double step = std::fabs(Number(maxField) - Number(minField)) * 0.2L;
  SetText(kDetgTick0Field, FormatSignificant(Number(kDetgTick0Field), DigitsShortLabel));
  for (int k = 1; k <= 5; ++k)
    SetText(kDetgValueLabels[k],
            FormatSignificant(Number(kDetgTick0Field) + k * step, DigitsShortLabel));
}
