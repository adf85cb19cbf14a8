#include "base/fp_fault.h"

#include <cfenv>

namespace {
constexpr int kFaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
}

FloatingPointFault::FloatingPointFault(Kind kind) : std::runtime_error(FaultMessage(kind)), kind_(kind) {}

const char* FaultMessage(FloatingPointFault::Kind kind) {
  switch (kind) {
    case FloatingPointFault::Kind::DivisionByZero: return "Floating point division by zero";
    case FloatingPointFault::Kind::InvalidOperation: return "Invalid floating point operation";
    case FloatingPointFault::Kind::Overflow: return "Floating point overflow";
  }
  return "Invalid floating point operation";
}

void CheckFloatingPoint() {
  const int raised = std::fetestexcept(kFaultFlags);
  if (raised == 0) return;
  std::feclearexcept(kFaultFlags);
  if (raised & FE_DIVBYZERO) throw FloatingPointFault(FloatingPointFault::Kind::DivisionByZero);
  if (raised & FE_INVALID) throw FloatingPointFault(FloatingPointFault::Kind::InvalidOperation);
  throw FloatingPointFault(FloatingPointFault::Kind::Overflow);
}

bool FloatingPointFaultRaised() { return std::fetestexcept(kFaultFlags) != 0; }

// Testing the flags is cheap; writing them reloads the whole floating-point environment, so
// they are written only when they differ.
void ClearFloatingPointFlags() {
  if (std::fetestexcept(kFaultFlags) != 0) std::feclearexcept(kFaultFlags);
}

FloatingPointFlagsKept::FloatingPointFlagsKept() : saved_(std::fetestexcept(kFaultFlags)) {}

FloatingPointFlagsKept::~FloatingPointFlagsKept() {
  const int now = std::fetestexcept(kFaultFlags);
  if (now == saved_) return;
  if ((now & ~saved_) != 0) std::feclearexcept(now & ~saved_);
  if ((saved_ & ~now) != 0) std::feraiseexcept(saved_ & ~now);
}
