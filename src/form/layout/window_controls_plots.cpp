#include "form/layout/window_controls_build.h"

namespace window_build {
namespace {

constexpr int kRangeTop = 376;
constexpr int kLabelGap = 3;

struct LabelledField {
  const char* label;
  const char* caption;
  const char* field;
  int left;
  int width;
  const char* text;
};

const LabelledField kRangeRow[] = {
    {"TextDispersionVMin", "v_min", "Edit173", 43, 40, "3000"},
    {"TextDispersionVMax", "v_max", "Edit177", 117, 40, "6000"},
    {"TextQdMin", "qd_min", "Edit167", 195, 31, "0.82"},
    {"TextQdMax", "qd_max", "Edit170", 267, 31, "1.42"},
    {"TextMinLg", "Min_Lg", "Edit184", 528, 72, "1.0E+126"},
    {"TextMaxLg", "Max_Lg", "Edit185", 641, 72, "1.0E+150"},
    {"TextDetgMin", "Min", "Edit164", 735, 72, "-3.0E+137"},
    {"TextDetgMax", "Max", "Edit178", 829, 72, "2.0E+138"},
};

// The label ends just left of its field.
void AddRangeField(Controls& c, const LabelledField& f) {
  Control& label = AddLabel(c, f.label, "", 0, kRangeTop + 3, f.caption);
  label.left = f.left - kLabelGap - label.width;
  label.alignRight = true;
  label.fontPoints = kSmallFontPoints;  // "Min_Lg" has 34 pixels beside the axis group
  AddField(c, ControlKind::Edit, f.field, "", {f.left, kRangeTop, f.width, kFieldHeight}, f.text,
           colors::SkyBlue);
}

void AddTickColumn(Controls& c, const std::vector<const char*>& names, int left, const std::vector<int>& tops,
                   int width) {
  for (std::size_t i = 0; i < names.size(); ++i) AddTickLabel(c, names[i], {left, tops[i], width, 16});
}

void AddTickRow(Controls& c, const std::vector<const char*>& names, int top, const std::vector<int>& lefts,
                int width) {
  for (std::size_t i = 0; i < names.size(); ++i) AddTickLabel(c, names[i], {lefts[i], top, width, 16});
}

void AddDispersionPlot(Controls& c) {
  AddBevel(c, "Bevel1", {42, 401, 255, 265});
  AddTickColumn(c, {"Edit198", "Edit200", "Edit201", "Edit203", "Edit204", "Edit199"}, 1,
                {400, 446, 499, 553, 605, 650}, 40);
  AddTickRow(c, {"Edit186", "Edit194", "Edit195", "Edit196", "Edit197", "Edit187"}, 669,
             {42, 85, 132, 183, 232, 267}, 31);
}

void AddPlotControls(Controls& c) {
  std::vector<std::string> angles;
  for (int i = 1; i <= 14; ++i) angles.push_back("Angle_" + std::to_string(i));
  AddRadioGroup(c, "RadioGroup3", {299, 400, 77, 233}, "Angle of incid.", angles, 1, 4);
  AddCheckBox(c, "CheckBox26", "", 299, 634, "Show grids", false);
  AddCheckBox(c, "CheckBox22", "", 299, 650, "Couple figs.", true);
  AddButton(c, "Button4", "", {300, 668, 77, 21}, "Disperssions");
  AddButton(c, "Button1", "", {300, 691, 77, 21}, "Redraw");
}

void AddDetgPlot(Controls& c) {
  AddTickColumn(c, {"Edit205", "Edit206", "Edit207", "Edit209", "Edit210", "Edit211"}, 380,
                {401, 447, 499, 554, 605, 650}, 67);
  AddBevel(c, "Bevel3", {449, 401, 414, 265});
  AddTickRow(c, {"Edit202", "Edit212", "Edit213", "Edit214", "Edit215", "Edit216", "Edit217", "Edit230", "Edit208"},
             667, {425, 471, 526, 579, 632, 686, 737, 793, 842}, 39);
  AddBar(c, ControlKind::ScrollBar, "ScrollBar3", "", {867, 401, 14, 250}, 1, 200000000, 1, true);
  AddBar(c, ControlKind::ScrollBar, "ScrollBar4", "", {885, 401, 14, 250}, 1, 2000000000, 1, true);
  // Each bar is 18 pixels wide, narrower than "Max" in the window's font.
  AddLabel(c, "TextAxisScrollMin", "", 867, 652, "Min").fontPoints = kSmallFontPoints;
  AddLabel(c, "TextAxisScrollMax", "", 885, 652, "Max").fontPoints = kSmallFontPoints;
}

}  // namespace

void AddPlotsAndRanges(Controls& c) {
  for (const LabelledField& f : kRangeRow) AddRangeField(c, f);
  AddRadioGroup(c, "RadioGroup4", {299, 369, 192, 31}, "Vetical axis - det_g determinant values",
                {"Lg(Abs)", "Abs", "Real"}, 3, 0);
  AddDispersionPlot(c);
  AddPlotControls(c);
  AddDetgPlot(c);
}

}  // namespace window_build
