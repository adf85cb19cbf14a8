#include "fitting/certified_correlator.h"

#include <gtest/gtest.h>

#include <vector>

#include "../model_stack_defaults.h"
#include "fitting/correlator_sum.h"
#include "fitting/map_layout.h"

namespace {

// The measured points of one node: n velocities of the default stack at a wave-number scale,
// with their 80-bit moduli and certified values.
struct Node {
  std::vector<CertifiedDetG> certified;
  long double absR[14] = {}, absS1[14] = {};
};

Node NodeAt(const std::vector<long double>& velocities, long double qScale) {
  Node node;
  ComplexMatrix m;
  for (std::size_t k = 0; k < velocities.size(); ++k) {
    StackInputs in = DefaultStack(velocities[k]);
    in.q *= qScale;
    long double& modulus = k % 2 == 0 ? node.absR[k / 2] : node.absS1[k / 2];
    modulus = Modulus(EvaluateDetG(in, m, DetGNumerics::Reference));
    node.certified.push_back(EvaluateDetGCertified(in));
  }
  return node;
}

// Nodes of 2 to 28 points, from the whole velocity range down to within 1e-6 m/s of the
// default stack's R and S_1 modes, where det_g nearly vanishes.
std::vector<Node> Nodes() {
  std::vector<Node> nodes;
  for (long double scale : {0.7L, 1.0L, 1.2L})
    for (std::size_t n = 2; n <= 28; n += 13) {
      std::vector<long double> v;
      for (std::size_t k = 0; k < n; ++k) v.push_back(3000 + 97.3L * k);
      nodes.push_back(NodeAt(v, scale));
    }
  for (long double offset : {1e-2L, 1e-4L, 1e-6L})
    nodes.push_back(NodeAt({3689.9359L + offset, 4542.0505L - offset}, 1));
  return nodes;
}

TEST(CertifiedCorrelator, HoldsTheExtendedFigureAndSettlesTheClassesItProves) {
  std::size_t settled = 0, asked = 0;
  for (const Node& node : Nodes()) {
    const std::size_t n = node.certified.size();
    const long double g1 = CorrelatorFromModuli(node.absR, node.absS1, 1);
    // Scales that put the figure inside classes 1, 2, 5 and 9 and on two thresholds.
    for (long double target : {1.5L, 4.5L, 30.0L, 1000.0L, 6.0L, 192.0L}) {
      const long double z = g1 / target;
      const long double g80 = CorrelatorFromModuli(node.absR, node.absS1, z);
      const CorrelatorInterval g = CertifiedCorrelator(node.certified.data(), n, z);
      ASSERT_LE(g.low, g80);
      ASSERT_GE(g.high, g80);
      const std::optional<CertifiedNodeFigure> figure =
          MapNodeCorrelatorFrom(node.certified.data(), n, z);
      if (target == 6 || target == 192) {
        EXPECT_FALSE(figure) << "a figure within its bound of a threshold";
        continue;
      }
      ++asked;
      if (!figure) continue;
      ++settled;
      EXPECT_EQ(MapClass(figure->g), MapClass(g80));
      if (figure->exportable) {
        EXPECT_LE(fabsl(figure->g - g80), kExportRelativeBound * g80);
      }
    }
  }
  EXPECT_GT(settled, asked * 9 / 10);
}

TEST(CertifiedCorrelator, ExportsTightFiguresAndLeavesUncertifiedNodesToTheExtendedPath) {
  CertifiedDetG det[2] = {{true, 2e138, 1e138, 1e-13}, {true, -1e137, 3e137, 1e-13}};
  ASSERT_TRUE(MapNodeCorrelatorFrom(det, 2, 1)->exportable);
  // A loose bound on the small term weighs little; on the large one it exceeds the export's.
  det[1].rel = 1e-8;
  EXPECT_TRUE(MapNodeCorrelatorFrom(det, 2, 1)->exportable);
  det[0].rel = 1e-8;
  EXPECT_FALSE(MapNodeCorrelatorFrom(det, 2, 1)->exportable);
  det[0] = {};
  EXPECT_FALSE(MapNodeCorrelatorFrom(det, 2, 1));
  EXPECT_FALSE(MapNodeCorrelatorFrom(det, 0, 1)) << "no measured points";
}

TEST(CertifiedCorrelator, MapGroupsSettleWholeNodes) {
  const CertifiedDetG det[4] = {{true, 2e138, 0, 1e-13}, {true, 1e138, 0, 1e-13},
                                {true, 2e138, 0, 1e-13}, {true, 1e138, 0, 1e-13}};
  const CertifiedGroups groups = MapNodeGroups(4, 1);
  EXPECT_EQ(groups.size, 4u);
  EXPECT_TRUE(groups.decided(nullptr, det));
  // sqrt(10) x 1e138 / (sqrt(10) / 3 x 1e138) is 3 up to rounding: a threshold.
  EXPECT_FALSE(MapNodeGroups(4, sqrtl(10) / 3).decided(nullptr, det));
}

}  // namespace
