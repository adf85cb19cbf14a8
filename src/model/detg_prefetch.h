#pragma once
#include <cstddef>
#include <functional>
#include <future>
#include <memory>
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

// Consecutive inputs that decide something together (a zero test's stencil): when `decided`
// finds that the certified values of a group settle it, the group is not evaluated in 80 bits.
struct CertifiedGroups {
  std::size_t size = 0;  // inputs per group; 0 evaluates every input in 80 bits
  std::function<bool(const WavePoint* waves, const CertifiedDetG* det)> decided;
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
  // The certified values of the next n inputs, when they are the stack at these waves and a
  // decided group; else false, and nothing is taken.
  bool TakeCertified(const StackInputs& stack, const WavePoint* waves, std::size_t n,
                     CertifiedDetG* det);

  std::size_t Taken() const { return taken_; }
  std::size_t LeftToCaller() const { return leftToCaller_; }
  std::size_t Diverged() const { return diverged_; }
  std::size_t TakenCertified() const { return takenCertified_; }

 private:
  // The batch in use is replayed while the next one is evaluated. The inputs are declared first:
  // the future, destroyed first, waits for the evaluation that reads them.
  struct Batch {
    std::unique_ptr<ListedInputs> inputs;
    std::future<std::vector<DetGOutcome>> outcomes;
  };
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
  std::vector<DetGOutcome> outcomes_;
  Batch next_;
  std::size_t cursor_ = 0;
  std::size_t taken_ = 0, leftToCaller_ = 0, diverged_ = 0, takenCertified_ = 0;
};
