#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "temp_dir.h"
#include "io/replace_file.h"

namespace {

namespace fs = std::filesystem;

class ReplaceFileTest : public ::testing::Test {
 protected:
  std::string Refused(const std::string& path) {
    std::string error;
    EXPECT_FALSE(ReplaceFile(path, "new", error)) << path;
    return error;
  }
  std::vector<std::string> Names(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  ScopedTempDir dir;
};

TEST_F(ReplaceFileTest, ASaveThroughALinkReplacesTheTargetAndKeepsTheLink) {
  fs::create_directory(dir.File("data"));
  const std::string target = dir.File("data/real.json");
  WriteWholeFile(target, "old");
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  fs::create_symlink("data/real.json", dir.File("relative"));  // relative to the link's folder
  fs::create_symlink(dir.File("relative"), dir.File("chain"));
  std::string error;
  ASSERT_TRUE(ReplaceFile(dir.File("chain"), "new", error)) << error;
  EXPECT_TRUE(fs::is_symlink(dir.File("chain")));
  EXPECT_TRUE(fs::is_symlink(dir.File("relative")));
  EXPECT_EQ(ReadWholeFile(target), "new");
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
  EXPECT_EQ(Names(dir.File("data")), std::vector<std::string>{"real.json"});

  // A link to a file not there yet creates it; a loop of links is refused.
  fs::create_symlink("data/later.json", dir.File("dangling"));
  ASSERT_TRUE(ReplaceFile(dir.File("dangling"), "first", error)) << error;
  EXPECT_EQ(ReadWholeFile(dir.File("data/later.json")), "first");
  fs::create_symlink("loop", dir.File("loop"));
  EXPECT_NE(Refused(dir.File("loop")).find("cannot follow the link"), std::string::npos);
}

TEST_F(ReplaceFileTest, ReadOnlyFilesFoldersAndDevicesAreRefusedAndKept) {
  const std::string locked = dir.File("locked.csv");
  WriteWholeFile(locked, "old");
  ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
  EXPECT_NE(Refused(locked).find("is read-only"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(locked), "old");

  fs::create_directory(dir.File("sub"));
  EXPECT_NE(Refused(dir.File("sub")).find("is a folder, not a file"), std::string::npos);
  EXPECT_NE(Refused("/dev/null").find("not a regular file"), std::string::npos);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"locked.csv", "sub"}));
}

TEST_F(ReplaceFileTest, FailuresThatBindRootToo) {
  // A folder where no file can be created: the old file there stays as it was.
  const std::string comm = "/proc/self/comm";
  const std::string before = ReadWholeFile(comm);
  EXPECT_NE(Refused(comm).find("cannot create a file beside"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(comm), before);

  // A folder that is a file.
  WriteWholeFile(dir.File("plain"), "x");
  EXPECT_FALSE(Refused(dir.File("plain/s.json")).empty());
  EXPECT_EQ(ReadWholeFile(dir.File("plain")), "x");
}

TEST_F(ReplaceFileTest, NamesAtTheLengthLimitAreSaved) {
  const std::string longest(NAME_MAX, 'n');
  std::string error;
  ASSERT_TRUE(ReplaceFile(dir.File(longest), "text", error)) << error;
  EXPECT_EQ(ReadWholeFile(dir.File(longest)), "text");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{longest});
}

}  // namespace
