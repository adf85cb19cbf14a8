#pragma once
#include <deque>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "form/canvas.h"

enum class ControlKind {
  Edit, MaskEdit, CheckBox, RadioGroup, ScrollBar, TrackBar, Button,
  Bevel, Panel, Label, GroupBox, Shape
};

// One control of the window as a plain object. Position is relative to the parent group
// (client coordinates when parent is empty).
struct Control {
  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string parent;
  int left = 0, top = 0, width = 0, height = 0;
  std::string caption;
  std::string text;
  Rgb textColor = colors::Black;
  Rgb background = colors::Silver;
  bool bold = false;
  int fontPoints = 8;
  bool border = true;
  bool alignRight = false;  // labels: the text ends at the right edge (a caption before its field)
  bool checked = false;
  std::vector<std::string> items;
  int itemIndex = -1;
  int columns = 1;
  int minimum = 0, maximum = 0, position = 0;
  bool vertical = false;

  // Bound by the event wiring: a click (buttons, check boxes after toggling, radio items
  // after selecting), and a scroll bar, slider or track bar position change.
  std::function<void()> onClick;
  std::function<void()> onChange;

  // The number of the text as last read: the computations read the same fields at every
  // evaluation, and a text reads as the same number every time.
  struct NumberMemo {
    std::string text;
    long double value = 0;
    bool valid = false;
  };
  mutable NumberMemo numberMemo;
  long double Number() const;  // ReadNumber of the text, through the memo

  bool IsTextField() const { return kind == ControlKind::Edit || kind == ControlKind::MaskEdit; }
  bool HasPosition() const {
    return kind == ControlKind::ScrollBar || kind == ControlKind::TrackBar;
  }

  // A new position fires onChange, also when the program sets it; the same position fires nothing.
  void SetPosition(int p);
};

struct ClientRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// Every control of the window, by window name, in the order of creation.
class Controls {
 public:
  Control& Add(Control control);
  Control* Find(const std::string& name);
  const Control* Find(const std::string& name) const;
  Control& operator[](const std::string& name);  // throws std::out_of_range for an unknown name
  const Control& operator[](const std::string& name) const;
  ClientRect ClientBounds(const std::string& name) const;
  const std::deque<Control>& All() const { return controls_; }
  std::deque<Control>& All() { return controls_; }

 private:
  std::deque<Control> controls_;
  std::unordered_map<std::string, std::size_t> index_;
};

// The whole window of Form1 with its default texts, captions, colours and positions.
void BuildWindowControls(Controls& controls);
