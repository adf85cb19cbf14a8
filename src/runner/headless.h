#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "form/tform1.h"

// Runs the window without a view: window creation, then the steps in order, each an option
// with its argument:
//   --set NAME=TEXT      text of an edit field, no handler
//   --click NAME         a button, or a check box (toggled, then its handler)
//   --select NAME=INDEX  item of a radio group, then its handler
//   --position NAME=P    position of a scroll bar, slider or track bar (min..max)
//   --key Enter|Esc      the key handler
//   --dump FILE          controls and messages as JSON
//   --canvas FILE        the canvas raster as PNG
//   --png FILE           the whole window as PNG, as renderWindowPng encodes it
//   --load FILE          a session: the controls, then "Take starting data"
//   --save FILE          the session of the controls
//   --import-measured FILE   the measured-data table from CSV or whitespace-separated text
//   --export-dispersion FILE, --export-detg FILE, --export-map FILE, --export-measured FILE
//                        the results of the last sweep, scan or map, or the measured points, as CSV
//   --modes FILE         the mode table of the fields as they stand, as CSV
//   --branches on|off    the "Mode branches" item; turning it on draws the branches
//   --export-branches FILE   the mode branches drawn last, as CSV
//   --fit NAME,NAME,...  fits those constants and thicknesses to the measured data, changing
//                        no field
//   --export-fit FILE    the last fit's report as JSON
//   --apply-fit          (no argument) the last fit's values into the starting fields, then
//                        "Take starting data" with every slider at 0
// The "Exit" button ends the steps. Every message shown is also printed to err, and every
// status line (a cancel, an incomplete trace) as "status: TEXT". Returns 0,
// or 2 with a one-line reason on err when a step is malformed or names a control it cannot
// act on (nothing runs then), when an output file cannot be written, or when a session or a
// measurement cannot be read (its message is shown as in the window; the steps after it do
// not run). Every file is written beside its target and renamed over it when complete.
// renderWindowPng gives the window's picture as PNG bytes, empty when it cannot; without it,
// --png is refused.
using WindowPngRenderer = std::function<std::string()>;
int RunHeadless(TForm1& form, const std::vector<std::string>& steps, std::ostream& err,
                const WindowPngRenderer& renderWindowPng);
