#pragma once
#include <cstddef>
#include <optional>

#include "model/certified_detg.h"
#include "model/detg_prefetch.h"

// The g correlator from certified det_g at the n measured points of a model, and the interval
// that holds the figure the 80-bit path computes from the same points and z-scale factor.
struct CorrelatorInterval {
  long double value = 0, low = 0, high = 0;
};
CorrelatorInterval CertifiedCorrelator(const CertifiedDetG* det, std::size_t n,
                                       long double zScale);

// A map node's figure from certified values: g with its bound below kExportRelativeBound
// relative is exported as it is; else the export evaluates the 80-bit figure.
inline constexpr long double kExportRelativeBound = 1e-9L;
struct CertifiedNodeFigure {
  long double g = 0;
  bool exportable = false;
};

// The figure of a map node when the certified values settle its colour class: the whole
// interval inside one class (a threshold on its edge is not). Nothing when a value has no
// certificate or the 80-bit path must decide.
std::optional<CertifiedNodeFigure> MapNodeCorrelatorFrom(const CertifiedDetG* det, std::size_t n,
                                                         long double zScale);

// A map's evaluations as groups of one node each (two per used angle): a node the certified
// values settle is not evaluated in 80 bits; its decision is its g (figure) and whether it
// is exported as it is (yes).
CertifiedGroups MapNodeGroups(std::size_t evaluationsPerNode, long double zScale);
