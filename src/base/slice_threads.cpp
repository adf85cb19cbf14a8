#include "base/slice_threads.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "base/fp_fault.h"

namespace {

void TakeSlices(std::size_t count, std::size_t slice, std::atomic<std::size_t>& next,
                const std::atomic<bool>& stopped,
                const std::function<void(std::size_t, std::size_t)>& work) {
  while (!stopped.load(std::memory_order_relaxed)) {
    const std::size_t begin = next.fetch_add(slice);
    if (begin >= count) return;
    work(begin, std::min(count, begin + slice));
  }
}

// Whichever way the caller leaves, no slice starts any more and the helpers are joined.
struct StopAndJoin {
  std::atomic<bool>& stopped;
  std::vector<std::jthread>& helpers;
  ~StopAndJoin() {
    stopped = true;
    helpers.clear();
  }
};

}  // namespace

bool RunSlices(std::size_t count, std::size_t slice, unsigned threads,
               const std::function<void(std::size_t, std::size_t)>& work,
               const std::function<bool()>& stop) {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stopped{false};
  std::vector<std::jthread> helpers;
  const StopAndJoin guard{stopped, helpers};
  for (unsigned t = 1; t < threads; ++t)
    helpers.emplace_back([&] { TakeSlices(count, slice, next, stopped, work); });
  const FloatingPointFlagsKept kept;
  const auto watched = [&](std::size_t begin, std::size_t end) {
    if (stop && stop()) {
      stopped = true;
      return;
    }
    work(begin, end);
  };
  TakeSlices(count, slice, next, stopped, watched);
  const bool whole = !stopped;
  return whole;
}
