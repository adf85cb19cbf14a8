#include "form/field_names.h"
#include "form/handy_constants.h"
#include "form/input_checks.h"
#include "form/measured_fields.h"
#include "base/number_text.h"
#include "form/tform1.h"

namespace {

constexpr double kRangeFraction = 0.4;

const HandyConstant& C11Of(int material) { return kHandyConstants[2 * material]; }
const HandyConstant& C12Of(int material) { return kHandyConstants[2 * material + 1]; }

// Angles, then R, its uncertainties, S_1 and its uncertainties, each over A1 .. A14.
void ReadMeasuredData(TForm1& form) {
  SimulationState& s = form.state;
  for (int i = 0; i < kMeasuredColumns; ++i)
    s.angleRad[i] = form.Number(MeasuredFields(i).angle) * kDegreeToRad;
  for (int i = 0; i < kMeasuredColumns; ++i) s.freqR[i] = form.Number(MeasuredFields(i).value[0]);
  for (int i = 0; i < kMeasuredColumns; ++i) s.errR[i] = form.Number(MeasuredFields(i).error[0]);
  for (int i = 0; i < kMeasuredColumns; ++i) s.freqS1[i] = form.Number(MeasuredFields(i).value[1]);
  for (int i = 0; i < kMeasuredColumns; ++i) s.errS1[i] = form.Number(MeasuredFields(i).error[1]);
}

std::string Digits4(long double value) { return FormatSignificant(value, DigitsValue); }

}  // namespace

void TForm1::TakeStartingData() {
  RefuseUnphysicalAngles(*this);
  FramePlots();
  ReadMeasuredData(*this);

  for (int k = 0; k < 4; ++k) state.c11Start[k] = Number(C11Of(k).startField);
  for (int k = 0; k < 4; ++k) state.c12Start[k] = Number(C12Of(k).startField);
  state.c44Start[0] = Number(kC44StartFields[0]);
  for (int k = 1; k < 4; ++k) state.c44Start[k] = (state.c11Start[k] - state.c12Start[k]) * 0.5L;
  for (int k = 1; k < 4; ++k) SetText(kC44StartFields[k], FormatSignificant(state.c44Start[k], DigitsPrecise));
  state.rangeFraction = kRangeFraction;

  for (int k = 0; k < 4; ++k) {
    const long double c11 = state.c11Start[k], c12 = state.c12Start[k], f = state.rangeFraction;
    const HandyConstant& a = C11Of(k);
    const HandyConstant& b = C12Of(k);
    SetText(a.maxField, Digits4((f * c11) + c11));
    SetText(a.minField, Digits4(c11 - f * c11));
    SetText(a.modifiedField, Digits4(c11));
    SetText(b.maxField, Digits4((f * c12) + c12));
    SetText(b.minField, Digits4(c12 - f * c12));
    SetText(b.modifiedField, Digits4(c12));
    SetText(a.c44ModifiedField, Digits4((c11 - c12) * 0.5L));
  }

  state.laserNm = Number(kLaserField);
  state.thicknessNm[0] = Number(kLayer1ThicknessField);
  state.thicknessNm[1] = Number(kLayer2ThicknessField);
  state.thicknessNm[2] = Number(kLayer3ThicknessField);
  state.depthNm[0] = state.thicknessNm[0];
  state.depthNm[1] = state.thicknessNm[0] + state.thicknessNm[1];
  state.depthNm[2] = (state.thicknessNm[0] + state.thicknessNm[1]) + state.thicknessNm[2];
}

// A slider whose hold box is clear returns to 0; its change handler then recomputes the
// constant from the new position and runs the recompute chain.
void TForm1::ApplyHandySliders() {
  for (const HandyConstant& constant : kHandyConstants) {
    const int m = constant.material;
    long double& modified = ModifiedValue(state, constant);
    modified = SliderValue(StartingValue(state, constant), state.rangeFraction, Position(constant.slider));
    SetText(constant.modifiedField, Digits4(modified));
    state.c44Mod[m] = (state.c11Mod[m] - state.c12Mod[m]) * 0.5L;
    SetText(constant.c44ModifiedField, Digits4(state.c44Mod[m]));
    if (!Ticked(constant.holdBox)) controls[constant.slider].SetPosition(0);
  }
}

void TForm1::ModifiedToStarting() {
  for (const HandyConstant& constant : kHandyConstants) {
    if (Ticked(constant.holdBox)) continue;
    const int m = constant.material;
    long double& start = StartingValue(state, constant);
    start = ModifiedValue(state, constant);
    SetText(constant.startField, Digits4(start));
    const auto refreshC44 = [&] {
      state.c44Start[m] = (state.c11Start[m] - state.c12Start[m]) * 0.5L;
      SetText(kC44StartFields[m], Digits4(state.c44Start[m]));
    };
    if (constant.isC11) refreshC44();
    SetText(constant.maxField, Digits4((state.rangeFraction * start) + start));
    SetText(constant.minField, Digits4(start - state.rangeFraction * start));
    if (!constant.isC11) refreshC44();
    controls[constant.slider].SetPosition(0);
  }
}
