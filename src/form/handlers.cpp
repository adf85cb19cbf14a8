// The handlers of the window: each is a fixed sequence of the window's operations, some
// steps gated by check boxes read when the step is reached.
#include <stdexcept>
#include <string>

#include "form/field_names.h"
#include "form/handy_constants.h"
#include "form/input_checks.h"
#include "form/mode_view.h"
#include "base/number_text.h"
#include "form/tform1.h"

namespace {

// The det_g axis field a range scroll bar writes and its factor, per RadioGroup4 item.
struct AxisTarget {
  const char* field;
  double factor;
};

constexpr AxisTarget kAxisMinimum[] = {
    {kDetgLgMinField, 1e126}, {kDetgMinField, -9.5e130}, {kDetgMinField, -9.999e111}};
constexpr AxisTarget kAxisMaximum[] = {
    {kDetgLgMaxField, 1e150}, {kDetgMaxField, 9.99e130}, {kDetgMaxField, 1e111}};
constexpr int kAxisModes = 3;

const HandyConstant& HandyConstantOfSlider(const std::string& slider) {
  for (const HandyConstant& k : kHandyConstants) {
    if (slider == k.slider) return k;
  }
  throw std::out_of_range("no Handy Mode slider named " + slider);
}

}  // namespace

void TForm1::WindowCreated() {
  TakeStartingData();
  ApplyHandySliders();
  DrawDispersionAxisLabels();
  DrawDetgAxisLabels();
  FramePlots();
}

void TForm1::TakeStartingDataClick() {
  TakeStartingData();
  ApplyHandySliders();
}

void TForm1::ModifiedToStartingClick() { ModifiedToStarting(); }

void TForm1::DetGClick() {
  Repaint();
  OverlayMeasuredPoints();
  ScanDetG();
  EvaluateCorrelator();
  DrawDispersionAxisLabels();
  DrawDetgAxisLabels();
  FramePlots();
}

void TForm1::RedrawClick() {
  Repaint();
  MarkBulkVelocities();
  DrawDispersionAxisLabels();
  DrawDetgAxisLabels();
  FramePlots();
  if (Ticked(kShowBulkBox)) DrawBulkLines();
}

void TForm1::DispersionsClick() {
  TraceDispersion();
  if (showModeBranches) DrawModeBranches(*this);
  DrawDispersionAxisLabels();
  DrawDetgAxisLabels();
  FramePlots();
}

void TForm1::CorrelationsClick() { DrawCorrelationMap(); }

void TForm1::ExitClick() { exitRequested = true; }

void TForm1::EnterOrEscape() {
  Repaint();
  OverlayMeasuredPoints();
  ScanDetG();
  MarkBulkVelocities();
  DrawDispersionAxisLabels();
  DrawDetgAxisLabels();
  FramePlots();
}

void TForm1::AngleGroupClick() {
  ScanDetG();
  FramePlots();
}

void TForm1::AxisGroupClick() {
  ScanDetG();
  FramePlots();
}

void TForm1::HandySliderChanged(const std::string& slider) {
  const HandyConstant& k = HandyConstantOfSlider(slider);
  const int m = k.material;
  long double& modified = ModifiedValue(state, k);
  modified = SliderValue(StartingValue(state, k), state.rangeFraction, Position(slider));
  SetText(k.modifiedField, FormatSignificant(modified, DigitsValue));
  state.c44Mod[m] = (state.c11Mod[m] - state.c12Mod[m]) * 0.5L;
  SetText(k.c44ModifiedField, FormatSignificant(state.c44Mod[m], DigitsValue));
  if (Position(slider) != 0) RefuseNonPositiveC44(*this, k);

  Repaint();
  ScanDetG();
  OverlayMeasuredPoints();
  // The c11 slider of Layer 2 frames the plots before the bulk marks, the others after.
  const bool framesFirst = slider == kLayer2C11Slider;
  if (framesFirst) FramePlots();
  MarkBulkVelocities();
  if (!framesFirst) FramePlots();
  EvaluateCorrelator();
  if (Ticked(kCoupleSlidersBox)) TraceDispersion();
  if (Ticked(kCoupleSlidersBox) && showModeBranches) DrawModeBranches(*this);
  if (Ticked(kShowBulkBox)) DrawBulkLines();
}

void TForm1::VelocityScrollBarChanged(const std::string& scrollBar) {
  const char* field = scrollBar == kVMinScrollBar ? kVMinField : kVMaxField;
  SetText(field, FormatSignificant(Position(scrollBar), DigitsValue));
  Repaint();
  ScanDetG();
  MarkBulkVelocities();
  DrawDispersionAxisLabels();
  DrawDetgAxisLabels();
  FramePlots();
  if (Ticked(kShowBulkBox)) DrawBulkLines();
}

void TForm1::AxisScrollBarChanged(const std::string& scrollBar) {
  const int mode = ItemIndex(kDetgAxisGroup);
  if (mode >= 0 && mode < kAxisModes) {
    const AxisTarget& target =
        scrollBar == kDetgMinScrollBar ? kAxisMinimum[mode] : kAxisMaximum[mode];
    const long double value = static_cast<long double>(Position(scrollBar)) * target.factor;
    SetText(target.field, FormatSignificant(value, DigitsValue));
  }
  Repaint();
  ScanDetG();
  DrawDetgAxisLabels();
  MarkBulkVelocities();
  FramePlots();
  if (Ticked(kShowBulkBox)) DrawBulkLines();
}

void TForm1::TrackBarChanged() {
  SetText(kZScaleField, FormatSignificant(Position(kZScaleTrackBar), DigitsShortLabel));
  EvaluateCorrelator();
}

void TForm1::ShowGridsClick() {
  if (Ticked(kShowGridsBox)) {
    ShowGrids();
  } else {
    HideGrids();
  }
}

void TForm1::ShowBulkVelocitiesClick() {
  if (Ticked(kShowBulkBox)) {
    DrawBulkLines();
  } else {
    EraseBulkLines();
  }
}
