#pragma once
#include <cstdint>
#include <memory>

#include "model/boundary_fill.h"

// The columns of one medium depend on nothing but v, q, G, its density and constants and the
// heights of its faces. Across the nodes of a correlation map only the two mapped constants
// change, so the other media meet the same inputs again at every node: their blocks of the
// matrix are kept from earlier fills of the same thread and copied back, bit for bit.
class MediumBlockMemo {
 public:
  MediumBlockMemo();
  ~MediumBlockMemo();
  MediumBlockMemo(const MediumBlockMemo&) = delete;
  MediumBlockMemo& operator=(const MediumBlockMemo&) = delete;

  // Writes the kept block of medium k for these inputs into the matrix; false when none is kept.
  bool Restore(const StackInputs& in, const long double depthM[3], int k, ComplexMatrix& m) const;
  // Keeps the block of medium k as the matrix holds it after a complete fill.
  void Keep(const StackInputs& in, const long double depthM[3], int k, const ComplexMatrix& m);

 private:
  struct Store;
  std::unique_ptr<Store> store_;
};

// The columns of medium k: 1..2 for the substrate, 4k - 1..4k + 2 for Layer k.
int FirstColumnOf(int medium);
int LastColumnOf(int medium);
