#pragma once
#include <stdexcept>
#include <string>

// A floating-point division by zero, invalid operation or overflow inside a computation.
// It ends the running handler; the handler's caller shows its message.
class FloatingPointFault : public std::runtime_error {
 public:
  enum class Kind { DivisionByZero, InvalidOperation, Overflow };
  explicit FloatingPointFault(Kind kind);
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// "Floating point division by zero", "Invalid floating point operation", "Floating point overflow".
const char* FaultMessage(FloatingPointFault::Kind kind);

// Throws FloatingPointFault when the division-by-zero, invalid or overflow flag is raised
// (in that order of precedence); underflow and inexact results are not faults.
void CheckFloatingPoint();

// True when the division-by-zero, invalid or overflow flag is raised; clears nothing.
bool FloatingPointFaultRaised();

// Clears the three fault flags, where a flagged result is not a fault (ln of 0 is -inf).
void ClearFloatingPointFlags();

// An input the program refuses before computing (a step that would never end a loop).
class RefusedInput : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Keeps the fault flags of this thread as they were on construction: work done meanwhile
// (evaluations prepared ahead of the computation that will need them) leaves no trace in them.
class FloatingPointFlagsKept {
 public:
  FloatingPointFlagsKept();
  ~FloatingPointFlagsKept();
  FloatingPointFlagsKept(const FloatingPointFlagsKept&) = delete;
  FloatingPointFlagsKept& operator=(const FloatingPointFlagsKept&) = delete;

 private:
  int saved_;  // the fault flags raised
};
