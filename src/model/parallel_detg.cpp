#include "model/parallel_detg.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "base/fp_fault.h"
#include "base/slice_threads.h"
#include "base/worker_pool.h"
#include "model/medium_block_memo.h"

namespace {
// Inputs a thread takes at a time: large enough to keep the counter cold, small enough to
// share the tail of a batch evenly.
constexpr std::size_t kSlice = 32;

void EvaluateSlices(const std::vector<StackInputs>& inputs, std::vector<DetGOutcome>& outcomes,
                    std::atomic<std::size_t>& nextSlice) {
  ComplexMatrix matrix;
  ResizeMatrix(matrix, 14, 14);
  MediumBlockMemo memo;
  ClearFloatingPointFlags();
  for (;;) {
    const std::size_t begin = nextSlice.fetch_add(kSlice);
    if (begin >= inputs.size()) return;
    const std::size_t end = std::min(inputs.size(), begin + kSlice);
    for (std::size_t i = begin; i < end; ++i) {
      try {
        outcomes[i].det = EvaluateDetG(inputs[i], matrix, DetGNumerics::Fast, &memo);
        outcomes[i].ok = true;
      } catch (...) {
        ClearFloatingPointFlags();
      }
    }
  }
}
}  // namespace

std::vector<DetGOutcome> EvaluateDetGBatch(const std::vector<StackInputs>& inputs, unsigned threads) {
  if (inputs.empty()) return {};  // no kept thread woken for nothing
  std::vector<DetGOutcome> outcomes(inputs.size());
  std::atomic<std::size_t> nextSlice{0};
  const FloatingPointFlagsKept kept;
  RunOnKeptThreads(KeptHelpers(threads), [&] { EvaluateSlices(inputs, outcomes, nextSlice); });
  return outcomes;
}

void EvaluateDetGCertifiedSlice(const ListedInputs& inputs, std::size_t begin, std::size_t end,
                                CertifiedDetG* out) {
  const StackInputs* stacks[kCertifiedSlice];
  for (std::size_t i = begin; i < end; ++i) stacks[i - begin] = &inputs.StackOf(i);
  EvaluateDetGCertifiedLanes(stacks, inputs.Waves() + begin, end - begin, out);
}

unsigned EvaluationThreads() { return std::max(1u, std::thread::hardware_concurrency()); }
