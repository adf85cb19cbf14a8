#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "io/json_document.h"
#include "runner/headless.h"
#include "temp_dir.h"

namespace {

Json ReadJson(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const JsonParseResult r = ParseJson(std::string(std::istreambuf_iterator<char>(in), {}));
  EXPECT_TRUE(r.ok) << path << ": " << r.error;
  return r.value;
}

// A session saved by an earlier release, and the window it gave there once loaded.
TEST(SessionFixture, SessionsOfEarlierReleasesLoadUnchanged) {
  const std::string fixtures = FENLAR_TEST_FIXTURES;
  ScopedTempDir dir;
  TForm1 form;
  std::ostringstream err;
  ASSERT_EQ(RunHeadless(form, {"--load", fixtures + "/session_v1.json", "--dump", "dump.json"}, err, {}), 0)
      << err.str();
  const Json expected = ReadJson(fixtures + "/session_v1_loaded_dump.json");
  const Json dump = ReadJson("dump.json");
  EXPECT_EQ(dump.at("controls"), expected.at("controls"));
  EXPECT_EQ(dump.at("messages"), expected.at("messages"));
}

}  // namespace
