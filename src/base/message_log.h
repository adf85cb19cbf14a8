#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "base/komunikat.h"

// The message sink of a headless run: prints every message to a stream as it is shown and
// keeps them, in order, for the dump.
class MessageLog : public Komunikat {
 public:
  struct Message {
    std::string caption;
    std::string text;
  };

  explicit MessageLog(std::ostream& out) : out_(out) {}
  void Show(const std::string& text, const std::string& caption) override;
  const std::vector<Message>& Messages() const { return messages_; }

 private:
  std::ostream& out_;
  std::vector<Message> messages_;
};
