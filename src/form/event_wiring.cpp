#include <string>

#include "form/tform1.h"

namespace {

const char* const kHandySliders[] = {"ScrollBar5",  "ScrollBar6",  "ScrollBar9",  "ScrollBar10",
                                     "ScrollBar11", "ScrollBar12", "ScrollBar13", "ScrollBar14"};

}  // namespace

void TForm1::BindHandlers() {
  using Handler = void (TForm1::*)();
  const auto click = [this](const std::string& name, Handler handler) {
    controls[name].onClick = [this, handler] { RunHandler([&] { (this->*handler)(); }); };
  };
  const auto change = [this](const std::string& name, void (TForm1::*handler)(const std::string&)) {
    controls[name].onChange = [this, handler, name] { RunHandler([&] { (this->*handler)(name); }); };
  };

  click("Button5", &TForm1::TakeStartingDataClick);
  click("Button8", &TForm1::ModifiedToStartingClick);
  click("Button7", &TForm1::DetGClick);
  click("Button1", &TForm1::RedrawClick);
  click("Button4", &TForm1::DispersionsClick);
  click("Button6", &TForm1::CorrelationsClick);
  click("Button2", &TForm1::ExitClick);
  click("RadioGroup3", &TForm1::AngleGroupClick);
  click("RadioGroup4", &TForm1::AxisGroupClick);
  click("CheckBox26", &TForm1::ShowGridsClick);
  click("CheckBox25", &TForm1::ShowBulkVelocitiesClick);

  for (const char* slider : kHandySliders) change(slider, &TForm1::HandySliderChanged);
  change("ScrollBar1", &TForm1::VelocityScrollBarChanged);
  change("ScrollBar2", &TForm1::VelocityScrollBarChanged);
  change("ScrollBar3", &TForm1::AxisScrollBarChanged);
  change("ScrollBar4", &TForm1::AxisScrollBarChanged);
  controls["TrackBar1"].onChange = [this] { RunHandler([&] { TrackBarChanged(); }); };
}
