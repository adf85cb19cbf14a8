#pragma once
#include <string>
#include <vector>

#include "fitting/mode_branches.h"
#include "fitting/mode_table.h"

// The mode table as CSV: a header line, then one row per measured mode,
// angle_deg,mode,measured_GHz,sigma_GHz,model_GHz,model_velocity,residual_GHz,normalized;
// a missing mode has empty model cells, a mode without an uncertainty an empty normalized
// cell. Numbers with 17 significant digits and "." as the point.
std::string ModeTableCsv(const ModeTable& table);

// The branches as CSV: mode,angle_deg,qd,velocity,frequency_GHz, branch after branch in
// ascending qd; an empty angle where no angle of incidence reaches the qd.
std::string ModeBranchesCsv(const std::vector<ModeBranch>& branches);
