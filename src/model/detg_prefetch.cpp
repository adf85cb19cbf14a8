#include "model/detg_prefetch.h"

#include <algorithm>

#include "base/fp_fault.h"
#include "base/slice_threads.h"
#include "base/worker_pool.h"
#include "model/lanes.h"

namespace {
// About 30 ms of work on two cores in 80 bits, and about 10 ms certified: the window repaints
// and shows progress between batches, and fewer batches hand over less between threads.
constexpr std::size_t kBatch = 4096;
constexpr std::size_t kCertifiedBatch = 16384;

// Every input in 80 bits.
std::vector<DetGOutcome> EvaluateExactly(const ListedInputs& inputs, unsigned threads) {
  std::vector<StackInputs> all;
  all.reserve(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) all.push_back(inputs.At(i));
  return EvaluateDetGBatch(all, threads);
}

// Whole groups to a slice; a multiple of the lanes where several fit, so that the inputs of one
// wave in a slice (one from each map node) fill every lane.
std::size_t GroupsPerSlice(std::size_t groupSize) {
  const std::size_t fit = std::max<std::size_t>(1, kCertifiedSlice / groupSize);
  return fit < kLanes ? fit : fit - fit % kLanes;
}

}  // namespace

// Certified values first, each slice of whole groups deciding its own; the inputs of the groups
// they do not settle in 80 bits.
DetGPrefetch::Outcomes DetGPrefetch::EvaluateGroups(const ListedInputs& inputs,
                                                    const CertifiedGroups& groups) {
  const unsigned threads = EvaluationThreads();
  if (groups.size == 0) return {EvaluateExactly(inputs, threads), {}};
  const std::size_t size = groups.size;
  Outcomes outcomes{std::vector<DetGOutcome>(inputs.size()),
                    std::vector<std::optional<GroupDecision>>((inputs.size() + size - 1) / size)};
  const std::size_t slice = size * GroupsPerSlice(size);
  RunSlices(inputs.size(), slice, threads, [&](std::size_t begin, std::size_t end) {
    thread_local std::vector<CertifiedDetG> certified;
    certified.resize(end - begin);
    for (std::size_t from = begin; from < end; from += kCertifiedSlice)
      EvaluateDetGCertifiedSlice(inputs, from, std::min(end, from + kCertifiedSlice),
                                 &certified[from - begin]);
    for (std::size_t first = begin; first + size <= end; first += size) {
      std::optional<GroupDecision>& decision = outcomes.ofGroup[first / size];
      decision = groups.decided(inputs.Waves() + first, &certified[first - begin]);
      if (!decision) continue;
      for (std::size_t i = first; i < first + size; ++i)
        outcomes.each[i].certified = certified[i - begin];
    }
  });
  std::vector<std::size_t> undecided;
  for (std::size_t begin = 0; begin < inputs.size(); begin += size)
    if (!outcomes.ofGroup[begin / size])
      for (std::size_t i = begin; i < std::min(inputs.size(), begin + size); ++i)
        undecided.push_back(i);
  std::vector<StackInputs> exactInputs;
  for (std::size_t i : undecided) exactInputs.push_back(inputs.At(i));
  const std::vector<DetGOutcome> exact = EvaluateDetGBatch(exactInputs, threads);
  for (std::size_t k = 0; k < undecided.size(); ++k) outcomes.each[undecided[k]] = exact[k];
  return outcomes;
}

void DetGPrefetch::Start(std::unique_ptr<DetGInputSource> source,
                         std::function<void(double)> progress, CertifiedGroups groups) {
  Stop();
  source_ = std::move(source);
  progress_ = std::move(progress);
  groups_ = std::move(groups);
  taken_ = leftToCaller_ = diverged_ = takenCertified_ = 0;
  // The storage of the last computation's batch serves again.
  std::unique_ptr<ListedInputs> inputs = std::move(inputs_);
  ListInputs(inputs);
  next_ = Launch(std::move(inputs));
}

void DetGPrefetch::Stop() {
  if (next_.outcomes.valid()) next_.outcomes.wait();
  next_ = {};
  source_.reset();
  progress_ = nullptr;
  groups_ = {};
  if (inputs_) inputs_->Clear();
  pendingWaves_.clear();
  outcomes_ = {};
  cursor_ = 0;
}

void DetGPrefetch::ListInputs(std::unique_ptr<ListedInputs>& inputs) {
  if (!inputs) inputs = std::make_unique<ListedInputs>();
  inputs->Clear();
  // Whole groups only, so that a batch never splits one; a source's runs are whole groups.
  const std::size_t size =
      groups_.size > 0 ? kCertifiedBatch - kCertifiedBatch % groups_.size : kBatch;
  // The source repeats the computation's own arithmetic; its flags are not the computation's.
  const FloatingPointFlagsKept kept;
  inputs->Reserve(size);
  for (;;) {
    if (pendingWaves_.empty() && !source_->Next(pendingStack_, pendingWaves_)) return;
    if (!inputs->empty() && inputs->size() + pendingWaves_.size() > size) return;
    inputs->Add(pendingStack_, pendingWaves_.data(), pendingWaves_.size());
    pendingWaves_.clear();
  }
}

DetGPrefetch::Batch DetGPrefetch::Launch(std::unique_ptr<ListedInputs> inputs) {
  Batch batch;
  if (inputs->empty()) return batch;
  // The batch owns its inputs until its evaluation has been waited for.
  batch.outcomes = InBackground<Outcomes>(
      [in = inputs.get(), groups = groups_] { return EvaluateGroups(*in, groups); });
  batch.inputs = std::move(inputs);
  return batch;
}

bool DetGPrefetch::Advance() {
  if (progress_) progress_(source_->Fraction());
  if (!next_.inputs) return false;
  // The batch replayed last lends its storage to the inputs after the next one, which are
  // listed while the next one is still being evaluated.
  std::unique_ptr<ListedInputs> following = std::move(inputs_);
  ListInputs(following);
  Outcomes ready = next_.outcomes.get();
  std::unique_ptr<ListedInputs> readyInputs = std::move(next_.inputs);
  next_ = Launch(std::move(following));
  // Freeing the outcomes replayed last takes a while: the cores evaluate meanwhile.
  outcomes_ = std::move(ready);
  inputs_ = std::move(readyInputs);
  cursor_ = 0;
  return true;
}

const ComplexLD* DetGPrefetch::Take(const StackInputs& in) {
  if (!source_) return nullptr;
  if ((!inputs_ || cursor_ == inputs_->size()) && !Advance()) {
    Stop();
    return nullptr;
  }
  if (!inputs_->Holds(cursor_, in)) {
    ++diverged_;
    Stop();
    return nullptr;
  }
  const DetGOutcome& outcome = outcomes_.each[cursor_++];
  if (!outcome.ok) {
    ++leftToCaller_;
    return nullptr;
  }
  ++taken_;
  return &outcome.det;
}

bool DetGPrefetch::TakeCertified(const StackInputs& stack, const WavePoint* waves,
                                 std::size_t n, CertifiedDetG* det, GroupDecision& decision) {
  if (!source_) return false;
  if ((!inputs_ || cursor_ == inputs_->size()) && !Advance()) {
    Stop();
    return false;
  }
  if (n != groups_.size || cursor_ % n != 0 || cursor_ + n > inputs_->size()) return false;
  const std::optional<GroupDecision>& settled = outcomes_.ofGroup[cursor_ / n];
  if (!settled || !inputs_->HoldsRun(cursor_, stack, waves, n)) return false;
  for (std::size_t k = 0; k < n; ++k)
    if (!outcomes_.each[cursor_ + k].certified.certified) return false;
  for (std::size_t k = 0; k < n; ++k) det[k] = outcomes_.each[cursor_ + k].certified;
  decision = *settled;
  cursor_ += n;
  takenCertified_ += n;
  return true;
}
