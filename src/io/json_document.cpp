#include "io/json_document.h"

#include <stdexcept>
#include <unordered_set>
#include <vector>

namespace {

struct Refused : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Watches the parse: one set of member names for each object still open, so that a repeated
// name is found in one look; hands the members of the streamed object on as they complete.
class MemberWatch {
 public:
  explicit MemberWatch(const StreamedMembers& streamed) : streamed_(streamed) {}

  bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
    if (depth > kMaxJsonDepth) throw Refused("nesting deeper than " + std::to_string(kMaxJsonDepth));
    switch (event) {
      case Json::parse_event_t::object_start:
        open_.emplace_back();
        if (depth == 1) inStreamed_ = topKey_ == streamed_.member && streamed_.take;
        break;
      case Json::parse_event_t::object_end:
        open_.pop_back();
        break;
      case Json::parse_event_t::key:
        if (!open_.back().insert(parsed.get<std::string>()).second)
          throw Refused("duplicate member \"" + parsed.get<std::string>() + "\"");
        if (depth == 1) inStreamed_ = false, topKey_ = parsed.get<std::string>();
        if (depth == 2) memberKey_ = parsed.get<std::string>();
        break;
      default:
        break;
    }
    const bool memberComplete = event == Json::parse_event_t::value ||
                                event == Json::parse_event_t::object_end ||
                                event == Json::parse_event_t::array_end;
    if (depth == 2 && inStreamed_ && memberComplete) {
      streamed_.take(memberKey_, std::move(parsed));
      return false;  // not kept in the document
    }
    return true;
  }

 private:
  const StreamedMembers& streamed_;
  std::vector<std::unordered_set<std::string>> open_;
  std::string topKey_, memberKey_;
  bool inStreamed_ = false;
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

JsonParseResult ParseJson(const std::string& text, const StreamedMembers& streamed) {
  JsonParseResult result;
  MemberWatch watch(streamed);
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
