#include "base/message_log.h"

void MessageLog::Show(const std::string& text, const std::string& caption) {
  out_ << caption << ": " << text << '\n';
  messages_.push_back({caption, text});
}
