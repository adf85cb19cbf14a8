#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/tform1.h"

// Runs the window without a view: window creation, then the steps in order, each an option
// with its argument:
//   --set NAME=TEXT      text of an edit field, no handler
//   --click NAME         a button, or a check box (toggled, then its handler)
//   --select NAME=INDEX  item of a radio group, then its handler
//   --position NAME=P    position of a scroll bar, slider or track bar (min..max)
//   --key Enter|Esc      the key handler
//   --dump FILE          controls and messages as JSON
//   --canvas FILE        the canvas raster as PNG
//   --png FILE           the whole window as PNG, through renderWindowPng
// The "Exit" button ends the steps. Every message shown is also printed to err. Returns 0,
// or 2 with a one-line reason on err when a step is malformed or names a control it cannot
// act on (nothing runs then), or when an output file cannot be written.
int RunHeadless(TForm1& form, const std::vector<std::string>& steps, std::ostream& err,
                const std::function<bool(const std::string& file)>& renderWindowPng);
