#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "temp_dir.h"
#include "io/text_file.h"

namespace {

std::string ReadError(const std::string& path) {
  std::string text = "untouched", error;
  EXPECT_FALSE(ReadTextFile(path, text, error)) << path;
  EXPECT_EQ(text, "untouched") << path;
  return error;
}

TEST(TextFileRead, ReadsRegularFilesWholeAndRefusesEverythingElseWithoutReading) {
  ScopedTempDir dir;
  const std::string bytes("a\0\xFF\r\n", 5);
  WriteWholeFile(dir.File("plain"), bytes);
  std::string text, error;
  ASSERT_TRUE(ReadTextFile(dir.File("plain"), text, error)) << error;
  EXPECT_EQ(text, bytes);

  EXPECT_NE(ReadError(dir.Path()).find("is a folder, not a file"), std::string::npos);
  EXPECT_NE(ReadError("/dev/zero").find("not a regular file"), std::string::npos);
  EXPECT_NE(ReadError(dir.File("missing")).find("No such file"), std::string::npos);
  // A pipe without a writer would block a plain read for ever.
  ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
  EXPECT_NE(ReadError(dir.File("pipe")).find("not a regular file"), std::string::npos);
}

TEST(TextFileRead, AFileBeyondTheLimitIsRefusedBeforeItIsRead) {
  ScopedTempDir dir;
  const std::string atLimit = dir.File("at"), beyond = dir.File("beyond");
  WriteWholeFile(atLimit, "");
  WriteWholeFile(beyond, "");
  std::filesystem::resize_file(atLimit, kMaxReadBytes);  // sparse: no disk space used
  std::filesystem::resize_file(beyond, kMaxReadBytes + 1);
  std::string text, error;
  EXPECT_TRUE(ReadTextFile(atLimit, text, error)) << error;
  EXPECT_EQ(text.size(), kMaxReadBytes);
  EXPECT_NE(ReadError(beyond).find("too large"), std::string::npos);
}

TEST(TextFileRead, ByteOrderMarkIsDroppedOnlyAtTheStart) {
  EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBF{}"), "{}");
  EXPECT_EQ(WithoutByteOrderMark("{}\xEF\xBB\xBF"), "{}\xEF\xBB\xBF");
  EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB"), "\xEF\xBB");
}

}  // namespace
