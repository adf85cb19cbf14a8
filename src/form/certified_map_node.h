#pragma once
#include <optional>

#include "fitting/certified_correlator.h"
#include "fitting/measured_points.h"
#include "model/detg_prefetch.h"

class TForm1;

// The evaluations of one map node settled from certified values, grouped for the preparing
// (only when the window evaluates in parallel; the reference evaluates in 80 bits).
CertifiedGroups MapNodeGroupsOf(const TForm1& form);

// The g correlator of the node whose constants are in the state, from certified values
// prepared ahead when they settle its colour class; its inputs are read as the correlator
// reads them (with the same refusals and faults), its z-scale factor must be the map's start's;
// the points are those of the state, kept from node to node.
// Nothing when the 80-bit correlator must run; the state then differs only in the measured
// velocities, qFill and scanV, which it rewrites. The figure, the moduli and MaskEdit41 are
// left as they were either way.
std::optional<CertifiedNodeFigure> CertifiedMapNodeCorrelator(TForm1& form,
                                                              MeasuredPoints& points);
