#include <string>

#include <gtest/gtest.h>

#include "recording_sink.h"
#include "temp_dir.h"
#include "form/file_commands.h"
#include "form/tform1.h"

namespace {

class SessionInUseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageSink(&sink);
    form.RunHandler([&] { form.WindowCreated(); });
  }
  void TearDown() override { SetMessageSink(nullptr); }
  bool Changed() const { return form.session.Changed(form.controls); }

  ScopedTempDir dir;
  RecordingSink sink;
  TForm1 form;
};

TEST_F(SessionInUseTest, WithoutASessionFileThereIsNothingToAsk) {
  form.SetText("Edit1", "4010");
  form.controls["Button7"].onClick();
  EXPECT_FALSE(Changed());
  EXPECT_FALSE(OpenSession(form, dir.File("missing.json")));
  EXPECT_FALSE(SaveSession(form, dir.File("no-such-folder/s.json")));
  EXPECT_TRUE(form.session.path.empty()) << "a failed open or save puts no session in use";
  EXPECT_FALSE(Changed());
}

TEST_F(SessionInUseTest, ChangedMeansTheValuesDifferFromTheLastSaveOrOpen) {
  const std::string file = dir.File("s.json");
  ASSERT_TRUE(SaveSession(form, file));
  EXPECT_EQ(form.session.path, file);
  EXPECT_FALSE(Changed());
  form.SetText("Edit1", "4010");
  EXPECT_TRUE(Changed());
  form.SetText("Edit1", "3970");
  EXPECT_FALSE(Changed()) << "typed back to the saved value";
  form.controls["ScrollBar9"].SetPosition(-300);
  EXPECT_TRUE(Changed()) << "a slider moved, with the fields it rewrites";
  ASSERT_TRUE(SaveSession(form, file));
  EXPECT_FALSE(Changed());

  TForm1 other;
  other.RunHandler([&] { other.WindowCreated(); });
  ASSERT_TRUE(OpenSession(other, file));
  EXPECT_EQ(other.session.path, file);
  EXPECT_FALSE(other.session.Changed(other.controls)) << "the intake run by the open is no change";
  other.controls["CheckBox26"].checked = true;
  EXPECT_TRUE(other.session.Changed(other.controls));
  EXPECT_FALSE(OpenSession(other, dir.File("missing.json")));
  EXPECT_EQ(other.session.path, file) << "a failed open keeps the session in use";
  EXPECT_TRUE(other.session.Changed(other.controls));
}

}  // namespace
