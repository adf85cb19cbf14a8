#include "base/slice_threads.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "base/fp_fault.h"

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

void RunSlices(std::size_t count, std::size_t slice, unsigned threads,
               const std::function<void(std::size_t, std::size_t)>& work) {
  std::atomic<std::size_t> next{0};
  std::vector<std::jthread> helpers;  // joined on the way out
  for (unsigned t = 1; t < threads; ++t)
    helpers.emplace_back([&] { TakeSlices(count, slice, next, work); });
  const FloatingPointFlagsKept kept;
  TakeSlices(count, slice, next, work);
}
