#include "ui/handy_constants.h"
#include "ui/number_text.h"
#include "ui/tform1.h"

namespace {

constexpr int kColumns = 14;

// Fields of the measured-data columns A1 .. A14.
const char* const kAngleFields[kColumns] = {"Edit15", "Edit27", "Edit49",  "Edit71",  "Edit93",
                                            "Edit115", "Edit141", "Edit16", "Edit38",  "Edit60",
                                            "Edit82",  "Edit104", "Edit126", "Edit152"};
const char* const kFreqRFields[kColumns] = {"Edit2",  "Edit28", "Edit50",  "Edit72",  "Edit94",
                                            "Edit116", "Edit142", "Edit17", "Edit39",  "Edit61",
                                            "Edit83",  "Edit105", "Edit127", "Edit153"};
const char* const kErrRFields[kColumns] = {"Edit10", "Edit29", "Edit51",  "Edit73",  "Edit95",
                                           "Edit117", "Edit143", "Edit18", "Edit40",  "Edit62",
                                           "Edit84",  "Edit106", "Edit128", "Edit154"};
const char* const kFreqS1Fields[kColumns] = {"Edit3",  "Edit30", "Edit52",  "Edit74",  "Edit96",
                                             "Edit118", "Edit144", "Edit19", "Edit41",  "Edit63",
                                             "Edit85",  "Edit107", "Edit129", "Edit155"};
const char* const kErrS1Fields[kColumns] = {"Edit11", "Edit31", "Edit53",  "Edit75",  "Edit97",
                                            "Edit119", "Edit145", "Edit20", "Edit42",  "Edit64",
                                            "Edit86",  "Edit108", "Edit130", "Edit156"};

// 3.1415 / 180 as a double: the typed angles use this approximation of pi, not pi itself.
constexpr double kDegreeToRad = 0.01745277777777778;
constexpr double kRangeFraction = 0.4;

const HandyConstant& C11Of(int material) { return kHandyConstants[2 * material]; }
const HandyConstant& C12Of(int material) { return kHandyConstants[2 * material + 1]; }

std::string Digits4(long double value) { return FormatSignificant(value, DigitsValue); }

}  // namespace

void TForm1::TakeStartingData() {
  FramePlots();
  for (int i = 0; i < kColumns; ++i) state.angleRad[i] = Number(kAngleFields[i]) * kDegreeToRad;
  for (int i = 0; i < kColumns; ++i) state.freqR[i] = Number(kFreqRFields[i]);
  for (int i = 0; i < kColumns; ++i) state.errR[i] = Number(kErrRFields[i]);
  for (int i = 0; i < kColumns; ++i) state.freqS1[i] = Number(kFreqS1Fields[i]);
  for (int i = 0; i < kColumns; ++i) state.errS1[i] = Number(kErrS1Fields[i]);

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

  state.laserNm = Number("Edit4");
  state.thicknessNm[0] = Number("Edit6");
  state.thicknessNm[1] = Number("Edit138");
  state.thicknessNm[2] = Number("Edit140");
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
