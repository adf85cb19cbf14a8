#pragma once
#include <memory>
#include <vector>

#include "fitting/map_node_walk.h"
#include "fitting/measured_points.h"
#include "model/detg_prefetch.h"
#include "model/simulation_state.h"

// One of the constants a map varies: c11 or c12 of a medium (0 substrate, 1..3 Layer 1..3).
struct MapAxisConstant {
  int medium = 0;
  bool isC11 = true;
};

// The evaluations of a correlation map of constants x and y, from the stack and the measured
// data in the state (with its laser line and GPa factor set): at every node of the walk, the
// g correlator's two per used angle, R then S_1.
std::unique_ptr<DetGInputSource> MapSource(const SimulationState& state, MapAxisConstant x,
                                           MapAxisConstant y, const MapNodeWalk& walk);

// The stack of a map node (x, y), its q and v aside. Sets the two constants and their media's
// c44 in s.
StackInputs MapNodeStack(SimulationState& s, MapAxisConstant a, MapAxisConstant b, long double x,
                         long double y);
// The waves of the g correlator's evaluations at a node, appended to out: R then S_1 at every
// point.
void MapNodeWaves(const MeasuredPoints& points, std::vector<WavePoint>& out);
