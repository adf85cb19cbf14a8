#include "io/mode_csv.h"

#include "io/csv_text.h"

std::string ModeTableCsv(const ModeTable& table) {
  std::string csv =
      "angle_deg,mode,measured_GHz,sigma_GHz,model_GHz,model_velocity,residual_GHz,normalized\n";
  for (const ModeTableRow& r : table.rows) {
    const bool known = !r.missing;
    csv += CsvRow({CsvNumber(r.angleDeg), r.mode, CsvNumber(r.measuredGHz), CsvNumber(r.sigmaGHz),
                   known ? CsvNumber(r.modelGHz) : "", known ? CsvNumber(r.modelVelocity) : "",
                   known ? CsvNumber(r.residualGHz) : "",
                   known && r.normalizedKnown ? CsvNumber(r.normalized) : ""});
  }
  return csv;
}

std::string ModeBranchesCsv(const std::vector<ModeBranch>& branches) {
  std::string csv = "mode,angle_deg,qd,velocity,frequency_GHz\n";
  for (const ModeBranch& b : branches)
    for (const BranchPoint& p : b.points)
      csv += CsvRow({b.mode, p.angleDeg ? CsvNumber(*p.angleDeg) : "", CsvNumber(p.qd),
                     CsvNumber(p.velocity), CsvNumber(p.frequencyGHz)});
  return csv;
}
