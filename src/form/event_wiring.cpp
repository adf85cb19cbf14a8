#include <string>

#include "form/field_names.h"
#include "form/tform1.h"

namespace {

const char* const kHandySliders[] = {kSubstrateC11Slider, kSubstrateC12Slider, kLayer1C11Slider,
                                     kLayer1C12Slider,    kLayer2C11Slider,    kLayer2C12Slider,
                                     kLayer3C11Slider,    kLayer3C12Slider};

}  // namespace

void TForm1::BindHandlers() {
  using Handler = void (TForm1::*)();
  const auto click = [this](const std::string& name, Handler handler) {
    controls[name].onClick = [this, handler] { RunHandler([&] { (this->*handler)(); }); };
  };
  const auto change = [this](const std::string& name, void (TForm1::*handler)(const std::string&)) {
    controls[name].onChange = [this, handler, name] { RunHandler([&] { (this->*handler)(name); }); };
  };

  click(kTakeStartingDataButton, &TForm1::TakeStartingDataClick);
  click(kModifiedToStartingButton, &TForm1::ModifiedToStartingClick);
  click(kDetgButton, &TForm1::DetGClick);
  click(kRedrawButton, &TForm1::RedrawClick);
  click(kDispersionsButton, &TForm1::DispersionsClick);
  click(kCorrelationsButton, &TForm1::CorrelationsClick);
  click(kExitButton, &TForm1::ExitClick);
  click(kAngleGroup, &TForm1::AngleGroupClick);
  click(kDetgAxisGroup, &TForm1::AxisGroupClick);
  click(kShowGridsBox, &TForm1::ShowGridsClick);
  click(kShowBulkBox, &TForm1::ShowBulkVelocitiesClick);

  for (const char* slider : kHandySliders) change(slider, &TForm1::HandySliderChanged);
  change(kVMinScrollBar, &TForm1::VelocityScrollBarChanged);
  change(kVMaxScrollBar, &TForm1::VelocityScrollBarChanged);
  change(kDetgMinScrollBar, &TForm1::AxisScrollBarChanged);
  change(kDetgMaxScrollBar, &TForm1::AxisScrollBarChanged);
  controls[kZScaleTrackBar].onChange = [this] { RunHandler([&] { TrackBarChanged(); }); };
}
