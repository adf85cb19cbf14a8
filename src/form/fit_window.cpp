#include "form/fit_window.h"

#include "base/komunikat.h"
#include "base/number_text.h"
#include "fitting/fit_solver.h"
#include "fitting/mode_finder.h"
#include "form/field_names.h"
#include "form/file_commands.h"
#include "form/fill_boundary_matrix.h"
#include "form/handy_constants.h"
#include "form/measured_fields.h"
#include "form/tform1.h"
#include "io/fit_report.h"

namespace {

constexpr const char* kCaption = "Fit";
constexpr const char* kThicknessFields[3] = {kLayer1ThicknessField, kLayer2ThicknessField,
                                             kLayer3ThicknessField};
constexpr int kAppliedDigits = 6;

bool Typed(const std::string& text) { return text.find_first_not_of(" \t") != std::string::npos; }

// "+/- S_1 of A3 (Edit53)".
std::string CellName(const char* prefix, int mode, int column, const char* field) {
  return std::string(prefix) + ModeLabel(static_cast<std::size_t>(mode)) + " of A" +
         std::to_string(column + 1) + " (" + field + ")";
}

// The measured points of one column; the reason a typed point cannot be used, or "".
std::string ReadColumn(const TForm1& form, int column, std::vector<FitMeasurement>& data) {
  const MeasuredColumnFields& fields = MeasuredFields(column);
  const long double angle = form.Number(fields.angle);
  if (angle == 0) return "";
  for (int mode = 0; mode < kMeasuredModes; ++mode) {
    if (!Typed(form.Text(fields.value[mode]))) continue;
    const long double f = form.Number(fields.value[mode]);
    const long double sigma = form.Number(fields.error[mode]);
    const std::string point = CellName("", mode, column, fields.value[mode]);
    if (!(f > 0)) return "the frequency " + point + " is not a positive number";
    if (!(sigma > 0))
      return "the measured point " + point + " has no positive uncertainty in " +
             CellName("+/- ", mode, column, fields.error[mode]);
    data.push_back({angle, mode, f, sigma});
  }
  return "";
}

// A medium whose constants the fit moved, to be written back.
bool Fitted(const FitProblem& p, int medium, bool thickness) {
  for (const FitParameter& q : p.parameters)
    if (q.medium == medium && (q.quantity == FitQuantity::Thickness) == thickness) return true;
  return false;
}

void WriteFittedFields(TForm1& form, const WindowFit& fit) {
  const std::vector<long double> values(fit.result.value.begin(), fit.result.value.end());
  const StackInputs s = WithParameters(fit.problem.stack, fit.problem.parameters, values);
  const auto text = [](long double x) { return FormatSignificant(x, kAppliedDigits); };
  for (const HandyConstant& c : kHandyConstants)
    if (Fitted(fit.problem, c.material, false))
      form.SetText(c.startField, text(c.isC11 ? s.c11[c.material] : s.c12[c.material]));
  if (Fitted(fit.problem, 0, false)) form.SetText(kC44StartFields[0], text(s.c44[0]));
  for (int k = 1; k <= 3; ++k)
    if (Fitted(fit.problem, k, true))
      form.SetText(kThicknessFields[k - 1], text(s.thicknessM[k - 1] * 1e9L));
}

}  // namespace

std::string WindowFitProblem(TForm1& form, const std::vector<std::string>& names,
                             FitProblem& problem) {
  problem = FitProblem();
  const std::string refused = CheckFitParameters(names, problem.parameters);
  if (!refused.empty()) return refused;
  for (int column = 0; column < kMeasuredColumns; ++column) {
    const std::string why = ReadColumn(form, column, problem.measurements);
    if (!why.empty()) return why;
  }
  problem.stack = CurrentModelStack(form);
  problem.laserNm = form.Number(kLaserField);
  if (!(problem.laserNm > 0)) return "the laser line (Edit4) is not a positive number";
  return RefusalOf(problem);
}

bool RunWindowFit(TForm1& form, const std::vector<std::string>& names, const FitOptions& options) {
  auto fit = std::make_shared<WindowFit>();
  const std::string refused = WindowFitProblem(form, names, fit->problem);
  if (!refused.empty()) {
    MessageSink().Show("Cannot fit: " + refused, kCaption);
    return false;
  }
  fit->result = RunFit(fit->problem, options);
  form.lastFit = fit;
  if (!fit->result.solved)
    MessageSink().Show("The fit did not finish: " + fit->result.status, kCaption);
  return fit->result.solved;
}

bool ApplyWindowFit(TForm1& form) {
  if (!form.lastFit || !form.lastFit->result.solved) {
    MessageSink().Show("There is no fit to apply.", kCaption);
    return false;
  }
  WriteFittedFields(form, *form.lastFit);
  // Quietly: the starting data taken next set the modified constants from these positions.
  for (const HandyConstant& c : kHandyConstants) form.controls[c.slider].position = 0;
  form.RunHandler([&] {
    form.TakeStartingData();
    form.ApplyHandySliders();
    form.DetGClick();
  });
  return true;
}

bool ExportWindowFit(const TForm1& form, const std::string& path) {
  if (!form.lastFit) {
    MessageSink().Show("There is no fit to export.", kCaption);
    return false;
  }
  return ExportText(FitReportJson(form.lastFit->result), path);
}
