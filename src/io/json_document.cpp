#include "io/json_document.h"

#include <stdexcept>
#include <unordered_set>
#include <vector>

namespace {

struct Refused : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Watches the parse: one set of member names for each object still open, so that a repeated
// name is found in one look.
class MemberWatch {
 public:
  bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
    if (depth > kMaxJsonDepth) throw Refused("nesting deeper than " + std::to_string(kMaxJsonDepth));
    switch (event) {
      case Json::parse_event_t::object_start:
        open_.emplace_back();
        break;
      case Json::parse_event_t::object_end:
        open_.pop_back();
        break;
      case Json::parse_event_t::key:
        if (!open_.back().insert(parsed.get<std::string>()).second)
          throw Refused("duplicate member \"" + parsed.get<std::string>() + "\"");
        break;
      default:
        break;
    }
    return true;
  }

 private:
  std::vector<std::unordered_set<std::string>> open_;
};

// The library's "... parse error at line L, column C: reason" as "line L, column C: reason".
std::string SyntaxMessage(const Json::parse_error& e) {
  const std::string what = e.what();
  const std::string marker = "parse error at ";
  const std::size_t at = what.find(marker);
  if (at == std::string::npos) return what;
  return what.substr(at + marker.size());
}

}  // namespace

JsonParseResult ParseJson(const std::string& text) {
  JsonParseResult result;
  MemberWatch watch;
  try {
    result.value = Json::parse(text, [&watch](int depth, Json::parse_event_t event, Json& parsed) {
      return watch(depth, event, parsed);
    });
    result.ok = true;
  } catch (const Json::parse_error& e) {
    result.error = SyntaxMessage(e);
  } catch (const Refused& e) {
    result.error = e.what();
  }
  return result;
}

std::string WriteJson(const Json& value) {
  return value.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
