#include "form/layout/window_controls_build.h"

namespace window_build {
namespace {

const std::string kGroup = "GroupBox9";
constexpr int kScanFieldHeight = 20;  // the scan fields stand 20 pixels apart
constexpr int kDetgCaptionGap = 3;

struct ScanField {
  const char* label;
  const char* caption;
  const char* field;
  int left;
  int top;
  const char* text;
};

const ScanField kScanFields[] = {
    {"TextVStep", "v_step", "Edit179", 63, 119, "20"},
    {"TextScanVMin", "v_min", "Edit180", 63, 139, "3000"},
    {"TextScanVMax", "v_max", "Edit181", 63, 159, "6000"},
    {"TextZeroSens", "zero_sens.", "Edit182", 64, 179, "25.0"},
    {"TextBulkSepar", "bulk_separ.", "Edit183", 64, 199, "0"},
    {"TextThetaStep", "theta_step", "Edit188", 64, 219, "2"},
};

void AddMainControlGroup(Controls& c) {
  AddGroupBox(c, kGroup, {903, 440, 115, 296}, "Main Control");
  AddButton(c, "Button6", kGroup, {11, 14, 93, 23}, "Cij correlations");
  AddButton(c, "Button5", kGroup, {11, 39, 93, 24}, "Take starting data");
  AddButton(c, "Button7", kGroup, {11, 66, 93, 23}, "det_g");
  AddButton(c, "Button8", kGroup, {11, 92, 93, 24}, "modyfied->starting").fontPoints =
      kSmallFontPoints;
  for (const ScanField& f : kScanFields) {
    AddLabel(c, f.label, kGroup, 5, f.top + 4, f.caption);
    AddField(c, ControlKind::Edit, f.field, kGroup, {f.left, f.top, 38, kScanFieldHeight}, f.text,
             colors::SkyBlue);
  }
  AddButton(c, "Button2", kGroup, {11, 265, 93, 21}, "Exit");
}

struct Swatch {
  const char* label;
  const char* caption;
  int labelLeft;
  const char* panel;
  int panelLeft;
  Rgb color;
};

const Swatch kLegends[] = {
    {"TextDispersionLegendSub", "sub", 172, "Panel1", 191, colors::Lime},
    {"TextDispersionLegendL1", "L1", 207, "Panel2", 221, colors::Blue},
    {"TextDispersionLegendL2", "L2", 238, "Panel3", 252, colors::Fuchsia},
    {"TextDispersionLegendL3", "L3", 269, "Panel4", 284, colors::Yellow},
    {"TextDetgLegendSub", "sub", 383, "Panel8", 402, colors::Lime},
    {"TextDetgLegendL1", "L1", 415, "Panel9", 429, colors::Blue},
    {"TextDetgLegendL2", "L2", 444, "Panel10", 458, colors::Fuchsia},
    {"TextDetgLegendL3", "L3", 474, "Panel11", 489, colors::Yellow},
    {"TextDetgLegendExp", "exp", 503, "Panel12", 522, colors::Red},
};

void AddBottomStrip(Controls& c) {
  AddCheckBox(c, "CheckBox25", "", 40, 688, "Show bulk velocities", false);
  AddCheckBox(c, "CheckBox21", "", 40, 706, "Couple with Handy Mode sliders", false);
  for (const Swatch& s : kLegends) {
    AddLabel(c, s.label, "", s.labelLeft, 689, s.caption);
    AddPanel(c, s.panel, {s.panelLeft, 691, 12, 11}, s.color);
  }
  Control& detgCaption = AddLabel(c, "Label7", "", 543, 688, "max_det_g:");
  detgCaption.width = 599 - kDetgCaptionGap - detgCaption.left;
  detgCaption.alignRight = true;
  AddField(c, ControlKind::MaskEdit, "MaskEdit48", "", {599, 685, 302, kFieldHeight}, "", colors::SkyBlue);
  AddLabel(c, "TextScanScrollMin", "", 383, 706, "Min");
  AddBar(c, ControlKind::ScrollBar, "ScrollBar1", "", {405, 707, 495, 12}, 1, 3999, 3000, false);
  AddLabel(c, "TextScanScrollMax", "", 383, 722, "Max");
  AddBar(c, ControlKind::ScrollBar, "ScrollBar2", "", {405, 723, 495, 12}, 4000, 20000, 6000, false);
}

}  // namespace

void AddMainControl(Controls& controls) {
  AddMainControlGroup(controls);
  AddBottomStrip(controls);
}

}  // namespace window_build
