#include "base/slice_threads.h"

#include <algorithm>
#include <atomic>

#include "base/fp_fault.h"
#include "base/worker_pool.h"

namespace {

void TakeSlices(std::size_t count, std::size_t slice, std::atomic<std::size_t>& next,
                const std::function<void(std::size_t, std::size_t)>& work) {
  for (;;) {
    const std::size_t begin = next.fetch_add(slice);
    if (begin >= count) return;
    work(begin, std::min(count, begin + slice));
  }
}

}  // namespace

unsigned KeptHelpers(unsigned threads) { return threads > 1 ? threads : 0; }

void RunSlices(std::size_t count, std::size_t slice, unsigned threads,
               const std::function<void(std::size_t, std::size_t)>& work) {
  std::atomic<std::size_t> next{0};
  const FloatingPointFlagsKept kept;
  RunOnKeptThreads(KeptHelpers(threads), [&] { TakeSlices(count, slice, next, work); });
}
