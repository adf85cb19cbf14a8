#include "base/komunikat.h"

#include <cstdio>

namespace {
class StandardErrorSink : public Komunikat {
 public:
  void Show(const std::string& text, const std::string& caption) override {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  }
};

StandardErrorSink defaultSink;
Komunikat* currentSink = &defaultSink;
}  // namespace

Komunikat& MessageSink() { return *currentSink; }

void SetMessageSink(Komunikat* sink) { currentSink = sink ? sink : &defaultSink; }
