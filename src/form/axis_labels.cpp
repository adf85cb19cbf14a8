#include <cmath>

#include "base/number_text.h"
#include "form/tform1.h"

namespace {

const char* const kQdLabels[] = {"Edit186", "Edit194", "Edit195", "Edit196", "Edit197", "Edit187"};
const char* const kVelocityLabels[] = {"Edit199", "Edit204", "Edit203", "Edit201", "Edit200", "Edit198"};
const char* const kDetgVelocityLabels[] = {"Edit202", "Edit212", "Edit213", "Edit214", "Edit215",
                                           "Edit216", "Edit217", "Edit230", "Edit208"};
const char* const kDetgValueLabels[] = {"Edit211", "Edit210", "Edit209", "Edit207", "Edit206", "Edit205"};

}  // namespace

// The dispersion labels are computed in single precision: base and steps are rounded to
// float, so the last label is base + 5 steps and may differ from the typed maximum.
void TForm1::DrawDispersionAxisLabels() {
  SetText("Edit186", Text("Edit167"));
  SetText("Edit187", Text("Edit170"));
  const float qStep = static_cast<float>((Number("Edit170") - Number("Edit167")) * 0.2L);
  const bool coupled = Ticked("CheckBox22");
  const char* const vMinField = coupled ? "Edit180" : "Edit173";
  const char* const vMaxField = coupled ? "Edit181" : "Edit177";
  SetText("Edit199", Text(vMinField));
  SetText("Edit198", Text(vMaxField));
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
  SetText("Edit202", Text("Edit180"));
  const long double vStep = (Number("Edit181") - Number("Edit180")) * 0.125L;
  SetText("Edit202", FormatSignificant(Number("Edit202"), DigitsLongLabel));
  for (int k = 1; k <= 8; ++k)
    SetText(kDetgVelocityLabels[k], FormatSignificant(Number("Edit202") + k * vStep, DigitsLongLabel));

  const char* minField = nullptr;
  const char* maxField = nullptr;
  switch (ItemIndex("RadioGroup4")) {
    case 0: minField = "Edit184", maxField = "Edit185"; break;  // Lg(Abs): Min_Lg, Max_Lg
    case 1:
    case 2: minField = "Edit164", maxField = "Edit178"; break;  // Abs, Real: Min, Max
    default: return;
  }
  SetText("Edit211", Text(minField));
  const long double step = std::fabs(Number(maxField) - Number(minField)) * 0.2L;
  SetText("Edit211", FormatSignificant(Number("Edit211"), DigitsShortLabel));
  for (int k = 1; k <= 5; ++k)
    SetText(kDetgValueLabels[k], FormatSignificant(Number("Edit211") + k * step, DigitsShortLabel));
}
