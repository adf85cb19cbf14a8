#pragma once
#include <cstddef>
#include <functional>

// The kept threads that share work meant for `threads` cores with its caller: one on each core
// (the caller's own core may be taken by a busy thread), none for a single core.
unsigned KeptHelpers(unsigned threads);

// Runs work(begin, end) over consecutive slices of [0, count), each thread taking the next
// free slice, on the calling thread and KeptHelpers(threads) others, and returns once all are
// done. The calling thread's floating-point fault flags are kept as they were, so work may
// raise flags; it must not throw.
void RunSlices(std::size_t count, std::size_t slice, unsigned threads,
               const std::function<void(std::size_t, std::size_t)>& work);
