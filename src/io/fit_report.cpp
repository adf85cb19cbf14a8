#include "io/fit_report.h"

#include <cmath>

#include "fitting/mode_finder.h"
#include "io/json_document.h"

namespace {

Json Number(double x) { return std::isfinite(x) ? Json(x) : Json(nullptr); }

Json ValueAt(const std::vector<double>& v, std::size_t i) {
  return i < v.size() ? Number(v[i]) : Json(nullptr);
}

Json Parameters(const FitResult& r) {
  Json list = Json::array();
  for (std::size_t i = 0; i < r.names.size(); ++i)
    list.push_back({{"name", r.names[i]},
                    {"start", ValueAt(r.start, i)},
                    {"value", ValueAt(r.value, i)},
                    {"sigma", ValueAt(r.sigma, i)},
                    {"sigma_scaled", ValueAt(r.sigmaScaled, i)}});
  return list;
}

Json Residuals(const FitResult& r) {
  Json list = Json::array();
  for (const FitResidual& e : r.residuals)
    list.push_back({{"angle_deg", Number(e.angleDeg)},
                    {"mode", ModeLabel(static_cast<std::size_t>(e.mode))},
                    {"measured_GHz", Number(e.measuredGHz)},
                    {"sigma_GHz", Number(e.sigmaGHz)},
                    {"model_GHz", Number(e.modelGHz)},
                    {"model_velocity", Number(e.modelVelocity)},
                    {"normalized", Number(e.normalized)}});
  return list;
}

}  // namespace

std::string FitReportJson(const FitResult& r) {
  Json correlation = Json::array();
  for (const std::vector<double>& row : r.correlation) {
    Json cells = Json::array();
    for (double c : row) cells.push_back(Number(c));
    correlation.push_back(cells);
  }
  Json report = {{"format", "fenlar-fit"}, {"version", 1}, {"status", r.status}};
  report["parameters"] = Parameters(r);
  report["correlation"] = correlation;
  report["chi2"] = Number(r.chi2);
  report["dof"] = r.dof;
  report["chi2_per_dof"] = r.dof > 0 ? Number(r.chi2 / r.dof) : Json(nullptr);
  report["iterations"] = r.iterations;
  report["residuals"] = Residuals(r);
  report["notes"] = r.notes;
  return WriteJson(report);
}
