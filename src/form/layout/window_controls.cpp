#include "form/layout/window_controls_build.h"

namespace window_build {
namespace {

// The 8-point sans-serif font averages 5 pixels per character and 13 pixels per line.
constexpr int kCharWidth = 5;
constexpr int kLineHeight = 13;
constexpr int kCheckSquare = 15;
constexpr int kCheckGap = 4;

int TextWidth(const std::string& text) { return kCharWidth * static_cast<int>(text.size()); }

Control& Place(Controls& controls, ControlKind kind, const std::string& name, const std::string& parent,
               Box box) {
  Control c;
  c.name = name;
  c.kind = kind;
  c.parent = parent;
  c.left = box.left;
  c.top = box.top;
  c.width = box.width;
  c.height = box.height;
  if (!parent.empty()) c.background = controls[parent].background;
  return controls.Add(std::move(c));
}

}  // namespace

Control& AddGroupBox(Controls& controls, const std::string& name, Box box, const std::string& caption) {
  Control& c = Place(controls, ControlKind::GroupBox, name, "", box);
  c.caption = caption;
  c.background = colors::MoneyGreen;
  return c;
}

Control& AddField(Controls& controls, ControlKind kind, const std::string& name,
                  const std::string& parent, Box box, const std::string& text, Rgb color) {
  Control& c = Place(controls, kind, name, parent, box);
  c.text = text;
  c.textColor = color;
  c.background = colors::Black;
  return c;
}

Control& AddTickLabel(Controls& controls, const std::string& name, Box box) {
  Control& c = Place(controls, ControlKind::Edit, name, "", box);
  c.border = false;
  c.bold = true;
  c.background = colors::Silver;
  return c;
}

Control& AddLabel(Controls& controls, const std::string& name, const std::string& parent,
                  int left, int top, const std::string& caption) {
  Control& c = Place(controls, ControlKind::Label, name, parent,
                     {left, top, TextWidth(caption), kLineHeight});
  c.caption = caption;
  return c;
}

Control& AddCheckBox(Controls& controls, const std::string& name, const std::string& parent,
                     int left, int top, const std::string& caption, bool checked) {
  const int width = caption.empty() ? kCheckSquare : kCheckSquare + kCheckGap + TextWidth(caption);
  Control& c = Place(controls, ControlKind::CheckBox, name, parent, {left, top, width, kCheckSquare});
  c.caption = caption;
  c.checked = checked;
  return c;
}

Control& AddButton(Controls& controls, const std::string& name, const std::string& parent, Box box,
                   const std::string& caption) {
  Control& c = Place(controls, ControlKind::Button, name, parent, box);
  c.caption = caption;
  return c;
}

Control& AddRadioGroup(Controls& controls, const std::string& name, Box box, const std::string& caption,
                       std::vector<std::string> items, int columns, int itemIndex) {
  Control& c = Place(controls, ControlKind::RadioGroup, name, "", box);
  c.caption = caption;
  c.items = std::move(items);
  c.columns = columns;
  c.itemIndex = itemIndex;
  return c;
}

Control& AddBar(Controls& controls, ControlKind kind, const std::string& name, const std::string& parent,
                Box box, int minimum, int maximum, int position, bool vertical) {
  Control& c = Place(controls, kind, name, parent, box);
  c.minimum = minimum;
  c.maximum = maximum;
  c.position = position;
  c.vertical = vertical;
  return c;
}

Control& AddPanel(Controls& controls, const std::string& name, Box box, Rgb color) {
  Control& c = Place(controls, ControlKind::Panel, name, "", box);
  c.background = color;
  return c;
}

Control& AddBevel(Controls& controls, const std::string& name, Box box) {
  return Place(controls, ControlKind::Bevel, name, "", box);
}

Control& AddShape(Controls& controls, const std::string& name, Box box, Rgb color) {
  Control& c = Place(controls, ControlKind::Shape, name, "", box);
  c.background = color;
  return c;
}

}  // namespace window_build

void BuildWindowControls(Controls& controls) {
  using namespace window_build;
  AddDataGroups(controls);
  AddMeasuredData(controls);
  AddHandyMode(controls);
  AddCorrelationArea(controls);
  AddPlotsAndRanges(controls);
  AddMainControl(controls);
}
