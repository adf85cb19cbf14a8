#pragma once
#include <optional>
#include <string>
#include <vector>

#include "fitting/mode_branches.h"
#include "fitting/mode_table.h"
#include "form/canvas.h"

class TForm1;

// Every column of the measured-data table as it stands in the fields.
std::vector<MeasuredAngle> MeasuredAnglesOfFields(const TForm1& form);

// The mode table of the fields as they stand; nothing when cancelled. A floating-point fault
// of the model propagates.
std::optional<ModeTable> ComputeModeTable(TForm1& form);

// The mode branches across the qd window of the dispersion plot, kept in the form's records
// and drawn over the plot, one colour per branch; the parts outside the velocity window are
// not drawn.
void DrawModeBranches(TForm1& form);
// The "Mode branches" item: sets the form's flag; turning it on draws the branches now.
void SetModeBranches(TForm1& form, bool on);

// The line colour of branch index (R first), for the plot and its legend.
Rgb BranchColor(std::size_t index);

// The table computed now, and the branches drawn last, written as CSV over path; a failure
// is shown through the message sink and gives false.
bool ExportModeTable(TForm1& form, const std::string& path);
bool ExportModeBranches(const TForm1& form, const std::string& path);
