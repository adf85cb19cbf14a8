#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <iostream>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "../model_stack_defaults.h"
#include "model/certified_detg.h"
#include "base/fp_fault.h"

namespace {

// Evaluates det_g both ways and checks every certificate against the 80-bit value.
class Differential {
 public:
  void Check(const StackInputs& in) {
    const CertifiedDetG c = EvaluateDetGCertified(in);
    ++total_;
    ComplexLD ref;
    try {
      ref = EvaluateDetG(in, matrix_, DetGNumerics::Reference);
    } catch (const FloatingPointFault&) {
      EXPECT_FALSE(c.certified) << "v = " << static_cast<double>(in.v);
      return;
    }
    if (!c.certified) {
      ++uncertified_;
      return;
    }
    const long double error = hypotl(c.re - ref.re, c.im - ref.im);
    const long double bound = c.rel * hypotl(c.re, c.im);
    EXPECT_LE(error, bound) << "v = " << static_cast<double>(in.v) << " rel " << c.rel;
    EXPECT_LE(error, c.AbsoluteBound());
    rels_.push_back(c.rel);
  }

  double UncertifiedShare() const { return total_ ? double(uncertified_) / total_ : 0; }

  double RelQuantile(double q) {
    if (rels_.empty()) return HUGE_VAL;
    std::sort(rels_.begin(), rels_.end());
    return rels_[static_cast<std::size_t>(q * (rels_.size() - 1))];
  }

  void Report(const char* what) {
    std::cout << what << ": " << total_ << " evaluations, " << 100 * UncertifiedShare()
              << " % without certificate, rel bound median " << RelQuantile(0.5) << ", 90 % "
              << RelQuantile(0.9) << "\n";
  }

 private:
  ComplexMatrix matrix_;
  int total_ = 0, uncertified_ = 0;
  std::vector<double> rels_;
};

StackInputs RandomStack(std::mt19937_64& rng) {
  std::uniform_real_distribution<double> unit(0, 1);
  StackInputs in = DefaultStack(0);
  const long double angle = 5 + 80 * unit(rng);
  in.q = 12.566368L * sinl(angle * 0.01745277777777778L) / (532 * 1e-9L);
  for (int k = 0; k < 4; ++k) {
    in.density[k] = 1000 + 19000 * unit(rng);
    in.c11[k] = 100 + 400 * unit(rng);
    in.c12[k] = in.c11[k] * (0.1L + 0.5L * unit(rng));
    in.c44[k] = (in.c11[k] - in.c12[k]) * 0.5L;
  }
  for (int k = 0; k < 3; ++k) in.thicknessM[k] = unit(rng) < 0.15 ? 0 : 100e-9L * unit(rng);
  return in;
}

TEST(CertifiedDetG, DefaultStackAcrossVelocities) {
  Differential d;
  StackInputs in = DefaultStack(0);
  for (long double v = 500; v < 12000; v += 7.3L) {
    in.v = v;
    d.Check(in);
  }
  d.Report("default stack");
  EXPECT_LT(d.UncertifiedShare(), 0.05);
  EXPECT_LT(d.RelQuantile(0.5), 1e-7);
}

// Bisects the sign change of the real part of the 80-bit det_g between lo and hi.
long double ZeroOfRealPart(StackInputs in, long double lo, long double hi) {
  ComplexMatrix m;
  in.v = lo;
  const bool loPositive = EvaluateDetG(in, m, DetGNumerics::Reference).re > 0;
  for (int i = 0; i < 80; ++i) {
    in.v = (lo + hi) / 2;
    if ((EvaluateDetG(in, m, DetGNumerics::Reference).re > 0) == loPositive)
      lo = in.v;
    else
      hi = in.v;
  }
  return lo;
}

TEST(CertifiedDetG, ApproachingZerosOfDetG) {
  Differential d;
  StackInputs in = DefaultStack(0);
  // The Rayleigh and first Sezawa modes of the default stack.
  for (const long double zero : {ZeroOfRealPart(in, 3689, 3691), ZeroOfRealPart(in, 4541, 4543)}) {
    in.v = zero;
    d.Check(in);
    for (long double rel = 1e-2L; rel > 1e-19L; rel /= 10) {
      for (int side : {-1, 1}) {
        in.v = zero * (1 + side * rel);
        d.Check(in);
      }
    }
  }
  d.Report("approaching zeros");
  // Far enough from the zero the bound still certifies.
  EXPECT_LT(d.UncertifiedShare(), 0.7);
}

TEST(CertifiedDetG, RandomStacksAtBesideAndAwayFromBulkVelocities) {
  std::mt19937_64 rng(20240611);
  std::uniform_real_distribution<double> unit(0, 1);
  Differential at, beside, away;
  for (int stack = 0; stack < 200; ++stack) {
    StackInputs in = RandomStack(rng);
    for (int k = 0; k < 4; ++k) {
      for (long double c : {in.c11[k], in.c44[k]}) {
        const long double bulk = sqrtl(c * in.G / in.density[k]);
        for (long double rel : {0.0L, 1e-15L, 1e-12L, 1e-8L, 1e-6L, 1e-4L, 1e-2L}) {
          for (int side : {-1, 1}) {
            in.v = bulk * (1 + side * rel);
            (rel < 1e-10L ? at : beside).Check(in);
          }
        }
      }
    }
    for (int i = 0; i < 20; ++i) {
      in.v = 300 + 12000 * unit(rng);
      away.Check(in);
    }
  }
  at.Report("random stacks, at bulk velocities");
  beside.Report("random stacks, beside bulk velocities");
  away.Report("random stacks, away from bulk velocities");
  EXPECT_LT(beside.UncertifiedShare(), 0.05);
  EXPECT_LT(away.UncertifiedShare(), 0.15);
}

TEST(CertifiedDetG, NoCertificateWhereDoubleCannotFollowAndTheCallersFlagsStay) {
  ComplexMatrix m;
  StackInputs zeroShear = DefaultStack(4000);
  zeroShear.c44[2] = 0;  // the 80-bit path divides by zero
  StackInputs thick = DefaultStack(2000);
  thick.thicknessM[1] = 30e-6L;  // exponentials beyond the double range, not the 80-bit one
  StackInputs undefined = DefaultStack(4000);
  undefined.density[1] = NAN;
  ClearFloatingPointFlags();
  EXPECT_FALSE(EvaluateDetGCertified(zeroShear).certified);
  EXPECT_FALSE(EvaluateDetGCertified(thick).certified);
  EXPECT_FALSE(EvaluateDetGCertified(undefined).certified);
  EXPECT_NO_THROW(CheckFloatingPoint());
  EXPECT_THROW(EvaluateDetG(zeroShear, m, DetGNumerics::Reference), FloatingPointFault);
  // There a decaying column falls below the pivot threshold: exactly 0, no fault.
  EXPECT_EQ(EvaluateDetG(thick, m, DetGNumerics::Reference).re, 0.0L);

  std::feraiseexcept(FE_OVERFLOW);
  EXPECT_TRUE(EvaluateDetGCertified(DefaultStack(4000)).certified);
  EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
  ClearFloatingPointFlags();
}

bool SameValue(const CertifiedDetG& a, const CertifiedDetG& b) {
  return a.certified == b.certified && std::memcmp(&a.re, &b.re, sizeof a.re) == 0 &&
         std::memcmp(&a.im, &b.im, sizeof a.im) == 0 &&
         std::memcmp(&a.rel, &b.rel, sizeof a.rel) == 0;
}

// Side by side in lanes, inputs of mixed propagation patterns, repeated rows (zero
// thicknesses), velocities at bulk velocities and inputs without a certificate give what each
// gives alone, bit for bit; the caller's flags stay.
TEST(CertifiedDetG, LanesGiveTheValuesOfEachInputAlone) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<StackInputs> inputs;
  for (int stack = 0; stack < 60; ++stack) {
    StackInputs in = RandomStack(rng);
    for (int i = 0; i < 40; ++i) {
      in.v = 300 + 12000 * unit(rng);
      inputs.push_back(in);
    }
    in.v = sqrtl(in.c44[1] * in.G / in.density[1]);
    inputs.push_back(in);
  }
  StackInputs zeroShear = DefaultStack(4000), thick = DefaultStack(2000);
  StackInputs undefined = DefaultStack(4000);
  zeroShear.c44[2] = 0;
  thick.thicknessM[1] = 30e-6L;
  undefined.density[1] = NAN;
  for (const StackInputs& odd : {zeroShear, thick, undefined})
    inputs.insert(inputs.begin() + static_cast<long>(inputs.size() / 2), odd);
  inputs.pop_back();  // an odd count leaves a lane unused

  ClearFloatingPointFlags();
  std::feraiseexcept(FE_INEXACT);
  std::vector<CertifiedDetG> lanes(inputs.size());
  EvaluateDetGCertifiedLanes(inputs.data(), inputs.size(), lanes.data());
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_INEXACT);
  int certified = 0;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    EXPECT_TRUE(SameValue(lanes[i], EvaluateDetGCertified(inputs[i]))) << "input " << i;
    certified += lanes[i].certified;
  }
  EXPECT_GT(certified, static_cast<int>(inputs.size() * 3 / 4));
  ClearFloatingPointFlags();
}

// Map-like inputs: nodes differing in layer 2 (and some in layer 3 too) at a few wave numbers
// and velocities, so that lanes alike before layer 2 replay the first steps of a group recorded
// before them; among them a layer 2 at its own bulk velocity, with no shear, and undefined.
TEST(CertifiedDetG, LanesAlikeBeforeLayerTwoGiveTheValuesOfEachInputAlone) {
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<StackInputs> inputs;
  for (int stack = 0; stack < 6; ++stack) {
    const StackInputs base = RandomStack(rng);
    for (int node = 0; node < 24; ++node) {
      StackInputs in = base;
      in.c11[2] = base.c11[2] * (0.7L + 0.6L * node / 24);
      in.c44[2] = (in.c11[2] - in.c12[2]) * 0.5L;
      if (node % 5 == 0) in.density[3] *= 1.1L;
      for (long double v : {1500.0L, 3100.0L, 5200.0L}) {
        in.v = v;
        inputs.push_back(in);
      }
      if (node == 7) inputs.back().v = sqrtl(in.c44[2] * in.G / in.density[2]);
      if (node == 11) inputs.back().c44[2] = 0;
      if (node == 13) inputs.back().c11[2] = NAN;
    }
  }
  ClearFloatingPointFlags();
  for (int pass = 0; pass < 2; ++pass) {
    std::vector<CertifiedDetG> lanes(inputs.size());
    EvaluateDetGCertifiedLanes(inputs.data(), inputs.size(), lanes.data());
    for (std::size_t i = 0; i < inputs.size(); ++i)
      EXPECT_TRUE(SameValue(lanes[i], EvaluateDetGCertified(inputs[i]))) << "input " << i;
  }
  ClearFloatingPointFlags();
}

}  // namespace
