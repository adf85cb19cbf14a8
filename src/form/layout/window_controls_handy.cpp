#include "form/layout/window_controls_build.h"

namespace window_build {
namespace {

constexpr int kSliderRange = 750;

struct HandyColumn {
  int fieldLeft;
  int sliderLeft;
  int holdLeft;
  const char* maxField;
  const char* slider;
  const char* caption;
  const char* captionName;
  const char* minField;
  const char* holdBox;
  Rgb color;
};

const HandyColumn kHandyColumns[] = {
    {3, 12, 5, "MaskEdit13", "ScrollBar5", "c11", "TextHandyC11Sub", "MaskEdit30", "CheckBox23", colors::Lime},
    {36, 45, 57, "MaskEdit28", "ScrollBar6", "c12", "TextHandyC12Sub", "MaskEdit32", "CheckBox24", colors::Lime},
    {75, 84, 76, "MaskEdit15", "ScrollBar9", "c11", "TextHandyC11L1", "MaskEdit17", "CheckBox9", colors::Aqua},
    {108, 116, 128, "MaskEdit16", "ScrollBar10", "c12", "TextHandyC12L1", "MaskEdit18", "CheckBox10", colors::Aqua},
    {145, 154, 145, "MaskEdit19", "ScrollBar11", "c11", "TextHandyC11L2", "MaskEdit21", "CheckBox11", colors::Fuchsia},
    {178, 186, 198, "MaskEdit20", "ScrollBar12", "c12", "TextHandyC12L2", "MaskEdit22", "CheckBox12", colors::Fuchsia},
    {215, 224, 215, "MaskEdit26", "ScrollBar13", "c11", "TextHandyC11L3", "MaskEdit35", "CheckBox13", colors::Yellow},
    {249, 256, 269, "MaskEdit27", "ScrollBar14", "c12", "TextHandyC12L3", "MaskEdit38", "CheckBox14", colors::Yellow},
};

const std::string kGroup = "GroupBox5";

void AddColumn(Controls& c, const HandyColumn& col) {
  AddCheckBox(c, col.holdBox, kGroup, col.holdLeft, 15, "", false);
  AddField(c, ControlKind::MaskEdit, col.maxField, kGroup, {col.fieldLeft, 31, 34, kFieldHeight}, "",
           col.color);
  AddBar(c, ControlKind::ScrollBar, col.slider, kGroup, {col.sliderLeft, 51, 17, 199}, -kSliderRange,
         kSliderRange, 0, true);
  AddLabel(c, col.captionName, kGroup, col.sliderLeft, 250, col.caption).height = 11;
  AddField(c, ControlKind::MaskEdit, col.minField, kGroup, {col.fieldLeft, 261, 34, kFieldHeight}, "",
           col.color);
}

}  // namespace

void AddHandyMode(Controls& controls) {
  AddGroupBox(controls, kGroup, {440, 79, 288, 290}, "Handy Mode - modyfied c_ij values (GPa)");
  AddLabel(controls, "TextHandySubstrate", kGroup, 22, 15, "Substr.").fontPoints = kSmallFontPoints;
  AddLabel(controls, "TextHandyLayer_1", kGroup, 92, 15, "Layer_1").fontPoints = kSmallFontPoints;
  AddLabel(controls, "TextHandyLayer_2", kGroup, 161, 15, "Layer_2").fontPoints = kSmallFontPoints;
  AddLabel(controls, "TextHandyLayer_3", kGroup, 231, 15, "Layer_3").fontPoints = kSmallFontPoints;
  for (const HandyColumn& column : kHandyColumns) AddColumn(controls, column);
}

}  // namespace window_build
