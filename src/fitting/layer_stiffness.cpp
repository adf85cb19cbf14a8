#include "fitting/layer_stiffness.h"

#include <cmath>

namespace {

using Matrix4 = long double[4][4];

// dy/dz for y = (u_x, w, sigma_xz, s) of a wave exp(i q x) in the medium.
void SystemMatrix(const ScaledMedium& m, Matrix4 a) {
  const long double lambda = m.c11 - 2 * m.c44;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) a[r][c] = 0;
  a[0][1] = 1;
  a[0][2] = 1 / m.c44;
  a[1][0] = -lambda / m.c11;
  a[1][3] = 1 / m.c11;
  a[2][0] = 4 * m.c44 * (lambda + m.c44) / m.c11 - m.inertia;
  a[2][3] = lambda / m.c11;
  a[3][1] = -m.inertia;
  a[3][2] = -1;
}

void Multiply(const Matrix4 a, const Matrix4 b, Matrix4 out) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      long double sum = 0;
      for (int k = 0; k < 4; ++k) sum += a[r][k] * b[k][c];
      out[r][c] = sum;
    }
}

// cosh(qh sqrt x) and sinh(qh sqrt x) / sqrt x, continued through x <= 0.
struct EvenOdd {
  long double even, odd;
};
EvenOdd EvenOddAt(long double x, long double qh) {
  if (x > 0) {
    const long double root = sqrtl(x);
    return {coshl(qh * root), sinhl(qh * root) / root};
  }
  if (x < 0) {
    const long double root = sqrtl(-x);
    return {cosl(qh * root), sinl(qh * root) / root};
  }
  return {1, qh};
}

// f(A^2) = f(x2) + (f(x1) - f(x2)) / (x1 - x2) (A^2 - x2): exact, since A^2 has no other
// eigenvalues than x1 and x2, which differ.
void Interpolated(const Matrix4 a2, long double x1, long double x2, long double f1,
                  long double f2, Matrix4 out) {
  const long double slope = (f1 - f2) / (x1 - x2);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      const bool diagonal = r == c;
      out[r][c] = slope * (a2[r][c] - (diagonal ? x2 : 0)) + (diagonal ? f2 : 0);
    }
}

Matrix2 Block(const Matrix4 p, int row, int column) {
  Matrix2 b;
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) b.m[r][c] = p[row + r][column + c];
  return b;
}

}  // namespace

Matrix2 operator+(const Matrix2& a, const Matrix2& b) {
  Matrix2 s;
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) s.m[r][c] = a.m[r][c] + b.m[r][c];
  return s;
}

Matrix2 operator-(const Matrix2& a, const Matrix2& b) {
  Matrix2 s;
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) s.m[r][c] = a.m[r][c] - b.m[r][c];
  return s;
}

Matrix2 operator*(const Matrix2& a, const Matrix2& b) {
  Matrix2 p;
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) p.m[r][c] = a.m[r][0] * b.m[0][c] + a.m[r][1] * b.m[1][c];
  return p;
}

std::optional<Matrix2> Inverse(const Matrix2& a) {
  const long double det = a.m[0][0] * a.m[1][1] - a.m[0][1] * a.m[1][0];
  if (det == 0) return std::nullopt;
  Matrix2 i;
  i.m[0][0] = a.m[1][1] / det;
  i.m[1][1] = a.m[0][0] / det;
  i.m[0][1] = -a.m[0][1] / det;
  i.m[1][0] = -a.m[1][0] / det;
  return i;
}

std::optional<LayerStiffness> LayerStiffnessOf(const ScaledMedium& medium, long double qh) {
  Matrix4 a, a2, even, odd, aOdd;
  SystemMatrix(medium, a);
  Multiply(a, a, a2);
  const long double x1 = 1 - medium.inertia / medium.c11, x2 = 1 - medium.inertia / medium.c44;
  const EvenOdd f1 = EvenOddAt(x1, qh), f2 = EvenOddAt(x2, qh);
  Interpolated(a2, x1, x2, f1.even, f2.even, even);
  Interpolated(a2, x1, x2, f1.odd, f2.odd, odd);
  Multiply(a, odd, aOdd);
  Matrix4 transfer;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) transfer[r][c] = even[r][c] + aOdd[r][c];
  // y(qh) = transfer y(0); the forces on the layer are -t(0) on the upper face, t(qh) below.
  const Matrix2 p11 = Block(transfer, 0, 0), p12 = Block(transfer, 0, 2);
  const Matrix2 p21 = Block(transfer, 2, 0), p22 = Block(transfer, 2, 2);
  const std::optional<Matrix2> q = Inverse(p12);
  if (!q) return std::nullopt;
  const Matrix2 qp11 = *q * p11, none{};
  return LayerStiffness{qp11, none - *q, p21 - p22 * qp11, p22 * *q};
}

Matrix2 HalfSpaceStiffness(const ScaledMedium& medium) {
  const long double rL = sqrtl(1 - medium.inertia / medium.c11);
  const long double rT = sqrtl(1 - medium.inertia / medium.c44);
  const long double mu2 = 2 * medium.c44, cross = medium.inertia - mu2;
  // Displacements and tractions of the longitudinal and the transverse decaying wave, by
  // column.
  const Matrix2 displacement{{{1, rT}, {rL, 1}}};
  const Matrix2 traction{{{-mu2 * rL, cross}, {cross, -mu2 * rT}}};
  const Matrix2 none{};
  return none - traction * *Inverse(displacement);
}
