#pragma once
#include <functional>

#include <QWidget>

#include "form/controls.h"

// What the widget of a control needs from the window: a way to run a piece of window logic
// as one handler, after which the window refreshes every widget from the controls.
using RunInWindow = std::function<void(const std::function<void()>& body)>;

struct ControlWidget {
  QWidget* widget = nullptr;      // null for controls drawn on the canvas (bevels)
  std::function<void()> refresh;  // shows the control's current text, state or position
};

// Builds the widget of one control inside its parent widget, at the control's position,
// with its user actions wired to the control through run.
ControlWidget MakeControlWidget(Control& control, QWidget* parent, const RunInWindow& run);
