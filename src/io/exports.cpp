#include "io/exports.h"

#include <set>
#include <tuple>

#include "detg/measured_velocity.h"
#include "fitting/map_exact_figures.h"
#include "io/csv_text.h"

namespace {

// A zero found again later at the same angle is drawn on the same square: it is written once,
// where it was first drawn.
std::string DispersionCsv(const AnalysisRecords& records) {
  std::string csv = "angle_deg,qd,v_m_s\n";
  std::set<std::tuple<long double, long double, long double>> written;
  for (const DispersionPoint& p : records.dispersion) {
    if (written.emplace(p.angleDeg, p.qd, p.v).second)
      csv += CsvRow({CsvNumber(p.angleDeg), CsvNumber(p.qd), CsvNumber(p.v)});
  }
  return csv;
}

std::string DetgCsv(const AnalysisRecords& records) {
  std::string csv = "v_m_s,re,im,modulus\n";
  for (const DetgScanPoint& p : records.detgScan)
    csv += CsvRow({CsvNumber(p.v), CsvNumber(p.re), CsvNumber(p.im), CsvNumber(p.modulus)});
  return csv;
}

std::string MapCsv(const MapRecord& map) {
  // Before the first map the constants have no names yet.
  std::string csv = CsvRow({CsvCell(map.xName.empty() ? "x" : map.xName),
                            CsvCell(map.yName.empty() ? "y" : map.yName), "g"});
  for (const MapNode& n : map.nodes)
    csv += CsvRow({CsvNumber(n.x), CsvNumber(n.y), CsvNumber(n.g)});
  return csv;
}

// The points as the overlay computes them from the state the last "Take starting data" left:
// both modes of every column with an angle, whether or not they fall inside the plot window.
std::string MeasuredCsv(const SimulationState& s) {
  std::string csv = "column,angle_deg,mode,qd,v_m_s,dv_m_s\n";
  for (int i = 0; i < 14; ++i) {
    const long double theta = s.angleRad[i];
    if (theta == 0) continue;
    const long double qd = MeasuredQd100(theta, s.depthNm[2], s.laserNm) / 100;
    const struct {
      const char* name;
      long double freq, err;
    } modes[] = {{"R", s.freqR[i], s.errR[i]}, {"S_1", s.freqS1[i], s.errS1[i]}};
    std::string column = "A";
    column += std::to_string(i + 1);
    for (const auto& m : modes) {
      csv += CsvRow({column, CsvNumber(theta / kDegreeToRad), m.name, CsvNumber(qd),
                     CsvNumber(MeasuredPhaseVelocity(s.laserNm, m.freq, theta)),
                     CsvNumber(MeasuredPhaseVelocity(s.laserNm, m.err, theta))});
    }
  }
  return csv;
}

}  // namespace

std::string ExportCsv(ExportKind kind, const AnalysisRecords& records, const SimulationState& state) {
  switch (kind) {
    case ExportKind::Dispersion:
      return DispersionCsv(records);
    case ExportKind::Detg:
      return DetgCsv(records);
    case ExportKind::Map:
      return MapCsv(WithExactFigures(records.map));
    case ExportKind::Measured:
      return MeasuredCsv(state);
  }
  return "";
}
