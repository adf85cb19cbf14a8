#pragma once
#include <cstddef>
#include <functional>

// Runs work(begin, end) over consecutive slices of [0, count), each thread taking the next
// free slice, on the calling thread and threads - 1 others, and returns once all are done. The
// calling thread's floating-point fault flags are kept as they were, so work may raise flags;
// it must not throw.
void RunSlices(std::size_t count, std::size_t slice, unsigned threads,
               const std::function<void(std::size_t, std::size_t)>& work);
