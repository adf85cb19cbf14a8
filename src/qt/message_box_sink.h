#pragma once
#include "base/komunikat.h"

// Shows each message as a modal box with the caption and an OK button.
class MessageBoxSink : public Komunikat {
 public:
  void Show(const std::string& text, const std::string& caption) override;
};
