#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/komunikat.h"
#include "model/numerics_errors.h"

// The message sink of the fuzz targets: every box must be one of the program's own; any other
// caption means something escaped the window's handling.
class MessageCheck : public Komunikat {
 public:
  void Show(const std::string& text, const std::string& caption) override {
    if (caption != "FENLAR" && caption != kNumericsErrorCaption) {
      std::fprintf(stderr, "unexpected message box '%s': %s\n", caption.c_str(), text.c_str());
      std::abort();
    }
  }
};

[[noreturn]] inline void FuzzFault(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}
