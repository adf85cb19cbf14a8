#pragma once
#include "fitting/analysis_records.h"

// The map with the 80-bit figure of every pending node, evaluated on every core from the
// map's start as the correlator evaluates it. A node whose evaluation faults keeps its
// certified figure.
MapRecord WithExactFigures(const MapRecord& map);
