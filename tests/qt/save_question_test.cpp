#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "temp_dir.h"
#include "form/file_commands.h"
#include "qt/main_window.h"
#include "qt_app.h"

namespace {

class QtSaveQuestionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { QtApp(); }
  void SetUp() override {
    SetMessageSink(&sink);
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    window.Run([this] { form.RunHandler([this] { form.WindowCreated(); }); });
  }
  void TearDown() override { SetMessageSink(nullptr); }

  // Clicks Exit; answers the question, if one comes, with the given button. Returns whether
  // a question came.
  bool ExitAnswering(QMessageBox::StandardButton answer) {
    bool asked = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      asked = true;
      EXPECT_EQ(box->standardButtons(),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
      box->button(answer)->click();
    });
    window.findChild<QPushButton*>("Button2")->click();
    QApplication::processEvents();
    return asked;
  }

  ScopedTempDir dir;
  RecordingSink sink;
  TForm1 form;
  MainWindow window{form};
};

TEST_F(QtSaveQuestionTest, ExitAsksOnlyAboutAChangedSessionAndCancelKeepsTheWindow) {
  const std::string file = dir.File("s.json");
  ASSERT_TRUE(SaveSession(form, file));
  form.SetText("Edit1", "4010");
  EXPECT_TRUE(ExitAnswering(QMessageBox::Cancel));
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(form.exitRequested);

  EXPECT_TRUE(ExitAnswering(QMessageBox::Save));
  EXPECT_FALSE(window.isVisible());
  EXPECT_NE(ReadWholeFile(file).find("4010"), std::string::npos) << "the change was saved";

  window.show();
  form.exitRequested = false;
  EXPECT_FALSE(ExitAnswering(QMessageBox::Save)) << "nothing changed since the save";
  EXPECT_FALSE(window.isVisible());
}

TEST_F(QtSaveQuestionTest, DiscardClosesWithoutWritingAndNoSessionMeansNoQuestion) {
  EXPECT_FALSE(ExitAnswering(QMessageBox::Cancel)) << "no session file in use";
  EXPECT_FALSE(window.isVisible());

  const std::string file = dir.File("s.json");
  window.show();
  form.exitRequested = false;
  ASSERT_TRUE(SaveSession(form, file));
  const std::string saved = ReadWholeFile(file);
  form.controls["CheckBox26"].checked = true;
  EXPECT_TRUE(ExitAnswering(QMessageBox::Discard));
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(ReadWholeFile(file), saved);
}

}  // namespace
