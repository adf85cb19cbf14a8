#include "form/prefetch_sources.h"

#include "fitting/map_source.h"
#include "fitting/sweep_source.h"
#include "base/fp_fault.h"
#include "form/evaluate_detg.h"
#include "form/field_names.h"
#include "form/fill_boundary_matrix.h"
#include "form/map_constants.h"
#include "form/tform1.h"

namespace {

// The stack of the current fields and state, as the next fill will read it.
SimulationState StateWithStackFields(const TForm1& form) {
  SimulationState s = form.state;
  ReadStackFields(form, s);
  return s;
}

MapAxisConstant AxisConstant(int item) {
  const HandyConstant& c = MapConstant(item);
  return {c.material, c.isC11};
}

}  // namespace

std::unique_ptr<DetGInputSource> SweepSource(const TForm1& form) {
  return SweepSource(StateWithStackFields(form));
}

MapStart MapStartOf(const TForm1& form, int a, int b) {
  const FloatingPointFlagsKept kept;
  MapStart start{StateWithStackFields(form), AxisConstant(a), AxisConstant(b),
                 form.Number(kZScaleField)};
  EnsureEvaluationUnits(form, start.state);
  return start;
}

std::unique_ptr<DetGInputSource> MapSource(const MapStart& start, const MapNodeWalk& walk) {
  return MapSource(start.state, start.x, start.y, walk);
}

PrefetchScope::PrefetchScope(TForm1& form,
                             const std::function<std::unique_ptr<DetGInputSource>()>& makeSource,
                             CertifiedGroups groups)
    : form_(form) {
  if (!form.parallelEvaluation) return;
  std::unique_ptr<DetGInputSource> source;
  {
    const FloatingPointFlagsKept kept;
    source = makeSource();
  }
  form.prefetch.Start(std::move(source),
                      [&form](double fraction) { form.ReportProgress(fraction); },
                      std::move(groups));
}

PrefetchScope::~PrefetchScope() { form_.prefetch.Stop(); }
