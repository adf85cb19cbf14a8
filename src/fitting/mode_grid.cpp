#include "fitting/mode_grid.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/slice_threads.h"
#include "model/bounded_real.h"
#include "model/parallel_detg.h"

namespace {

// Velocities evaluated between two looks at the cancellation.
constexpr std::size_t kChunk = 2048;
// Velocities a thread takes at a time.
constexpr std::size_t kSlice = 32;
// Covers the 80-bit roundings of the division, the rotation and the square of both values
// (a few times 2^-64 of their size) many times over.
constexpr long double kRoundingShare = 1e-15L;
// |cos| + |sin| of the projection's phase is at most sqrt 2.
constexpr long double kPhaseSum = 1.5L;

struct Point {
  long double v = 0;  // as InputsAt moved the grid velocity
  CertifiedDetG certified;
  // While only certified: the certified det_g turned as the quotient is; once exact: the
  // 80-bit quotient.
  ComplexLD value;
  // Bounds on the square of the 80-bit quotient's modulus, while only certified.
  long double high = 0, low = 0;
  bool exact = false;
  int sign = 0;  // the proven sign, while only certified
};

long double Square(const ComplexLD& z) { return z.re * z.re + z.im * z.im; }

// What follows from the certified value of one grid velocity alone.
void FollowFromCertified(const ModeFunction& fn, const StackInputs& in, Point& p) {
  p.v = in.v;
  if (!p.certified.certified) return;
  const ModeFunction::Scale scale = fn.ScaleAt(in);
  p.value = Turned({p.certified.re, p.certified.im}, scale.turns);
  const long double square = Square(p.value) / scale.squaredMagnitude;
  const long double rel = p.certified.rel * kBoundSlack;
  p.high = square * (1 + rel) * (1 + rel) * (1 + kRoundingShare);
  p.low = square * (1 - rel) * (1 - rel) * (1 - kRoundingShare);
}

// The certified values of count grid velocities (at most kSlice), evaluated side by side.
void CertifySlice(const ModeFunction& fn, const long double* grid, std::size_t count,
                  Point* points) {
  std::array<StackInputs, kSlice> in;
  std::array<CertifiedDetG, kSlice> det;
  for (std::size_t i = 0; i < count; ++i) in[i] = fn.InputsAt(grid[i]);
  EvaluateDetGCertifiedLanes(in.data(), count, det.data());
  for (std::size_t i = 0; i < count; ++i) {
    points[i].certified = det[i];
    FollowFromCertified(fn, in[i], points[i]);
  }
}

bool Certify(const ModeFunction& fn, const std::vector<long double>& grid,
             std::vector<Point>& points, unsigned threads,
             const std::function<bool()>& cancelled) {
  for (std::size_t begin = 0; begin < grid.size(); begin += kChunk) {
    if (cancelled && cancelled()) return false;
    const std::size_t count = std::min(grid.size() - begin, kChunk);
    RunSlices(count, kSlice, threads, [&](std::size_t from, std::size_t to) {
      CertifySlice(fn, &grid[begin + from], to - from, &points[begin + from]);
    });
  }
  return true;
}

// Evaluates the given points in 80 bits on the given threads, in chunks, in grid order.
bool MakeExact(const ModeFunction& fn, const std::vector<long double>& grid,
               std::vector<Point>& points, const std::vector<std::size_t>& which,
               unsigned threads, const std::function<bool()>& cancelled) {
  ComplexMatrix matrix;
  for (std::size_t begin = 0; begin < which.size(); begin += kChunk) {
    if (cancelled && cancelled()) return false;
    const std::size_t end = std::min(which.size(), begin + kChunk);
    std::vector<StackInputs> inputs;
    for (std::size_t k = begin; k < end; ++k) inputs.push_back(fn.InputsAt(grid[which[k]]));
    const std::vector<DetGOutcome> outcomes = EvaluateDetGBatch(inputs, threads);
    for (std::size_t k = 0; k < inputs.size(); ++k) {
      Point& p = points[which[begin + k]];
      const ComplexLD det = outcomes[k].ok ? outcomes[k].det : EvaluateDetG(inputs[k], matrix);
      p.v = inputs[k].v;
      p.value = fn.Divided(inputs[k], det);
      p.exact = true;
    }
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
std::vector<std::size_t> LargestCandidates(const std::vector<Point>& points) {
  long double attained = 0;
  for (const Point& p : points) attained = std::max(attained, p.exact ? Square(p.value) : p.low);
  return Where(points, [&](const Point& p) { return !p.exact && !(p.high < attained); });
}

// The first exact quotient of largest modulus, as a scan over every point in 80 bits finds it.
ComplexLD LargestExact(const std::vector<Point>& points) {
  ComplexLD largest;
  long double largestSquare = -1;
  for (const Point& p : points) {
    if (!p.exact) continue;
    const long double square = Square(p.value);
    if (square > largestSquare) {
      largestSquare = square;
      largest = p.value;
    }
  }
  return largest;
}

void ProveSigns(const RealProjection& real, std::vector<Point>& points, unsigned threads) {
  RunSlices(points.size(), kSlice, threads, [&](std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
      Point& p = points[i];
      if (!p.exact) p.sign = ProvenSign(real, p.certified, p.value);
    }
  });
}

}  // namespace

int ProvenSign(const RealProjection& real, const CertifiedDetG& det, const ComplexLD& turned) {
  if (!det.certified) return 0;
  const long double size = std::hypot(det.re, det.im);
  const long double bound = kPhaseSum * (det.AbsoluteBound() + kRoundingShare * size);
  const long double p = real(turned);
  if (!(fabsl(p) > bound * (1 + kRoundingShare))) return 0;
  return p > 0 ? 1 : -1;
}

bool ProjectedGrid(const ModeFunction& fn, const std::vector<long double>& grid,
                   GridNumerics numerics, unsigned threads, const std::function<bool()>& cancelled,
                   ProjectedScan& scan, const std::optional<RealProjection>& given) {
  // Kept from call to call: fresh pages for every wave number cost a quarter of the search.
  thread_local std::vector<Point> points;
  points.assign(grid.size(), Point{});
  const bool certified = numerics == GridNumerics::Certified;
  if (certified && !Certify(fn, grid, points, threads, cancelled)) return false;
  const auto uncertified = [](const Point& p) { return !p.certified.certified; };
  if (!MakeExact(fn, grid, points, Where(points, uncertified), threads, cancelled)) return false;
  if (!given && !MakeExact(fn, grid, points, LargestCandidates(points), threads, cancelled))
    return false;

  const RealProjection real = given ? *given : RealProjection(LargestExact(points));
  ProveSigns(real, points, threads);
  const auto unproven = [](const Point& p) { return !p.exact && p.sign == 0; };
  if (!MakeExact(fn, grid, points, Where(points, unproven), threads, cancelled)) return false;

  scan.projection = real;
  scan.values.resize(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& p = points[i];
    scan.values[i] = {p.v, p.exact ? real(p.value) : static_cast<long double>(p.sign), p.exact};
  }
  return true;
}
