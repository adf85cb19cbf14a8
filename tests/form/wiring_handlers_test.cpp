#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/komunikat.h"
#include "runner/headless.h"
#include "base/message_log.h"
#include "base/number_text.h"
#include "temp_dir.h"

namespace {

const char* const kSliders[] = {"ScrollBar5",  "ScrollBar6",  "ScrollBar9",  "ScrollBar10",
                                "ScrollBar11", "ScrollBar12", "ScrollBar13", "ScrollBar14"};

// Runs a fresh window headless through the steps; returns what was printed (the messages).
std::string Drive(TForm1& form, const std::vector<std::string>& steps) {
  std::ostringstream err;
  EXPECT_EQ(RunHeadless(form, steps, err, {}), 0) << err.str();
  return err.str();
}

// A created window acted on control by control, as the view does, with the messages recorded.
class Window : public ::testing::Test {
 protected:
  ScopedTempDir dir;  // the scans write their trace file here
  void SetUp() override {
    SetMessageSink(&log);
    form.RunHandler([&] { form.WindowCreated(); });
  }
  void TearDown() override { SetMessageSink(nullptr); }

  void Click(const std::string& name) {
    Control& c = form.controls[name];
    if (c.kind == ControlKind::CheckBox) c.checked = !c.checked;
    if (c.onClick) c.onClick();
  }
  void Select(const std::string& name, int index) {
    form.controls[name].itemIndex = index;
    form.controls[name].onClick();
  }
  void Move(const std::string& name, int position) { form.controls[name].SetPosition(position); }
  void Enter() { form.RunHandler([&] { form.EnterOrEscape(); }); }

  TForm1 form;
  std::ostringstream shown;
  MessageLog log{shown};
};

int CountIn(const TForm1& form, const std::string& area, Rgb color) {
  const ClientRect r = form.controls.ClientBounds(area);
  int n = 0;
  for (int y = r.top; y < r.top + r.height; ++y)
    for (int x = r.left; x < r.left + r.width; ++x) n += form.canvas.Pixel(x, y) == color;
  return n;
}

std::map<std::string, std::string> Texts(const TForm1& form) {
  std::map<std::string, std::string> texts;
  for (const Control& c : form.controls.All())
    if (c.IsTextField()) texts[c.name] = c.text;
  return texts;
}

std::string LastLine(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line, last;
  while (std::getline(in, line)) last = line;
  return last;
}

// Counts the change handler runs of every Handy Mode slider, keeping the bound handler.
std::map<std::string, int> CountSliderRuns(TForm1& form) {
  std::map<std::string, int> runs;
  for (const char* name : kSliders) {
    Control& c = form.controls[name];
    runs[name] = 0;
    c.onChange = [&runs, name, bound = c.onChange] {
      ++runs[name];
      bound();
    };
  }
  return runs;
}

}  // namespace

using WiringRangeControls = Window;
using WiringHandySliders = Window;
using WiringFaults = Window;
using WiringBulkLines = Window;

TEST_F(WiringRangeControls, VelocityScrollBarsWriteFourDigitsThatTheScanReads) {
  Move("ScrollBar2", 12346);
  Move("ScrollBar1", 2500);
  EXPECT_EQ(shown.str(), "");
  EXPECT_EQ(form.Text("Edit181"), "1.235e+04");
  EXPECT_EQ(form.Text("Edit180"), "2500");
  // The scan ran to 12350, the field's value, not to the position 12346: the last velocity
  // below 12350 on the 20 m/s grid from 2500 is 12340.
  EXPECT_EQ(ReadNumber(LastLine("test.txt")), 12340.0L);
}

TEST_F(WiringRangeControls, AxisScrollBarsWriteTheFieldOfTheModeSelectedThen) {
  Move("ScrollBar3", 2);
  EXPECT_EQ(form.Text("Edit184"), "2e+126");
  Select("RadioGroup4", 1);
  EXPECT_EQ(form.Text("Edit184"), "2e+126");  // switching modes rewrites nothing
  EXPECT_EQ(form.Text("Edit164"), "-3.0E+137");
  Move("ScrollBar3", 3);
  EXPECT_EQ(form.Text("Edit164"), "-2.85e+131");
  EXPECT_EQ(form.Text("Edit184"), "2e+126");
  Select("RadioGroup4", 2);
  Move("ScrollBar4", 5);
  EXPECT_EQ(form.Text("Edit178"), "5e+111");
  EXPECT_EQ(form.Text("Edit185"), "1.0E+150");

  form.controls["RadioGroup4"].itemIndex = -1;
  const std::map<std::string, std::string> before = Texts(form);
  Move("ScrollBar4", 7);
  for (const char* axisField : {"Edit164", "Edit178", "Edit184", "Edit185"}) {
    EXPECT_EQ(form.Text(axisField), before.at(axisField)) << axisField;
  }
}

TEST_F(WiringRangeControls, TrackBarWritesTheZScaleFactor) {
  Move("TrackBar1", 37);
  EXPECT_EQ(form.Text("Edit231"), "37");
  Move("TrackBar1", 100);
  EXPECT_EQ(form.Text("Edit231"), "100");
  Move("TrackBar1", 1);
  EXPECT_EQ(form.Text("Edit231"), "1");
}

TEST(WiringKeys, EnterAndEscGiveTheSameWindowAndUseTheStateAsTaken) {
  ScopedTempDir dir;  // the scans write their trace file here
  TForm1 enter, esc, edited, fresh;
  Drive(enter, {"--key", "Enter"});
  Drive(esc, {"--key", "Esc"});
  Drive(fresh, {});
  EXPECT_EQ(enter.canvas.Pixels(), esc.canvas.Pixels());
  EXPECT_EQ(Texts(enter), Texts(esc));
  EXPECT_NE(enter.canvas.Pixels(), fresh.canvas.Pixels());

  // A new R frequency of A5 reaches the plots only through "Take starting data".
  Drive(edited, {"--set", "Edit94=14", "--key", "Enter"});
  EXPECT_EQ(edited.canvas.Pixels(), enter.canvas.Pixels());
  edited.controls["Button5"].onClick();
  edited.RunHandler([&] { edited.EnterOrEscape(); });
  EXPECT_NE(edited.canvas.Pixels(), enter.canvas.Pixels());
}

TEST_F(WiringHandySliders, SliderSetsItsConstantAndTheMaterialC44) {
  Move("ScrollBar5", -750);
  EXPECT_EQ(form.Text("Edit189"), "694.4");
  EXPECT_EQ(form.Text("Edit193"), "263.2");  // (694.4 - 168) / 2
  Move("ScrollBar6", 750);
  EXPECT_EQ(form.Text("Edit190"), "100.8");
  EXPECT_EQ(form.Text("Edit193"), "296.8");  // (694.4 - 100.8) / 2
  EXPECT_EQ(form.Text("Edit174"), "496");
  EXPECT_EQ(form.Text("MaskEdit13"), "694.4");
  EXPECT_EQ(form.Text("MaskEdit30"), "297.6");
  EXPECT_EQ(form.Text("MaskEdit2"), "440");
  EXPECT_EQ(shown.str(), "");
}

TEST_F(WiringHandySliders, CoupledSliderRedrawsTheDispersionCurvesUncoupledErasesThem) {
  // The measured points are black; red in the left plot is what the dispersion sweep adds.
  Enter();
  const int measuredRed = CountIn(form, "Bevel1", colors::Red);
  Click("CheckBox21");
  Move("ScrollBar9", -100);
  EXPECT_GT(CountIn(form, "Bevel1", colors::Red), measuredRed + 40) << "dispersion points drawn";
  Click("CheckBox21");
  Move("ScrollBar9", -90);
  EXPECT_EQ(CountIn(form, "Bevel1", colors::Red), measuredRed) << "only the measured points stay";
}

TEST_F(WiringHandySliders, TakeStartingDataResetsEachDisplacedFreeSliderOnce) {
  std::map<std::string, int> runs = CountSliderRuns(form);
  const std::vector<std::string> displaced{"ScrollBar5", "ScrollBar10", "ScrollBar13"};
  for (const std::string& name : displaced) form.controls[name].position = -375;
  Click("Button5");
  for (const char* name : kSliders) {
    const bool moved = std::find(displaced.begin(), displaced.end(), name) != displaced.end();
    EXPECT_EQ(runs[name], moved ? 1 : 0) << name;
    EXPECT_EQ(form.Position(name), 0) << name;
  }
  EXPECT_EQ(form.Text("Edit189"), "496");
  EXPECT_EQ(form.Text("MaskEdit3"), "221");
  EXPECT_EQ(form.Text("MaskEdit8"), "183.8");
}

TEST_F(WiringHandySliders, HeldSlidersKeepTheirOffsetWithoutRecomputing) {
  Click("CheckBox23");
  Click("CheckBox10");
  std::map<std::string, int> runs = CountSliderRuns(form);
  form.controls["ScrollBar5"].position = -375;
  form.controls["ScrollBar10"].position = 375;
  Click("Button5");
  for (const char* name : kSliders) EXPECT_EQ(runs[name], 0) << name;
  EXPECT_EQ(form.Position("ScrollBar5"), -375);
  EXPECT_EQ(form.Text("Edit189"), "595.2");    // 496 x 1.2
  EXPECT_EQ(form.Text("MaskEdit3"), "176.8");  // 221 x 0.8
}

TEST_F(WiringHandySliders, ModifiedToStartingAdoptsTheSliderValue) {
  Move("ScrollBar9", -375);
  std::map<std::string, int> runs = CountSliderRuns(form);
  Click("Button8");
  EXPECT_EQ(runs["ScrollBar9"], 1);
  EXPECT_EQ(form.Position("ScrollBar9"), 0);
  EXPECT_EQ(form.Text("Edit165"), "528");  // 440 x 1.2
  EXPECT_EQ(form.Text("MaskEdit2"), "528");
}

TEST_F(WiringFaults, FaultInANestedSliderHandlerIsShownOnceAndEndsTheClick) {
  for (const char* name : {"ScrollBar5", "ScrollBar10", "ScrollBar13"}) form.controls[name].position = 100;
  // A laser line of 0 is refused at the first scan of the first reset.
  form.SetText("Edit4", "0");
  Click("Button5");
  EXPECT_EQ(shown.str(),
            "FENLAR: Data: Laser line (nm) (Edit4) must be a finite number greater than 0\n");
  EXPECT_EQ(form.Position("ScrollBar5"), 0);
  EXPECT_EQ(form.Position("ScrollBar10"), 100) << "the click ended at the fault";
  EXPECT_EQ(form.Position("ScrollBar13"), 100);
  // The window stays usable.
  form.SetText("Edit4", "532");
  Click("Button5");
  EXPECT_EQ(log.Messages().size(), 1u);
  EXPECT_EQ(form.Position("ScrollBar13"), 0);
}

TEST_F(WiringBulkLines, ShowBulkVelocitiesDrawsAndOverpaintsTheLines) {
  const auto layerColours = [&] {
    return CountIn(form, "Bevel1", colors::Lime) + CountIn(form, "Bevel1", colors::Blue) +
           CountIn(form, "Bevel1", colors::Fuchsia) + CountIn(form, "Bevel1", colors::Yellow);
  };
  Enter();
  ASSERT_EQ(layerColours(), 0);
  Click("CheckBox25");
  EXPECT_GT(layerColours(), 100);
  Click("CheckBox25");
  EXPECT_EQ(layerColours(), 0);
  Click("CheckBox25");
  Click("Button1");
  EXPECT_GT(layerColours(), 100) << "Redraw draws them while ticked";
}
