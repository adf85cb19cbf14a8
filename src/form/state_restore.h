#pragma once
#include <string>

#include "model/complex_ld.h"
#include "model/complex_matrix.h"
#include "model/simulation_state.h"

class TForm1;

// Keeps the window's numbers as they were when a computation started: the state record, the
// boundary matrix, det_g and the g correlator's field. Unless the computation commits, they
// are put back when it ends, so a fault, a refusal or a cancel midway leaves none of the
// values it tried (the constants of a map node, a sweep's working values) in the model.
class StateRestore {
 public:
  explicit StateRestore(TForm1& form);
  ~StateRestore();
  StateRestore(const StateRestore&) = delete;
  StateRestore& operator=(const StateRestore&) = delete;

  void Commit() { committed_ = true; }

 private:
  TForm1& form_;
  SimulationState state_;
  ComplexMatrix matrix_;
  ComplexLD detG_;
  std::string correlatorText_;
  bool committed_ = false;
};
