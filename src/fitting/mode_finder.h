#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fitting/mode_grid.h"
#include "model/parallel_detg.h"

// A surface mode of the stack at one wave number: "R", "S_1", "S_2", ... and its phase velocity.
struct Mode {
  std::string label;
  long double velocity = 0;  // m/s
};

// "R" for the slowest mode, then "S_1", "S_2", ...
std::string ModeLabel(std::size_t index);

// The wave number probed at an angle of incidence (degrees) and laser line (nm):
// q = 12.566368 sin(theta) / lambda, theta = angle * 0.01745277777777778, lambda in metres.
long double ScatteringWaveNumber(long double angleDeg, long double laserNm);
// The frequency (GHz) of a mode of velocity v (m/s) at that angle: 2 v sin(theta) / lambda_nm.
long double ModeFrequencyGHz(long double v, long double angleDeg, long double laserNm);

// The velocity below which no mode exists: 0.874 sqrt(m / rho_max), with m the least of
// c44 + min(c12, 0) (in Pa) and rho_max the largest density over the substrate and the layers
// that have a thickness. Why: a mode's (q v)^2 is the ratio of its strain energy to its
// kinetic energy, integrated over the stack. In plane strain |tr e|^2 <= 2 |e|^2, so every
// medium's energy density is at least m times 2 |e|^2, the energy of a medium with c44 = 1
// and c12 = 0; and over a half-space with a free surface the ratio of that energy to the
// integral of |u|^2 is at least q^2 times the square of that medium's Rayleigh velocity,
// 0.87403. Without a positive m (an unstable medium) the search starts at 1e-3 vT_0.
long double LowestModeBound(const StackInputs& stack);

// Every zero of det_g at wave number q between LowestModeBound and the substrate's transverse
// bulk velocity, ascending and labelled, each refined to 1e-6 m/s; det_g's zeros at the layer
// bulk velocities are not modes and are never reported. The stack's v and q are ignored.
// Any two modes more than 0.5 m/s apart are both found. A floating-point fault of an
// evaluation propagates as FloatingPointFault. Returns nothing once `cancelled` says so.
// The refinement is always in 80 bits, on the calling thread; the grid's numerics and the
// threads that share its evaluation change the speed, not the modes. With the certified
// numerics and a stack of stable media the grid is evaluated only where its mode counts are
// taken (CountedSearch), and wholly where they cannot be: again the same modes.
std::optional<std::vector<Mode>> FindModes(const StackInputs& stack, long double q,
                                           const std::function<bool()>& cancelled = {},
                                           GridNumerics numerics = GridNumerics::Certified,
                                           unsigned threads = EvaluationThreads());
