#include "io/exports.h"

#include <initializer_list>
#include <set>
#include <tuple>

#include "detg/measured_velocity.h"
#include "fitting/map_exact_figures.h"
#include "base/number_text.h"

namespace {

// 17 significant digits give back the double exactly when the text is read again.
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

// A header cell in double quotes when it holds a separator, a quote or a line break.
std::string Cell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// A zero found again later at the same angle is drawn on the same square: it is written once,
// where it was first drawn.
std::string DispersionCsv(const AnalysisRecords& records) {
  std::string csv = "angle_deg,qd,v_m_s\n";
  std::set<std::tuple<long double, long double, long double>> written;
  for (const DispersionPoint& p : records.dispersion) {
    if (written.emplace(p.angleDeg, p.qd, p.v).second) csv += Row({Num(p.angleDeg), Num(p.qd), Num(p.v)});
  }
  return csv;
}

std::string DetgCsv(const AnalysisRecords& records) {
  std::string csv = "v_m_s,re,im,modulus\n";
  for (const DetgScanPoint& p : records.detgScan)
    csv += Row({Num(p.v), Num(p.re), Num(p.im), Num(p.modulus)});
  return csv;
}

std::string MapCsv(const MapRecord& map) {
  // Before the first map the constants have no names yet.
  std::string csv = Row({Cell(map.xName.empty() ? "x" : map.xName), Cell(map.yName.empty() ? "y" : map.yName), "g"});
  for (const MapNode& n : map.nodes) csv += Row({Num(n.x), Num(n.y), Num(n.g)});
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
      csv += Row({column, Num(theta / kDegreeToRad), m.name, Num(qd),
                  Num(MeasuredPhaseVelocity(s.laserNm, m.freq, theta)),
                  Num(MeasuredPhaseVelocity(s.laserNm, m.err, theta))});
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
