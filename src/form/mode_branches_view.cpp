#include <iterator>
#include <optional>

#include "form/dispersion_scale.h"
#include "form/field_names.h"
#include "form/file_commands.h"
#include "form/fill_boundary_matrix.h"
#include "form/mode_view.h"
#include "form/tform1.h"
#include "io/mode_csv.h"

namespace {

// Apart from the red dispersion points, the black measured points and the medium colours of
// the bulk-velocity lines.
constexpr Rgb kBranchColors[] = {{0, 0, 128},   {0, 128, 0},   {128, 0, 128},
                                 {255, 128, 0}, {0, 128, 128}, {128, 64, 0}};
constexpr std::size_t kColorCount = std::size(kBranchColors);

std::optional<Pixel> PixelInside(const PlotScale& scale, const VelocityRange& range,
                                 const BranchPoint& p) {
  if (!(p.velocity >= range.min && p.velocity <= range.max)) return std::nullopt;
  return scale.ToPixel(p.qd * 100, p.velocity);
}

// Consecutive samples joined where both lie in the velocity window.
void DrawBranch(Canvas& canvas, const PlotScale& scale, const VelocityRange& range,
                const ModeBranch& branch) {
  std::optional<Pixel> previous;
  for (const BranchPoint& p : branch.points) {
    const std::optional<Pixel> here = PixelInside(scale, range, p);
    if (previous && here) {
      canvas.MoveTo(previous->x, previous->y);
      canvas.LineTo(here->x, here->y);
      canvas.SetPixel(here->x, here->y, canvas.penColor);  // the end pixel LineTo leaves out
    }
    previous = here;
  }
}

BranchWindow WindowOf(const TForm1& form, const StackInputs& stack) {
  BranchWindow w;
  w.qdMin = form.Number(kQdMinField);
  w.qdMax = form.Number(kQdMaxField);
  w.totalDepthNm = (stack.thicknessM[0] + stack.thicknessM[1] + stack.thicknessM[2]) * 1e9L;
  w.laserNm = form.Number(kLaserField);
  return w;
}

}  // namespace

Rgb BranchColor(std::size_t index) { return kBranchColors[index % kColorCount]; }

void DrawModeBranches(TForm1& form) {
  const PlotScale scale = DispersionCurveScale(form);
  const VelocityRange range = DispersionVelocityRange(form);
  const StackInputs stack = CurrentModelStack(form);
  const std::optional<std::vector<ModeBranch>> branches = TraceModeBranches(
      stack, WindowOf(form, stack), [&form](double done) { form.ReportProgress(done); });
  if (!branches) return;
  form.records.branches = *branches;
  for (std::size_t k = 0; k < branches->size(); ++k) {
    form.canvas.penColor = BranchColor(k);
    DrawBranch(form.canvas, scale, range, (*branches)[k]);
  }
}

void SetModeBranches(TForm1& form, bool on) {
  const bool wasOn = form.showModeBranches;
  form.showModeBranches = on;
  if (on && !wasOn) DrawModeBranches(form);
}

bool ExportModeBranches(const TForm1& form, const std::string& path) {
  return ExportText(ModeBranchesCsv(form.records.branches), path);
}
