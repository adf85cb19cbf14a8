#include "base/fp_fault.h"

#include <cfenv>
#include <cstring>

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

void ClearFloatingPointFlags() { std::feclearexcept(kFaultFlags); }

static_assert(sizeof(fexcept_t) <= sizeof(unsigned long long));

FloatingPointFlagsKept::FloatingPointFlagsKept() : saved_(0) {
  fexcept_t flags;
  std::fegetexceptflag(&flags, kFaultFlags);
  std::memcpy(&saved_, &flags, sizeof flags);
}

FloatingPointFlagsKept::~FloatingPointFlagsKept() {
  fexcept_t flags;
  std::memcpy(&flags, &saved_, sizeof flags);
  std::fesetexceptflag(&flags, kFaultFlags);
}
