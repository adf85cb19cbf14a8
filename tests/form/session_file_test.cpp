#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recording_sink.h"
#include "file_size_limit.h"
#include "temp_dir.h"
#include "form/file_commands.h"
#include "form/session_file.h"
#include "form/tform1.h"

namespace {

class SessionFile : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageSink(&sink);
    Create(saved);
    Create(fresh);
  }
  void TearDown() override { SetMessageSink(nullptr); }

  static void Create(TForm1& form) { form.RunHandler([&] { form.WindowCreated(); }); }
  static void Click(TForm1& form, const std::string& name) { form.controls[name].onClick(); }
  static std::string Values(const TForm1& form) { return SessionJson(form.controls); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
      names.push_back(entry.path().filename().string());
    return names;
  }

  ScopedTempDir dir;
  RecordingSink sink;
  TForm1 saved, fresh;
};

// A session the user has worked on: new starting data taken, a displaced slider, a ticked
// box, another angle and axis, a typed but not yet taken density.
void Customise(TForm1& form) {
  form.SetText("Edit174", "510");
  form.SetText("Edit15", "42");
  form.SetText("Edit6", "22.5");
  form.controls["Button5"].onClick();
  form.controls["ScrollBar9"].SetPosition(-300);
  form.controls["CheckBox10"].checked = true;
  form.controls["RadioGroup3"].itemIndex = 2;
  form.controls["RadioGroup3"].onClick();
  form.controls["RadioGroup4"].itemIndex = 1;
  form.controls["RadioGroup4"].onClick();
  form.controls["TrackBar1"].SetPosition(7);
  form.SetText("Edit1", "4010");
}

TEST_F(SessionFile, SavedAndLoadedInAFreshWindowGivesTheSameControlsAndDetgResults) {
  Customise(saved);
  const std::string file = dir.File("work.json");
  ASSERT_TRUE(SaveSession(saved, file));
  ASSERT_TRUE(OpenSession(fresh, file));
  EXPECT_EQ(Values(fresh), Values(saved));
  EXPECT_EQ(fresh.Position("ScrollBar9"), -300) << "the slider offset survives the intake";

  Click(saved, "Button7");
  Click(fresh, "Button7");
  EXPECT_TRUE(sink.shown.empty()) << sink.shown.front().first;
  EXPECT_EQ(Values(fresh), Values(saved));
  ASSERT_EQ(fresh.records.detgScan.size(), saved.records.detgScan.size());
  for (std::size_t k = 0; k < saved.records.detgScan.size(); ++k) {
    EXPECT_EQ(fresh.records.detgScan[k].re, saved.records.detgScan[k].re) << k;
    EXPECT_EQ(fresh.records.detgScan[k].im, saved.records.detgScan[k].im) << k;
  }
  EXPECT_EQ(fresh.canvas.Pixels(), saved.canvas.Pixels());
  EXPECT_EQ(fresh.state.depthNm[2], 61.5L);
}

TEST_F(SessionFile, ABadFileChangesNothingAndSaysWhy) {
  Customise(fresh);
  const std::string good = SessionJson(saved.controls);
  const std::string before = Values(fresh);
  const auto canvas = fresh.canvas.Pixels();
  const long double c11 = fresh.state.c11Mod[1];
  const struct {
    std::string text, reason;
  } bad[] = {
      {"", "not valid JSON"},
      {good.substr(0, good.size() / 2), "not valid JSON"},
      {"[1, 2]", "no JSON object"},
      {R"({"format": "other", "version": 1, "controls": {}})", "\"format\""},
      {R"({"version": 1, "controls": {}})", "\"format\""},
      {R"({"format": "fenlar-session", "version": 2, "controls": {}})", "newer"},
      {R"({"format": "fenlar-session", "version": 1.5, "controls": {}})", "\"version\""},
      {R"({"format": "fenlar-session", "version": 1})", "\"controls\""},
      {R"({"format": "fenlar-session", "version": 1, "controls": {"Edit1": {"text": "1"}, "Edit2": {"text": 9.3}}})",
       "Edit2: text is not a string"},
      {R"({"format": "fenlar-session", "version": 1, "controls": {"CheckBox1": {"text": "x"}}})", "CheckBox1"},
      {R"({"format": "fenlar-session", "version": 1, "controls": {"CheckBox1": {"checked": 1}}})", "CheckBox1"},
      {R"({"format": "fenlar-session", "version": 1, "controls": {"RadioGroup4": {"index": 3}}})", "RadioGroup4"},
      {R"({"format": "fenlar-session", "version": 1, "controls": {"ScrollBar9": {"position": 751}}})", "-750..750"},
      {R"({"format": "fenlar-session", "version": 1, "controls": {"ScrollBar9": {"position": 2.5}}})", "integer"},
      {R"({"format": "fenlar-session", "version": 1, "controls": {"Button7": {"text": "x"}}})", "Button7"},
  };
  for (const auto& b : bad) {
    const SessionLoadResult r = ApplySession(fresh, b.text);
    EXPECT_FALSE(r.ok) << b.text;
    EXPECT_NE(r.error.find(b.reason), std::string::npos) << b.text << " -> " << r.error;
  }
  EXPECT_EQ(Values(fresh), before);
  EXPECT_EQ(fresh.canvas.Pixels(), canvas);
  EXPECT_EQ(fresh.state.c11Mod[1], c11);

  // Through the File menu the reason reaches the user in a box.
  WriteWholeFile(dir.File("newer.json"), R"({"format": "fenlar-session", "version": 9, "controls": {}})");
  EXPECT_FALSE(OpenSession(fresh, dir.File("newer.json")));
  EXPECT_FALSE(OpenSession(fresh, dir.File("missing.json")));
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_NE(sink.shown[0].first.find("version 9, newer"), std::string::npos) << sink.shown[0].first;
  EXPECT_NE(sink.shown[1].first.find("missing.json"), std::string::npos) << sink.shown[1].first;
  EXPECT_EQ(Values(fresh), before);
}

TEST_F(SessionFile, UnknownControlsAreListedInOneMessageAndSkipped) {
  WriteWholeFile(dir.File("old.json"), R"({"format": "fenlar-session", "version": 1, "controls": {
      "Edit999": {"text": "1"}, "Edit1": {"text": "4100"}, "Gauge3": {"position": 2}},
      "messages": [{"caption": "FENLAR", "text": "kept from a run"}]})");
  ASSERT_TRUE(OpenSession(fresh, dir.File("old.json")));
  EXPECT_EQ(fresh.Text("Edit1"), "4100");
  EXPECT_EQ(fresh.Text("Edit2"), "9.3") << "controls missing from the file keep their values";
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].first.find("Edit999, Gauge3"), std::string::npos) << sink.shown[0].first;
}

TEST_F(SessionFile, LoadingTakesTheStartingDataTheFieldsShow) {
  saved.SetText("Edit2", "10.1");
  saved.SetText("Edit4", "514.5");
  ASSERT_TRUE(SaveSession(saved, dir.File("s.json")));
  ASSERT_TRUE(OpenSession(fresh, dir.File("s.json")));
  EXPECT_EQ(fresh.state.freqR[0], static_cast<long double>(10.1));
  EXPECT_EQ(fresh.state.laserNm, static_cast<long double>(514.5));
}

TEST_F(SessionFile, AFailedSaveLeavesTheOldFileIntactAndSaysWhy) {
  const std::string file = dir.File("keep.json");
  WriteWholeFile(file, "old contents");
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);

  // A disk that fills up during the write: the file size limit stops it after 8 bytes.
  bool saved_ok = false;
  {
    const FileSizeLimit limit(8);
    ASSERT_TRUE(limit.Active());
    saved_ok = SaveSession(saved, file);
  }
  EXPECT_FALSE(saved_ok);
  EXPECT_EQ(ReadWholeFile(file), "old contents");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].first.find("Cannot save the session"), std::string::npos);
  EXPECT_NE(sink.shown[0].first.find("cannot write"), std::string::npos) << sink.shown[0].first;
  EXPECT_EQ(Files(), std::vector<std::string>{"keep.json"}) << "no temporary file is left";

  // A folder that does not exist, and a name that is a folder: both refused, nothing left.
  EXPECT_FALSE(SaveSession(saved, dir.File("no-such-folder/s.json")));
  std::filesystem::create_directory(dir.File("sub"));
  EXPECT_FALSE(SaveSession(saved, dir.File("sub")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("sub")));
  EXPECT_EQ(sink.shown.size(), 3u);

  // A successful save replaces the file and keeps its mode.
  ASSERT_TRUE(SaveSession(saved, file));
  struct stat st{};
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(ReadWholeFile(file), SessionJson(saved.controls));
}

TEST_F(SessionFile, AReadOnlyFileIsNotReplacedEvenWhereTheSystemWouldAllowIt) {
  const std::string file = dir.File("s.json");
  WriteWholeFile(file, "old");
  ASSERT_EQ(chmod(file.c_str(), 0444), 0);
  EXPECT_FALSE(SaveSession(saved, file));
  EXPECT_EQ(ReadWholeFile(file), "old");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].first.find("s.json is read-only"), std::string::npos)
      << sink.shown[0].first;
}

TEST_F(SessionFile, WhatIsNoFileToReadIsRefusedWithTheReason) {
  Customise(fresh);
  const std::string before = Values(fresh);
  std::filesystem::create_directory(dir.File("folder.json"));
  ASSERT_EQ(mkfifo(dir.File("pipe.json").c_str(), 0600), 0);
  WriteWholeFile(dir.File("huge.json"), "");
  std::filesystem::resize_file(dir.File("huge.json"), 64u << 20);
  const struct {
    std::string path, reason;
  } bad[] = {{dir.File("folder.json"), "is a folder, not a file"},
             {dir.File("pipe.json"), "not a regular file"},
             {"/dev/zero", "not a regular file"},
             {dir.File("huge.json"), "too large"}};
  for (const auto& b : bad) {
    sink.shown.clear();
    EXPECT_FALSE(OpenSession(fresh, b.path));
    EXPECT_FALSE(ImportMeasured(fresh, b.path));
    ASSERT_EQ(sink.shown.size(), 2u) << b.path;
    for (const auto& message : sink.shown)
      EXPECT_NE(message.first.find(b.reason), std::string::npos) << message.first;
  }
  EXPECT_EQ(Values(fresh), before);
}

TEST_F(SessionFile, AByteOrderMarkIsAccepted) {
  WriteWholeFile(dir.File("bom.json"), "\xEF\xBB\xBF" + SessionJson(saved.controls));
  fresh.SetText("Edit1", "1");
  ASSERT_TRUE(OpenSession(fresh, dir.File("bom.json")));
  EXPECT_EQ(Values(fresh), Values(saved));
  EXPECT_TRUE(sink.shown.empty());
}

// Also guards the duplicate-member check of the reader: it must stay linear for such a file
// to load at all within the test's time.
TEST_F(SessionFile, TwoMegabytesOfUnknownControlsLoadAndAFewAreNamed) {
  std::string controls = R"("Edit1": {"text": "4100"})";
  const int unknown = 80000;
  for (int k = 0; k < unknown; ++k)
    controls += ", \"Gauge" + std::to_string(k) + R"(": {"text": "x"})";
  const std::string text =
      R"({"format": "fenlar-session", "version": 1, "controls": {)" + controls + "}}";
  ASSERT_GT(text.size(), 2u << 20);
  WriteWholeFile(dir.File("big.json"), text);
  ASSERT_TRUE(OpenSession(fresh, dir.File("big.json")));
  EXPECT_EQ(fresh.Text("Edit1"), "4100");
  ASSERT_EQ(sink.shown.size(), 1u);
  const std::string& message = sink.shown[0].first;
  EXPECT_NE(message.find("names 80000 controls"), std::string::npos) << message;
  EXPECT_NE(message.find("Gauge0, Gauge1, Gauge2, Gauge3, Gauge4 and 79995 more"),
            std::string::npos)
      << message;
  EXPECT_LT(message.size(), 300u);
}

}  // namespace
