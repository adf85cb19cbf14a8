#pragma once
#include <vector>

#include "detg/measured_velocity.h"
#include "io/measured_import.h"

// The fields of the measured-data columns A1 .. A14: the tick box, the angle of incidence, and
// the frequency and uncertainty of each mode R, S_1, S_2, S_3, S_4.
inline constexpr int kMeasuredColumns = 14;
inline constexpr int kMeasuredModes = 5;

struct MeasuredColumnFields {
  const char* checkBox;
  const char* angle;
  const char* value[kMeasuredModes];
  const char* error[kMeasuredModes];
};

// Column A(index + 1), index 0 .. 13.
const MeasuredColumnFields& MeasuredFields(int index);

class Controls;

// Writes imported rows into the table: row n into column An, the columns past the last row
// cleared. Only the angle, R, +/- R, S_1 and +/- S_1 fields are written.
void WriteMeasuredRows(Controls& controls, const std::vector<MeasuredRow>& rows);
