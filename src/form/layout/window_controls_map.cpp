#include "form/layout/window_controls_build.h"

namespace window_build {
namespace {

const std::vector<std::string> kConstantItems = {"c11_S", "c12_S", "c11L1", "c12L1",
                                                 "c11L2", "c12L2", "c11L3", "c12L3"};

void AddMapTickLabels(Controls& c) {
  const char* const yNames[] = {"Edit218", "Edit219", "Edit220", "Edit221", "Edit222", "Edit223"};
  const int yTops[] = {85, 122, 165, 208, 251, 289};
  const char* const xNames[] = {"Edit224", "Edit225", "Edit226", "Edit227", "Edit228", "Edit229"};
  const int xLefts[] = {750, 791, 834, 877, 921, 955};
  for (int i = 0; i < 6; ++i) {
    AddTickLabel(c, yNames[i], {728, yTops[i], 27, 16});
    AddTickLabel(c, xNames[i], {xLefts[i], 310, 33, 16});
  }
}

// Blank strips that cover the margins of the map, never written.
void AddSilverStrips(Controls& c) {
  const struct { const char* name; Box box; } strips[] = {{"Edit232", {925, 67, 89, 12}},
                                                          {"Edit233", {755, 305, 229, 18}},
                                                          {"Edit234", {983, 76, 14, 229}},
                                                          {"Edit235", {728, 77, 27, 230}}};
  for (const auto& s : strips) AddTickLabel(c, s.name, s.box).bold = false;
}

}  // namespace

void AddCorrelationArea(Controls& c) {
  AddSilverStrips(c);
  AddBevel(c, "Bevel2", {757, 80, 224, 224});
  AddMapTickLabels(c);
  AddLabel(c, "Label78", "", 945, 45, "g correlator");
  AddField(c, ControlKind::MaskEdit, "MaskEdit41", "", {927, 58, 88, kFieldHeight}, "", colors::SkyBlue);
  AddBar(c, ControlKind::TrackBar, "TrackBar1", "", {983, 104, 32, 197}, 1, 100, 10, true);
  AddField(c, ControlKind::Edit, "Edit231", "", {987, 80, 28, kFieldHeight}, "10", colors::SkyBlue);
  AddPanel(c, "Panel7", {998, 101, 12, 11}, colors::Fuchsia);
  AddPanel(c, "Panel6", {998, 293, 12, 11}, colors::Red);
  AddLabel(c, "TextZScale", "", 986, 302, "z-scale").fontPoints = kSmallFontPoints;
  AddLabel(c, "TextFactor", "", 989, 313, "factor").fontPoints = kSmallFontPoints;
  // Two to four rows of items in 42 to 71 pixels: the items need the smaller font.
  AddRadioGroup(c, "RadioGroup5", {726, 327, 74, 42}, "Resolution", {"S", "L", "M", "XL"}, 2, 0)
      .fontPoints = kSmallFontPoints;
  AddRadioGroup(c, "RadioGroup1", {799, 327, 219, 42}, "Correlation (x-axis)", kConstantItems, 4, 0)
      .fontPoints = kSmallFontPoints;
  AddRadioGroup(c, "RadioGroup2", {902, 369, 116, 71}, "Correlation (y-axis)", kConstantItems, 2, 4)
      .fontPoints = kSmallFontPoints;
}

}  // namespace window_build
