#include "ui/detg_prefetch.h"

#include "model/fp_fault.h"

namespace {
// About 30 ms of work on two cores: the window repaints and shows progress between batches.
constexpr std::size_t kBatch = 4096;
}  // namespace

void DetGPrefetch::Start(std::unique_ptr<DetGInputSource> source,
                         std::function<void(double)> progress) {
  source_ = std::move(source);
  progress_ = std::move(progress);
  inputs_.clear();
  outcomes_.clear();
  cursor_ = taken_ = leftToCaller_ = diverged_ = 0;
}

void DetGPrefetch::Stop() {
  source_.reset();
  progress_ = nullptr;
  inputs_.clear();
  outcomes_.clear();
  cursor_ = 0;
}

bool DetGPrefetch::Refill() {
  if (progress_) progress_(source_->Fraction());
  inputs_.clear();
  {
    // The source repeats the computation's own arithmetic; its flags are not the computation's.
    const FloatingPointFlagsKept kept;
    StackInputs in;
    while (inputs_.size() < kBatch && source_->Next(in)) inputs_.push_back(in);
  }
  outcomes_ = EvaluateDetGBatch(inputs_, EvaluationThreads());
  cursor_ = 0;
  return !inputs_.empty();
}

const ComplexLD* DetGPrefetch::Take(const StackInputs& in) {
  if (!source_) return nullptr;
  if (cursor_ == inputs_.size() && !Refill()) {
    Stop();
    return nullptr;
  }
  if (!SameStackInputs(inputs_[cursor_], in)) {
    ++diverged_;
    Stop();
    return nullptr;
  }
  const DetGOutcome& outcome = outcomes_[cursor_++];
  if (!outcome.ok) {
    ++leftToCaller_;
    return nullptr;
  }
  ++taken_;
  return &outcome.det;
}
