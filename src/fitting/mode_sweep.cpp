#include "fitting/mode_sweep.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <optional>

#include "base/fp_fault.h"
#include "base/worker_pool.h"

namespace {

// How often the calling thread looks at the cancellation while it waits.
constexpr std::chrono::milliseconds kCancelLook{5};

struct Outcome {
  enum class State { Pending, Found, Failed, Stopped } state = State::Pending;
  std::vector<Mode> modes;
};

// The wave numbers' searches on kept threads, one wave number at a time on each, while the
// caller takes their outcomes in the order of the wave numbers.
class Sweep {
 public:
  // One search per core; fewer wave numbers than cores share the cores within each search.
  Sweep(const StackInputs& stack, const std::vector<long double>& qs)
      : stack_(stack), qs_(qs), outcomes_(qs.size()) {
    const std::size_t cores = EvaluationThreads();
    const std::size_t searches = std::max<std::size_t>(1, std::min(cores, qs.size()));
    searchThreads_ = static_cast<unsigned>(std::max<std::size_t>(1, cores / searches));
    const auto helpers = static_cast<unsigned>(searches - 1);
    searched_ = InBackground<void>(
        [this, helpers] { RunOnKeptThreads(helpers, [this] { Work(); }); });
  }
  ~Sweep() {  // the searches end early
    stop_ = true;
    searched_.wait();
  }

  // Waits for outcome i; Pending once `cancelled` says so.
  Outcome Take(std::size_t i, const std::function<bool()>& cancelled) {
    std::unique_lock lock(mutex_);
    const auto ready = [&] { return outcomes_[i].state != Outcome::State::Pending; };
    while (!ready()) {
      if (!cancelled) {
        changed_.wait(lock, ready);
        break;
      }
      if (changed_.wait_for(lock, kCancelLook, ready)) break;
      lock.unlock();
      if (cancelled()) return {};
      lock.lock();
    }
    return std::move(outcomes_[i]);
  }

 private:
  void Work() {
    for (;;) {
      const std::size_t i = next_.fetch_add(1);
      if (stop_ || i >= qs_.size()) return;
      Outcome outcome = Search(qs_[i]);
      {
        const std::lock_guard lock(mutex_);
        outcomes_[i] = std::move(outcome);
      }
      changed_.notify_all();
    }
  }

  // Every search starts from the flags this thread took over from the caller.
  Outcome Search(long double q) {
    const FloatingPointFlagsKept kept;
    try {
      const std::optional<std::vector<Mode>> modes =
          FindModes(stack_, q, [this] { return stop_.load(); }, GridNumerics::Certified,
                    searchThreads_);
      if (!modes) return {Outcome::State::Stopped, {}};
      return {Outcome::State::Found, *modes};
    } catch (...) {
      return {Outcome::State::Failed, {}};
    }
  }

  const StackInputs& stack_;
  const std::vector<long double>& qs_;
  std::vector<Outcome> outcomes_;
  unsigned searchThreads_ = 1;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::atomic<std::size_t> next_{0};
  std::atomic<bool> stop_{false};
  std::future<void> searched_;
};

}  // namespace

bool FindModesInTurn(const StackInputs& stack, const std::vector<long double>& qs,
                     const std::function<void(std::size_t, const std::vector<Mode>&)>& found,
                     const std::function<bool()>& cancelled) {
  Sweep sweep(stack, qs);
  for (std::size_t i = 0; i < qs.size(); ++i) {
    if (cancelled && cancelled()) return false;
    Outcome outcome = sweep.Take(i, cancelled);
    switch (outcome.state) {
      case Outcome::State::Found:
        break;
      case Outcome::State::Failed: {  // again here, where its fault belongs
        std::optional<std::vector<Mode>> modes = FindModes(stack, qs[i], cancelled);
        if (!modes) return false;
        outcome.modes = std::move(*modes);
        break;
      }
      default:
        return false;
    }
    found(i, outcome.modes);
  }
  return true;
}
