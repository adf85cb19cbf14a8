#pragma once
#include <string>

#include "fitting/analysis_records.h"
#include "model/simulation_state.h"

// The results a user can take out of the window as CSV: a header line, then one row per
// point, "," between cells, "." as decimal point, every number with 17 significant digits
// (the whole double the extended value rounds to), so that nothing is lost on the way out.
enum class ExportKind {
  Dispersion,  // angle_deg, qd, v_m_s: every point the last dispersion sweep drew, in drawing order
  Detg,        // v_m_s, re, im, modulus: every velocity of the last det_g scan
  Map,         // <x constant>, <y constant>, g: every node of the last correlation map
  Measured,    // column, angle_deg, mode, qd, v_m_s, dv_m_s: the measured points of the overlay
};

// Only the results: an analysis that has not run yet gives the header alone.
// The measured points come from the state that the last "Take starting data" left.
std::string ExportCsv(ExportKind kind, const AnalysisRecords& records, const SimulationState& state);
