#include "fitting/mode_count.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "fitting/layer_stiffness.h"

namespace {

// A sublayer's scaled thickness keeps its transfer matrix within e^8 of 1...
constexpr long double kGrowthThickness = 8;
// ...and 10 % below the thickness whose lowest held resonance reaches the trial velocity.
constexpr long double kResonanceMargin = 0.9L;
constexpr int kMaxSublayers = 256;
// The substrate's inertia may exceed its c44 by this much where the velocity is the transverse
// bulk velocity as the fill decides it: roundings of 80 bits.
constexpr long double kLastBits = 1e-17L;
// A pivot is trusted where its determinant exceeds this share of the size of the terms it was
// summed from, times the growth of the layer's transfer matrix: far beyond the 80-bit roundings
// of the terms, and of the inverse of a pivot trusted before it.
constexpr long double kTrustedShare = 1e-10L;

ScaledMedium MediumAt(const StackInputs& s, int k, long double v) {
  return {s.c11[k], s.c44[k], s.density[k] * v * v / s.G};
}

// Isotropic: the fill takes c11 - c12 for 2 c44 in one place, the count 2 c44 throughout.
constexpr long double kIsotropicShare = 1e-15L;

bool Stable(const StackInputs& s, int k) {
  const long double lame = s.c11[k] - 2 * s.c44[k];
  return s.density[k] > 0 && s.c44[k] > 0 && s.c11[k] > s.c44[k] && std::isfinite(s.c11[k]) &&
         std::isfinite(s.density[k]) && fabsl(lame - s.c12[k]) <= kIsotropicShare * s.c11[k];
}

// Sublayers of one layer of scaled thickness qh at the medium's inertia.
int SublayersOf(const ScaledMedium& m, long double qh) {
  long double thickest = kGrowthThickness;
  if (m.inertia > m.c44)
    thickest = std::min(thickest, kResonanceMargin * std::numbers::pi_v<long double> /
                                      sqrtl(m.inertia / m.c44 - 1));
  const long double n = ceill(qh / thickest);
  return n > kMaxSublayers ? 0 : std::max(1, static_cast<int>(n));
}

// A symmetric pivot and the sizes of the terms it was summed from.
struct Pivot {
  Matrix2 value, size;
};

Matrix2 Abs(const Matrix2& a) {
  Matrix2 b;
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) b.m[r][c] = fabsl(a.m[r][c]);
  return b;
}

// The number of negative eigenvalues of the pivot, where its determinant is trusted.
std::optional<int> NegativeEigenvalues(const Pivot& p, long double growth) {
  const Matrix2& d = p.value;
  const long double size = p.size.m[0][0] * p.size.m[1][1] + p.size.m[0][1] * p.size.m[1][0];
  const long double det = d.m[0][0] * d.m[1][1] - d.m[0][1] * d.m[1][0];
  if (!(fabsl(det) > kTrustedShare * growth * size)) return std::nullopt;
  if (det < 0) return 1;
  return d.m[0][0] < 0 ? 2 : 0;
}

// The interfaces eliminated one after the other from the free surface down; the negative
// eigenvalues of the pivots add up to those of the whole stiffness (Sylvester's law of inertia).
class Elimination {
 public:
  // A layer's upper face is the node last carried down: its block adds to the pivot there.
  bool Layer(const LayerStiffness& k, long double growth) {
    pivot_.value = pivot_.value + k.upperUpper;
    pivot_.size = pivot_.size + Abs(k.upperUpper);
    const std::optional<int> negative = NegativeEigenvalues(pivot_, growth);
    if (!negative) return false;
    negative_ += *negative;
    const Matrix2 inverse = *Inverse(pivot_.value);
    pivot_.value = k.lowerLower - k.lowerUpper * inverse * k.upperLower;
    pivot_.size = Abs(k.lowerLower) + Abs(k.lowerUpper) * Abs(inverse) * Abs(k.upperLower);
    growth_ = growth;
    return true;
  }
  std::optional<int> Close(const Matrix2& halfSpace) {
    pivot_.value = pivot_.value + halfSpace;
    pivot_.size = pivot_.size + Abs(halfSpace);
    const std::optional<int> negative = NegativeEigenvalues(pivot_, growth_);
    if (!negative) return std::nullopt;
    return negative_ + *negative;
  }

 private:
  Pivot pivot_;
  int negative_ = 0;
  long double growth_ = 1;
};

// Layer 3 carries the free surface; the substrate lies under layer 1.
bool EliminateLayer(Elimination& e, const ScaledMedium& m, long double qh) {
  const int n = SublayersOf(m, qh);
  if (n == 0) return false;
  const long double sub = qh / n;
  const std::optional<LayerStiffness> k = LayerStiffnessOf(m, sub);
  if (!k) return false;
  const long double growth = expl(2 * sub * sqrtl(std::max(0.0L, 1 - m.inertia / m.c11)));
  for (int i = 0; i < n; ++i)
    if (!e.Layer(*k, growth)) return false;
  return true;
}

}  // namespace

bool CountableStack(const StackInputs& s) {
  if (!(s.G > 0 && std::isfinite(s.G) && Stable(s, 0))) return false;
  for (int k = 1; k <= 3; ++k) {
    const long double h = s.thicknessM[k - 1];
    if (!(h >= 0 && std::isfinite(h))) return false;
    if (h > 0 && !Stable(s, k)) return false;
  }
  return true;
}

std::optional<int> ModesBelow(const StackInputs& stack, long double q, long double v) {
  if (!(v > 0 && q > 0 && CountableStack(stack))) return std::nullopt;
  ScaledMedium substrate = MediumAt(stack, 0, v);
  // The grid's last velocity is the substrate's transverse one to the last bit or two.
  if (!(substrate.inertia <= substrate.c44 * (1 + kLastBits))) return std::nullopt;
  substrate.inertia = std::min(substrate.inertia, substrate.c44);
  Elimination e;
  for (int k = 3; k >= 1; --k) {
    const long double qh = q * stack.thicknessM[k - 1];
    if (qh > 0 && !EliminateLayer(e, MediumAt(stack, k, v), qh)) return std::nullopt;
  }
  return e.Close(HalfSpaceStiffness(substrate));
}
