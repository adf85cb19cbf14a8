#include "io/mode_csv.h"

#include <initializer_list>

#include "base/number_text.h"

namespace {

constexpr int kCsvDigits = 17;

std::string Num(long double value) { return FormatSignificant(value, kCsvDigits); }

std::string Row(std::initializer_list<std::string> cells) {
  std::string row;
  for (const std::string& cell : cells) {
    if (&cell != cells.begin()) row += ',';
    row += cell;
  }
  return row + '\n';
}

}  // namespace

std::string ModeTableCsv(const ModeTable& table) {
  std::string csv =
      "angle_deg,mode,measured_GHz,sigma_GHz,model_GHz,model_velocity,residual_GHz,normalized\n";
  for (const ModeTableRow& r : table.rows) {
    const bool known = !r.missing;
    csv += Row({Num(r.angleDeg), r.mode, Num(r.measuredGHz), Num(r.sigmaGHz),
                known ? Num(r.modelGHz) : "", known ? Num(r.modelVelocity) : "",
                known ? Num(r.residualGHz) : "",
                known && r.normalizedKnown ? Num(r.normalized) : ""});
  }
  return csv;
}

std::string ModeBranchesCsv(const std::vector<ModeBranch>& branches) {
  std::string csv = "mode,angle_deg,qd,velocity,frequency_GHz\n";
  for (const ModeBranch& b : branches)
    for (const BranchPoint& p : b.points)
      csv += Row({b.mode, p.angleDeg ? Num(*p.angleDeg) : "", Num(p.qd), Num(p.velocity),
                  Num(p.frequencyGHz)});
  return csv;
}
