#pragma once
#include <stdexcept>

// Ends a handler whose long computation the user cancelled; the handler's caller shows it in
// the status bar, not in a message box.
class ComputationCancelled : public std::runtime_error {
 public:
  ComputationCancelled() : std::runtime_error("cancelled") {}
};
