#pragma once
#include <string>
#include <vector>

#include "detg/detg_scan_record.h"
#include "fitting/map_source.h"
#include "fitting/mode_branches.h"
#include "model/simulation_state.h"

// What the last analyses computed, kept for the exports: each analysis clears its own record
// when it starts and adds to it as it draws.
struct DispersionPoint {
  long double angleDeg = 0;  // angle of incidence of the sweep
  long double qd = 0;        // abscissa of the dispersion plot
  long double v = 0;         // phase velocity of the zero, m/s
  bool operator==(const DispersionPoint&) const = default;
};

struct MapNode {
  long double x = 0, y = 0;  // the two constants, GPa
  long double g = 0;         // g correlator of the node
  // g is a certified figure whose bound is too wide to export: its class is settled, and the
  // export evaluates the 80-bit figure from the map's start.
  bool pending = false;
};

// What a map's nodes are evaluated from: the state at its start (stack fields and units read),
// the varied constants and the z-scale factor.
struct MapStart {
  SimulationState state;
  MapAxisConstant x, y;
  long double zScale = 0;
};

struct MapRecord {
  std::string xName, yName;  // the constants on the axes, as the radio groups name them
  std::vector<MapNode> nodes;
  MapStart start;
};

struct AnalysisRecords {
  std::vector<DetgScanPoint> detgScan;
  std::vector<DispersionPoint> dispersion;  // drawing order, no repeats of the same point
  MapRecord map;
  std::vector<ModeBranch> branches;  // the mode branches drawn last
};
