#include "form/layout/window_controls_build.h"

namespace window_build {
namespace {

const ControlKind E = ControlKind::Edit;
const ControlKind M = ControlKind::MaskEdit;

// The stacked constant fields sit closer than a full field height; they are sized to their pitch.
constexpr int kSubstrateRowHeight = 17;
constexpr int kLayerRowHeight = 16;

void AddSubstrateData(Controls& c) {
  const std::string g = "GroupBox8";
  AddGroupBox(c, g, {4, 1, 438, 78}, "Data");
  AddLabel(c, "TextSubstrate", g, 66, 8, "Substrate").fontPoints = kSmallFontPoints;
  AddLabel(c, "TextLayer_1", g, 112, 8, "Layer_1").fontPoints = kSmallFontPoints;
  AddLabel(c, "TextLayer_2", g, 154, 8, "Layer_2").fontPoints = kSmallFontPoints;
  AddLabel(c, "TextLayer_3", g, 197, 8, "Layer_3").fontPoints = kSmallFontPoints;
  AddLabel(c, "TextDensity", g, 32, 25, "density");
  AddLabel(c, "TextThickness", g, 73, 50, "d (nm)");
  AddLabel(c, "TextLaserLine", g, 4, 39, "Laser line");
  AddLabel(c, "TextLaserUnit", g, 48, 56, "(nm)");
  AddField(c, E, "Edit1", g, {73, 22, 33, kFieldHeight}, "3970", colors::Lime);
  AddField(c, E, "Edit5", g, {107, 22, 42, kFieldHeight}, "10280", colors::Aqua);
  AddField(c, E, "Edit137", g, {150, 22, 42, kFieldHeight}, "8900", colors::Fuchsia);
  AddField(c, E, "Edit139", g, {193, 22, 42, kFieldHeight}, "19300", colors::Yellow);
  AddField(c, E, "Edit6", g, {107, 46, 42, kFieldHeight}, "20", colors::Aqua);
  AddField(c, E, "Edit138", g, {150, 46, 42, kFieldHeight}, "31", colors::Fuchsia);
  AddField(c, E, "Edit140", g, {193, 46, 42, kFieldHeight}, "8", colors::Yellow);
  AddField(c, E, "Edit4", g, {7, 52, 38, kFieldHeight}, "532", colors::SkyBlue);

  AddLabel(c, "TextSubstrateStarting", g, 245, 7, "starting");
  AddLabel(c, "TextSubstrateModified", g, 286, 7, "modyfied");
  struct Row { const char* starting; const char* text; const char* modified; int top; const char* label; const char* caption; };
  const Row rows[] = {{"Edit174", "496", "Edit189", 20, "TextC11Sub", "c11_sub"},
                      {"Edit175", "168", "Edit190", 37, "TextC12Sub", "c12_sub"},
                      {"Edit176", "148", "Edit193", 54, "TextC44Sub", "c44_sub"}};
  for (const Row& r : rows) {
    AddField(c, E, r.starting, g, {245, r.top, 40, kSubstrateRowHeight}, r.text, colors::Lime);
    AddField(c, E, r.modified, g, {286, r.top, 40, kSubstrateRowHeight}, "", colors::Lime);
    AddLabel(c, r.label, g, 329, r.top + 2, r.caption);
  }
  AddLabel(c, "TextSubstrateVL", g, 372, 26, "vL");
  AddLabel(c, "TextSubstrateVT", g, 372, 54, "vT");
  AddField(c, E, "Edit191", g, {388, 22, 44, kFieldHeight}, "", colors::Lime);
  AddField(c, E, "Edit192", g, {388, 50, 44, kFieldHeight}, "", colors::Lime);
}

struct LayerGroup {
  const char* group;
  int left;
  const char* caption;
  const char* prefix;  // of the label names
  Rgb color;
  const char* c11Start; const char* c11Text; const char* c11Mod;
  const char* c12Start; const char* c12Text; const char* c12Mod;
  const char* c44Start; const char* c44Mod;
  const char* vL; const char* vLText;
  const char* vT; const char* vTText;
};

const LayerGroup kLayers[] = {
    {"GroupBox1", 440, "Layer 1", "TextLayer1", colors::Aqua, "Edit165", "440", "MaskEdit2",
     "Edit166", "221", "MaskEdit3", "MaskEdit23", "MaskEdit4", "MaskEdit1", "6542", "MaskEdit12", "3556"},
    {"GroupBox2", 601, "Layer 2", "TextLayer2", colors::Fuchsia, "Edit168", "255.7", "MaskEdit5",
     "Edit169", "142.6", "MaskEdit6", "MaskEdit24", "MaskEdit7", "MaskEdit14", "5028", "MaskEdit29", "2903"},
    {"GroupBox3", 762, "Layer 3", "TextLayer3", colors::Yellow, "Edit171", "183.8", "MaskEdit8",
     "Edit172", "144.2", "MaskEdit9", "MaskEdit25", "MaskEdit10", "MaskEdit31", "3138", "MaskEdit33", "1068"},
};

void AddLayerGroup(Controls& c, const LayerGroup& l) {
  const std::string g = l.group;
  const std::string p = l.prefix;
  AddGroupBox(c, g, {l.left, 1, 163, 78}, l.caption);
  AddLabel(c, p + "Starting", g, 25, 10, "starting");
  AddLabel(c, p + "Modified", g, 68, 10, "modyfied");
  AddLabel(c, p + "C11", g, 5, 25, "c11");
  AddLabel(c, p + "C12", g, 5, 41, "c12");
  AddLabel(c, p + "C44", g, 5, 57, "c44");
  AddLabel(c, p + "VL", g, 111, 25, "vL");
  AddLabel(c, p + "VT", g, 111, 53, "vT");
  const int h = kLayerRowHeight;
  AddField(c, E, l.c11Start, g, {25, 23, 41, h}, l.c11Text, l.color);
  AddField(c, M, l.c11Mod, g, {68, 23, 41, h}, "", l.color);
  AddField(c, E, l.c12Start, g, {25, 39, 41, h}, l.c12Text, l.color);
  AddField(c, M, l.c12Mod, g, {68, 39, 41, h}, "", l.color);
  AddField(c, M, l.c44Start, g, {25, 55, 41, h}, "", l.color);
  AddField(c, M, l.c44Mod, g, {68, 55, 41, h}, "", l.color);
  AddField(c, M, l.vL, g, {124, 23, 36, h}, l.vLText, l.color);
  AddField(c, M, l.vT, g, {124, 51, 36, h}, l.vTText, l.color);
}

void AddTitle(Controls& c) {
  AddShape(c, "Shape1", {930, 5, 87, 38}, colors::MoneyGreen);
  Control& title = AddLabel(c, "Label92", "", 950, 8, "FENLAR");
  title.bold = true;
  title.fontPoints = 10;
  title.width += 10;  // bold 10-point text runs wider than the 8-point estimate
  title.height = 16;
  AddLabel(c, "Label94", "", 950, 26, "ver. 9.0c");
  c["Label92"].background = colors::MoneyGreen;
  c["Label94"].background = colors::MoneyGreen;
}

}  // namespace

void AddDataGroups(Controls& controls) {
  AddSubstrateData(controls);
  for (const LayerGroup& layer : kLayers) AddLayerGroup(controls, layer);
  AddTitle(controls);
}

}  // namespace window_build
