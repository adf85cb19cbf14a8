#pragma once
#include <string>
#include <utility>
#include <vector>

#include "base/komunikat.h"

// A message sink that keeps every box shown, as (text, caption), for the tests to read.
class RecordingSink : public Komunikat {
 public:
  void Show(const std::string& text, const std::string& caption) override {
    shown.emplace_back(text, caption);
  }
  std::vector<std::pair<std::string, std::string>> shown;
};
