#include "fitting/mode_grid.h"

#include <algorithm>
#include <cmath>

#include "base/fp_fault.h"
#include "model/bounded_real.h"
#include "model/parallel_detg.h"

namespace {

// Velocities evaluated between two looks at the cancellation.
constexpr std::size_t kChunk = 2048;
// Covers the 80-bit roundings of the division, the rotation and the square of both values
// (a few times 2^-64 of their size) many times over.
constexpr long double kRoundingShare = 1e-15L;
// |cos| + |sin| of the projection's phase is at most sqrt 2.
constexpr long double kPhaseSum = 1.5L;

struct Point {
  StackInputs in;
  CertifiedDetG certified;
  ComplexLD divided;  // the 80-bit quotient once exact
  bool exact = false;
};

long double Square(const ComplexLD& z) { return z.re * z.re + z.im * z.im; }

ComplexLD CertifiedDivided(const ModeFunction& fn, const Point& p) {
  return fn.Divided(p.in, {p.certified.re, p.certified.im});
}

// Evaluates the given points in 80 bits on every core, in chunks, in grid order.
bool MakeExact(const ModeFunction& fn, std::vector<Point>& points,
               const std::vector<std::size_t>& which, const std::function<bool()>& cancelled) {
  ComplexMatrix matrix;
  for (std::size_t begin = 0; begin < which.size(); begin += kChunk) {
    if (cancelled && cancelled()) return false;
    const std::size_t end = std::min(which.size(), begin + kChunk);
    std::vector<StackInputs> inputs;
    for (std::size_t k = begin; k < end; ++k) inputs.push_back(points[which[k]].in);
    const std::vector<DetGOutcome> outcomes = EvaluateDetGBatch(inputs, EvaluationThreads());
    for (std::size_t k = 0; k < inputs.size(); ++k) {
      Point& p = points[which[begin + k]];
      const ComplexLD det = outcomes[k].ok ? outcomes[k].det : EvaluateDetG(p.in, matrix);
      p.divided = fn.Divided(p.in, det);
      p.exact = true;
    }
  }
  return true;
}

bool Certify(std::vector<Point>& points, const std::function<bool()>& cancelled) {
  for (std::size_t begin = 0; begin < points.size(); begin += kChunk) {
    if (cancelled && cancelled()) return false;
    const std::size_t end = std::min(points.size(), begin + kChunk);
    std::vector<StackInputs> inputs;
    for (std::size_t i = begin; i < end; ++i) inputs.push_back(points[i].in);
    const std::vector<CertifiedDetG> values =
        EvaluateDetGCertifiedBatch(inputs, EvaluationThreads());
    for (std::size_t i = begin; i < end; ++i) points[i].certified = values[i - begin];
  }
  return true;
}

std::vector<std::size_t> Where(const std::vector<Point>& points,
                               const std::function<bool(const Point&)>& pick) {
  std::vector<std::size_t> which;
  for (std::size_t i = 0; i < points.size(); ++i)
    if (pick(points[i])) which.push_back(i);
  return which;
}

// Whose 80-bit quotient may be the largest: every point whose square could reach the largest
// square known to be attained. The others are proven smaller than one of these.
std::vector<std::size_t> LargestCandidates(const ModeFunction& fn,
                                           const std::vector<Point>& points) {
  const FloatingPointFlagsKept kept;
  std::vector<long double> high(points.size());
  long double attained = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& p = points[i];
    if (p.exact) {
      attained = std::max(attained, Square(p.divided));
      continue;
    }
    const long double square = Square(CertifiedDivided(fn, p));
    const long double rel = p.certified.rel * kBoundSlack;
    high[i] = square * (1 + rel) * (1 + rel) * (1 + kRoundingShare);
    attained = std::max(attained, square * (1 - rel) * (1 - rel) * (1 - kRoundingShare));
  }
  std::vector<std::size_t> which;
  for (std::size_t i = 0; i < points.size(); ++i)
    if (!points[i].exact && !(high[i] < attained)) which.push_back(i);
  return which;
}

// The first exact quotient of largest modulus, as a scan over every point in 80 bits finds it.
ComplexLD LargestExact(const std::vector<Point>& points) {
  ComplexLD largest;
  long double largestSquare = -1;
  for (const Point& p : points) {
    if (!p.exact) continue;
    const long double square = Square(p.divided);
    if (square > largestSquare) {
      largestSquare = square;
      largest = p.divided;
    }
  }
  return largest;
}

}  // namespace

int ProvenSign(const ModeFunction& fn, const RealProjection& real, const StackInputs& in,
               const CertifiedDetG& det) {
  if (!det.certified) return 0;
  const FloatingPointFlagsKept kept;
  const ComplexLD divided = fn.Divided(in, {det.re, det.im});
  const long double size = hypotl(det.re, det.im);
  const long double scale = hypotl(divided.re, divided.im) / size;
  const long double bound = kPhaseSum * (det.AbsoluteBound() + kRoundingShare * size) * scale;
  const long double p = real(divided);
  if (!(fabsl(p) > bound * (1 + kRoundingShare))) return 0;
  return p > 0 ? 1 : -1;
}

std::optional<ProjectedScan> ProjectedGrid(const ModeFunction& fn,
                                           const std::vector<long double>& grid,
                                           GridNumerics numerics,
                                           const std::function<bool()>& cancelled) {
  std::vector<Point> points(grid.size());
  for (std::size_t i = 0; i < grid.size(); ++i) points[i].in = fn.InputsAt(grid[i]);
  const auto uncertified = [](const Point& p) { return !p.certified.certified; };
  if (numerics == GridNumerics::Certified && !Certify(points, cancelled)) return std::nullopt;
  if (!MakeExact(fn, points, Where(points, uncertified), cancelled)) return std::nullopt;
  if (!MakeExact(fn, points, LargestCandidates(fn, points), cancelled)) return std::nullopt;

  const RealProjection real(LargestExact(points));
  std::vector<int> signs(points.size());
  for (std::size_t i = 0; i < points.size(); ++i)
    if (!points[i].exact) signs[i] = ProvenSign(fn, real, points[i].in, points[i].certified);
  std::vector<std::size_t> unproven;
  for (std::size_t i = 0; i < points.size(); ++i)
    if (!points[i].exact && signs[i] == 0) unproven.push_back(i);
  if (!MakeExact(fn, points, unproven, cancelled)) return std::nullopt;

  std::vector<GridValue> values(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& p = points[i];
    values[i] = {p.in.v, p.exact ? real(p.divided) : static_cast<long double>(signs[i]), p.exact};
  }
  return ProjectedScan{real, std::move(values)};
}
