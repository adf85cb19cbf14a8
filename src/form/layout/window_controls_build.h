#pragma once
#include <string>
#include <vector>

#include "form/controls.h"

// Builders of the window's controls, shared by the files that lay out the window areas.
// Positions are relative to the parent group; an empty parent means client coordinates.
namespace window_build {

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
};

inline constexpr int kFieldHeight = 21;
// The size of captions squeezed between controls standing close together.
inline constexpr int kSmallFontPoints = 7;

Control& AddGroupBox(Controls& controls, const std::string& name, Box box, const std::string& caption);
// Black input or output field with text in the colour of its material or role.
Control& AddField(Controls& controls, ControlKind kind, const std::string& name,
                  const std::string& parent, Box box, const std::string& text, Rgb color);
// Tick label of a plot: a field with no border, silver background and bold text.
Control& AddTickLabel(Controls& controls, const std::string& name, Box box);
// Plain text, sized to its caption, on the background of its parent.
Control& AddLabel(Controls& controls, const std::string& name, const std::string& parent,
                  int left, int top, const std::string& caption);
Control& AddCheckBox(Controls& controls, const std::string& name, const std::string& parent,
                     int left, int top, const std::string& caption, bool checked);
Control& AddButton(Controls& controls, const std::string& name, const std::string& parent, Box box,
                   const std::string& caption);
Control& AddRadioGroup(Controls& controls, const std::string& name, Box box, const std::string& caption,
                       std::vector<std::string> items, int columns, int itemIndex);
// Scroll bar or track bar.
Control& AddBar(Controls& controls, ControlKind kind, const std::string& name, const std::string& parent,
                Box box, int minimum, int maximum, int position, bool vertical);
Control& AddPanel(Controls& controls, const std::string& name, Box box, Rgb color);
Control& AddBevel(Controls& controls, const std::string& name, Box box);
Control& AddShape(Controls& controls, const std::string& name, Box box, Rgb color);

// The window areas, in the order they are built.
void AddDataGroups(Controls& controls);       // "Data", "Layer 1" to "Layer 3", the title
void AddMeasuredData(Controls& controls);     // the measured-data grid
void AddHandyMode(Controls& controls);        // the Handy Mode sliders with their fields
void AddCorrelationArea(Controls& controls);  // the correlation map and its controls
void AddPlotsAndRanges(Controls& controls);   // range row, both plots and the controls between
void AddMainControl(Controls& controls);      // "Main Control" and the bottom strip

}  // namespace window_build
