#pragma once
#include <cstddef>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <vector>

#include "model/listed_inputs.h"
#include "model/parallel_detg.h"

// The stacks a computation will ask det_g of, in the order it will ask: in runs of one stack
// at several waves.
class DetGInputSource {
 public:
  virtual ~DetGInputSource() = default;
  // The next run: its stack (q and v aside) and its waves, at least one. False after the last.
  virtual bool Next(StackInputs& stack, std::vector<WavePoint>& waves) = 0;
  virtual double Fraction() const = 0;     // share of the computation passed, 0..1
};

// What the certified values of a group settled, kept for the computation to take as it is: a
// figure, a yes or no, or both, as the group's kind defines them.
struct GroupDecision {
  long double figure = 0;
  bool yes = false;
};

// Consecutive inputs that decide something together (a zero test's stencil, a map node): when
// `decided` finds that the certified values of a group settle it, the group is not evaluated in
// 80 bits.
struct CertifiedGroups {
  std::size_t size = 0;  // inputs per group; 0 evaluates every input in 80 bits
  std::function<std::optional<GroupDecision>(const WavePoint* waves, const CertifiedDetG* det)>
      decided;
};

// det_g evaluated ahead, on every core, for a computation that then runs exactly as it would
// alone: each evaluation it makes takes the prepared value when its inputs are those prepared,
// bit for bit. An evaluation that faulted ahead is left to the computation, which meets the
// fault itself; inputs that differ from the prepared ones end the preparing.
class DetGPrefetch {
 public:
  DetGPrefetch() = default;
  DetGPrefetch(const DetGPrefetch&) = delete;
  DetGPrefetch& operator=(const DetGPrefetch&) = delete;
  ~DetGPrefetch() { Stop(); }

  void Start(std::unique_ptr<DetGInputSource> source, std::function<void(double)> progress,
             CertifiedGroups groups = {});
  void Stop();
  const ComplexLD* Take(const StackInputs& in);  // the prepared det_g of in, or nullptr
  // The certified values of the next group, when its n inputs are the stack at these waves and
  // their values decided it, and that decision; else false, and nothing is taken.
  bool TakeCertified(const StackInputs& stack, const WavePoint* waves, std::size_t n,
                     CertifiedDetG* det, GroupDecision& decision);

  std::size_t Taken() const { return taken_; }
  std::size_t LeftToCaller() const { return leftToCaller_; }
  std::size_t Diverged() const { return diverged_; }
  std::size_t TakenCertified() const { return takenCertified_; }

 private:
  // The batch in use is replayed while the next one is evaluated. The inputs are declared first:
  // the future, destroyed first, waits for the evaluation that reads them.
  struct Outcomes {
    std::vector<DetGOutcome> each;
    std::vector<std::optional<GroupDecision>> ofGroup;  // none where not certified in groups
  };
  struct Batch {
    std::unique_ptr<ListedInputs> inputs;
    std::future<Outcomes> outcomes;
  };
  static Outcomes EvaluateGroups(const ListedInputs& inputs, const CertifiedGroups& groups);
  // The next batch's inputs from the source, into inputs (created when missing).
  void ListInputs(std::unique_ptr<ListedInputs>& inputs);
  Batch Launch(std::unique_ptr<ListedInputs> inputs);
  bool Advance();

  std::unique_ptr<DetGInputSource> source_;
  std::function<void(double)> progress_;
  CertifiedGroups groups_;
  std::unique_ptr<ListedInputs> inputs_;
  // A run the source gave that did not fit in the last batch listed (none where no waves).
  StackInputs pendingStack_;
  std::vector<WavePoint> pendingWaves_;
  Outcomes outcomes_;
  Batch next_;
  std::size_t cursor_ = 0;
  std::size_t taken_ = 0, leftToCaller_ = 0, diverged_ = 0, takenCertified_ = 0;
};
