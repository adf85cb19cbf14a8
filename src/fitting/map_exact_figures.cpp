#include "fitting/map_exact_figures.h"

#include "fitting/correlator_sum.h"
#include "model/parallel_detg.h"

namespace {

// The correlator of one node from its evaluations, R then S_1 of every used angle; unused
// angles count 0. False when an evaluation faulted.
bool FigureOfNode(const SimulationState& s, const DetGOutcome* det, long double zScale,
                  long double& g) {
  long double absR[14] = {}, absS1[14] = {};
  for (int i = 0; i < 14; ++i) {
    if (s.angleRad[i] == 0) continue;
    if (!det[0].ok || !det[1].ok) return false;
    absR[i] = Modulus(det[0].det);
    absS1[i] = Modulus(det[1].det);
    det += 2;
  }
  g = CorrelatorFromModuli(absR, absS1, zScale);
  return true;
}

}  // namespace

MapRecord WithExactFigures(const MapRecord& map) {
  MapRecord exact = map;
  SimulationState s = map.start.state;
  MeasuredPoints points;
  points.Update(s);
  std::vector<WavePoint> waves;
  MapNodeWaves(points, waves);
  std::vector<StackInputs> inputs;
  std::vector<std::size_t> pending;
  for (std::size_t k = 0; k < map.nodes.size(); ++k) {
    if (!map.nodes[k].pending) continue;
    pending.push_back(k);
    StackInputs in = MapNodeStack(s, map.start.x, map.start.y, map.nodes[k].x, map.nodes[k].y);
    for (const WavePoint& w : waves) {
      in.q = w.q;
      in.v = w.v;
      inputs.push_back(in);
    }
  }
  if (pending.empty()) return exact;
  const std::vector<DetGOutcome> det = EvaluateDetGBatch(inputs, EvaluationThreads());
  const std::size_t perNode = inputs.size() / pending.size();
  for (std::size_t p = 0; p < pending.size(); ++p) {
    MapNode& node = exact.nodes[pending[p]];
    if (FigureOfNode(s, &det[p * perNode], map.start.zScale, node.g)) node.pending = false;
  }
  return exact;
}
