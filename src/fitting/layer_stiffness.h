#pragma once
#include <optional>

// The stiffness of isotropic media in sagittal-plane motion at one wave number q and phase
// velocity v, in units without dimension: depth times q, constants in GPa, tractions over q G.
// Displacements (u_x, w) and tractions (sigma_xz, s) with u_z = i w and sigma_zz = i s make
// every matrix real, and every stiffness matrix symmetric.

struct Matrix2 {
  long double m[2][2] = {};
};

Matrix2 operator+(const Matrix2& a, const Matrix2& b);
Matrix2 operator-(const Matrix2& a, const Matrix2& b);
Matrix2 operator*(const Matrix2& a, const Matrix2& b);
// Nothing where the determinant is 0.
std::optional<Matrix2> Inverse(const Matrix2& a);

// One medium: c11 and c44 in GPa and rho v^2 / G, the squared velocity in the same unit.
struct ScaledMedium {
  long double c11 = 0, c44 = 0, inertia = 0;
};

// The forces on a layer's two faces from the displacements of its two faces, each block
// acting on (u_x, w), the upper face first.
struct LayerStiffness {
  Matrix2 upperUpper, upperLower, lowerUpper, lowerLower;
};

// The layer of scaled thickness qh > 0: through the exact transfer matrix
// exp(A qh) = C(A^2) + A S(A^2), with C(x) = cosh(qh sqrt x) and S(x) = sinh(qh sqrt x) / sqrt x,
// entire in x, so that nothing is singular at the layer's bulk velocities. Nothing where the
// transfer matrix's displacement-to-traction block is singular (a resonance of the layer held
// at both faces).
std::optional<LayerStiffness> LayerStiffnessOf(const ScaledMedium& medium, long double qh);

// The force on the top of the substrate from its displacement, carried by the two waves that
// decay into it; for an inertia below c44.
Matrix2 HalfSpaceStiffness(const ScaledMedium& medium);
