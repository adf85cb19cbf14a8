#pragma once
#include <functional>
#include <memory>

#include "fitting/analysis_records.h"
#include "fitting/map_node_walk.h"
#include "model/detg_prefetch.h"

class TForm1;

// The evaluations of the dispersion sweep, from the sweep settings already in the state:
// every angle of the grid, at each the stencil v, v + zeroSens, v + 2 zeroSens of every
// velocity step, with the sweep's own arithmetic.
std::unique_ptr<DetGInputSource> SweepSource(const TForm1& form);

// What a correlation map of constants a (x) and b (y) evaluates its nodes from, as the fills
// and the correlator will read it; reading it leaves the fault flags as they were.
MapStart MapStartOf(const TForm1& form, int a, int b);

// The evaluations of a correlation map: at every node of the walk, the g correlator's two per
// used angle.
std::unique_ptr<DetGInputSource> MapSource(const MapStart& start, const MapNodeWalk& walk);

// Prepares the evaluations of a computation for the lifetime of the object, when the window
// evaluates in parallel; building the source leaves the fault flags as they were. Groups the
// certified values settle are not evaluated in 80 bits.
class PrefetchScope {
 public:
  PrefetchScope(TForm1& form, const std::function<std::unique_ptr<DetGInputSource>()>& makeSource,
                CertifiedGroups groups = {});
  ~PrefetchScope();
  PrefetchScope(const PrefetchScope&) = delete;
  PrefetchScope& operator=(const PrefetchScope&) = delete;

 private:
  TForm1& form_;
};
