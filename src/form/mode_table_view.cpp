#include "form/field_names.h"
#include "form/file_commands.h"
#include "form/fill_boundary_matrix.h"
#include "form/measured_fields.h"
#include "form/mode_view.h"
#include "form/tform1.h"
#include "io/mode_csv.h"

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
  return ExportText(ModeTableCsv(*table), path);
}

