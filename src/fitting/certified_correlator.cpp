#include "fitting/certified_correlator.h"

#include <cmath>

#include "fitting/certified_modulus.h"
#include "fitting/map_layout.h"

namespace {
// Covers the 80-bit roundings of the sum of up to 28 squares, its root and the division, and
// the same roundings of the bounds' own arithmetic, on both sides.
constexpr long double kSumRounding = 1e-15L;
}  // namespace

CorrelatorInterval CertifiedCorrelator(const CertifiedDetG* det, std::size_t n,
                                       long double zScale) {
  long double sum = 0, low = 0, high = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const long double re = det[k].re, im = det[k].im;
    const ModulusInterval square = CertifiedSquaredModulus(det[k]);
    sum += re * re + im * im;
    low += square.low;
    high += square.high;
  }
  // The same divisor as the 80-bit figure's, from the same operation.
  const long double scale = zScale * 1e138L;
  return {sqrtl(sum) / scale, sqrtl(low) / scale * (1 - kSumRounding),
          sqrtl(high) / scale * (1 + kSumRounding)};
}

std::optional<CertifiedNodeFigure> MapNodeCorrelatorFrom(const CertifiedDetG* det, std::size_t n,
                                                         long double zScale) {
  if (n == 0 || !(zScale > 0) || !std::isfinite(zScale)) return std::nullopt;
  for (std::size_t k = 0; k < n; ++k)
    if (!det[k].certified) return std::nullopt;
  const CorrelatorInterval g = CertifiedCorrelator(det, n, zScale);
  const int cls = MapClass(g.low);
  if (cls == 0 || MapClass(g.high) != cls) return std::nullopt;
  const long double bound = std::fmax(g.value - g.low, g.high - g.value);
  return CertifiedNodeFigure{g.value, bound < kExportRelativeBound * g.value};
}

CertifiedGroups MapNodeGroups(std::size_t evaluationsPerNode, long double zScale) {
  return {evaluationsPerNode, [evaluationsPerNode, zScale](const WavePoint*,
                                                           const CertifiedDetG* det) {
            std::optional<GroupDecision> decision;
            if (const auto figure = MapNodeCorrelatorFrom(det, evaluationsPerNode, zScale))
              decision = GroupDecision{figure->g, figure->exportable};
            return decision;
          }};
}
