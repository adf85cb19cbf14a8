#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/boundary_fill.h"

// The wave number and velocity of one evaluation of a stack.
struct WavePoint {
  long double q = 0, v = 0;
};

// Bit for bit the same stacks apart from q and v, so that their det_g at one wave are identical.
bool SameStackApartFromWave(const StackInputs& a, const StackInputs& b);

// The whole input of a stack (its q and v aside) at a wave, into out.
void WholeInput(const StackInputs& stack, const WavePoint& wave, StackInputs& out);

// Inputs of det_g in order, those in a row that share their stack apart from the wave number
// and velocity kept as one stack: a map node's evaluations, a sweep's.
class ListedInputs {
 public:
  void Clear();
  void Reserve(std::size_t inputs);
  // Inputs of the stack (its q and v aside) at each of the n waves.
  void Add(const StackInputs& stack, const WavePoint* waves, std::size_t n);

  std::size_t size() const { return waves_.size(); }
  bool empty() const { return waves_.empty(); }
  StackInputs At(std::size_t i) const;  // the whole input i
  const StackInputs& StackOf(std::size_t i) const { return stacks_[stackOf_[i]]; }  // q, v aside
  const WavePoint* Waves() const { return waves_.data(); }
  // Input i is in, bit for bit.
  bool Holds(std::size_t i, const StackInputs& in) const;
  // Inputs i..i + n - 1 are those of the stack at the waves, bit for bit.
  bool HoldsRun(std::size_t i, const StackInputs& stack, const WavePoint* waves,
                std::size_t n) const;

 private:
  std::vector<StackInputs> stacks_;  // their q and v are not read
  std::vector<std::uint32_t> stackOf_;
  std::vector<WavePoint> waves_;
};
