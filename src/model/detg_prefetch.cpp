#include "model/detg_prefetch.h"

#include "base/fp_fault.h"

namespace {
// About 30 ms of work on two cores: the window repaints and shows progress between batches.
constexpr std::size_t kBatch = 4096;
}  // namespace

void DetGPrefetch::Start(std::unique_ptr<DetGInputSource> source,
                         std::function<void(double)> progress) {
  Stop();
  source_ = std::move(source);
  progress_ = std::move(progress);
  taken_ = leftToCaller_ = diverged_ = 0;
  next_ = Prepare();
}

void DetGPrefetch::Stop() {
  if (next_.outcomes.valid()) next_.outcomes.wait();
  next_ = {};
  source_.reset();
  progress_ = nullptr;
  inputs_.reset();
  outcomes_.clear();
  cursor_ = 0;
}

DetGPrefetch::Batch DetGPrefetch::Prepare() {
  auto inputs = std::make_shared<std::vector<StackInputs>>();
  {
    // The source repeats the computation's own arithmetic; its flags are not the computation's.
    const FloatingPointFlagsKept kept;
    StackInputs in;
    while (inputs->size() < kBatch && source_->Next(in)) inputs->push_back(in);
  }
  Batch batch;
  if (inputs->empty()) return batch;
  batch.outcomes = std::async(std::launch::async,
                              [inputs] { return EvaluateDetGBatch(*inputs, EvaluationThreads()); });
  batch.inputs = std::move(inputs);
  return batch;
}

bool DetGPrefetch::Advance() {
  if (progress_) progress_(source_->Fraction());
  if (!next_.inputs) return false;
  outcomes_ = next_.outcomes.get();
  inputs_ = std::move(next_.inputs);
  cursor_ = 0;
  next_ = Prepare();
  return true;
}

const ComplexLD* DetGPrefetch::Take(const StackInputs& in) {
  if (!source_) return nullptr;
  if ((!inputs_ || cursor_ == inputs_->size()) && !Advance()) {
    Stop();
    return nullptr;
  }
  if (!SameStackInputs((*inputs_)[cursor_], in)) {
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
