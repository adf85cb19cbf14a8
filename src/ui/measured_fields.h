#pragma once

// The fields of the measured-data columns A1 .. A14: the tick box, the angle of incidence, and
// the frequency and uncertainty of each mode R, S_1, S_2, S_3, S_4.
inline constexpr int kMeasuredColumns = 14;
inline constexpr int kMeasuredModes = 5;

// 3.1415 / 180 as a double: the typed angles use this approximation of pi, not pi itself.
inline constexpr double kDegreeToRad = 0.01745277777777778;

struct MeasuredColumnFields {
  const char* checkBox;
  const char* angle;
  const char* value[kMeasuredModes];
  const char* error[kMeasuredModes];
};

// Column A(index + 1), index 0 .. 13.
const MeasuredColumnFields& MeasuredFields(int index);
