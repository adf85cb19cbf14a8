#include "base/komunikat.h"
#include "form/field_names.h"
#include "form/fill_boundary_matrix.h"
#include "form/measured_fields.h"
#include "form/mode_view.h"
#include "form/tform1.h"
#include "io/mode_csv.h"
#include "io/replace_file.h"

StackInputs CurrentModelStack(TForm1& form) {
  StackInputs stack = ReadStackInputs(form, 0);
  stack.G = 1e9L;
  return stack;
}

std::vector<MeasuredAngle> MeasuredAnglesOfFields(const TForm1& form) {
  std::vector<MeasuredAngle> angles(kMeasuredColumns);
  for (int i = 0; i < kMeasuredColumns; ++i) {
    const MeasuredColumnFields& f = MeasuredFields(i);
    angles[i].angleDeg = form.Number(f.angle);
    for (int k = 0; k < kMeasuredModes; ++k) {
      angles[i].freqGHz[k] = form.Number(f.value[k]);
      angles[i].sigmaGHz[k] = form.Number(f.error[k]);
    }
  }
  return angles;
}

std::optional<ModeTable> ComputeModeTable(TForm1& form) {
  return BuildModeTable(CurrentModelStack(form), form.Number(kLaserField),
                        MeasuredAnglesOfFields(form));
}

bool ExportModeTable(TForm1& form, const std::string& path) {
  const std::optional<ModeTable> table = ComputeModeTable(form);
  if (!table) return false;
  return WriteCsvOrSay(path, ModeTableCsv(*table));
}

bool WriteCsvOrSay(const std::string& path, const std::string& csv) {
  std::string error;
  if (ReplaceFile(path, csv, error)) return true;
  MessageSink().Show("Cannot export to " + path + ":\n" + error +
                         "\nThe file there before is unchanged.",
                     "FENLAR");
  return false;
}
