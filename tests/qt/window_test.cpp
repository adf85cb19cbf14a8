#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QScrollArea>
#include <QStatusBar>
#include <gtest/gtest.h>

#include "base/komunikat.h"
#include "qt/file_menu.h"
#include "form/fit_window.h"
#include "qt/fit_dialog.h"
#include "qt/key_preview.h"
#include "qt/main_window.h"
#include "qt/message_box_sink.h"
#include "qt/window_png.h"
#include "qt_app.h"
#include "temp_dir.h"

namespace {

QApplication& App() { return QtApp(); }

class RecordingSink : public Komunikat {
 public:
  void Show(const std::string& text, const std::string& caption) override {
    shown.push_back(caption + ": " + text);
  }
  std::vector<std::string> shown;
};

// The det_g plot rectangle without its frame.
constexpr int kPlotLeft = 452, kPlotRight = 859, kPlotTop = 404, kPlotBottom = 662;

int BlackPixelsInDetgPlot(const QImage& picture) {
  int count = 0;
  for (int y = kPlotTop; y <= kPlotBottom; ++y) {
    for (int x = kPlotLeft; x <= kPlotRight; ++x) {
      if (picture.pixelColor(x, y) == QColor(0, 0, 0)) ++count;
    }
  }
  return count;
}

class QtWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { App(); }
  void SetUp() override {
    SetMessageSink(&sink);
    window.resize(Canvas::kWidth, Canvas::kHeight);
    window.show();
    window.Run([this] { form.RunHandler([this] { form.WindowCreated(); }); });
  }
  void TearDown() override { SetMessageSink(nullptr); }

  template <typename W>
  W* Find(const char* name) {
    W* w = window.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QImage Picture() { return window.ClientArea()->grab().toImage(); }
  void Press(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Escape ? "\x1b" : "\r");
    QApplication::sendEvent(target, &press);
  }

  ScopedTempDir dir;  // the scans write their trace file here
  RecordingSink sink;
  TForm1 form;
  MainWindow window{form};
  KeyPreview keys{window, form};
};

TEST_F(QtWindowTest, DetGButtonDrawsTheCurveAndShowsTheDeterminant) {
  EXPECT_EQ(BlackPixelsInDetgPlot(Picture()), 0) << "nothing is plotted before the user acts";
  Find<QPushButton>("Button7")->click();
  EXPECT_GT(BlackPixelsInDetgPlot(Picture()), 100);
  const QLineEdit* value = Find<QLineEdit>("MaskEdit48");
  EXPECT_FALSE(form.Text("MaskEdit48").empty());
  EXPECT_EQ(value->text().toStdString(), form.Text("MaskEdit48"));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(QtWindowTest, WindowShowsTheDefaultsAndTheLook) {
  EXPECT_EQ(window.windowTitle(), "FENLAR");
  EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "3970");
  EXPECT_EQ(Find<QLineEdit>("Edit1")->palette().color(QPalette::Base), QColor(0, 0, 0));
  EXPECT_EQ(Find<QLineEdit>("Edit1")->palette().color(QPalette::Text), QColor(0, 255, 0));
  EXPECT_FALSE(Find<QLineEdit>("Edit205")->hasFrame());
  EXPECT_TRUE(Find<QLineEdit>("Edit205")->font().bold());
  EXPECT_TRUE(Find<QRadioButton>("RadioGroup3_4")->isChecked());
  EXPECT_EQ(Find<QScrollBar>("ScrollBar1")->value(), 3000);
  EXPECT_EQ(Find<QScrollBar>("ScrollBar5")->orientation(), Qt::Vertical);
  // Children of a group stand at their position inside it.
  const QLineEdit* density = Find<QLineEdit>("Edit1");
  EXPECT_EQ(density->parentWidget()->objectName(), "GroupBox8");
  EXPECT_EQ(density->pos(), QPoint(73, 22));
  EXPECT_EQ(Find<QWidget>("GroupBox5")->palette().color(QPalette::Window), QColor(192, 220, 192));
  const QColor inside = Picture().pixelColor(510, 229);  // the style shades the panel slightly
  EXPECT_NEAR(inside.green() - inside.red(), 220 - 192, 3) << "Handy Mode group is money green";
}

TEST_F(QtWindowTest, TypingChangesOnlyTheFieldText) {
  QLineEdit* step = Find<QLineEdit>("Edit179");
  step->setFocus();
  step->end(false);
  QKeyEvent five(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
  QApplication::sendEvent(step, &five);
  EXPECT_EQ(form.Text("Edit179"), "205");
  EXPECT_EQ(BlackPixelsInDetgPlot(Picture()), 0);
}

TEST_F(QtWindowTest, EnterAndEscInAFieldRunTheHandlerAndDoNotReachTheField) {
  QLineEdit* field = Find<QLineEdit>("Edit180");
  bool returned = false;
  QObject::connect(field, &QLineEdit::returnPressed, [&returned] { returned = true; });
  Press(field, Qt::Key_Return);
  EXPECT_FALSE(returned);
  EXPECT_EQ(field->text(), "3000");
  EXPECT_GT(BlackPixelsInDetgPlot(Picture()), 100);
  const QImage afterEnter = Picture();
  Press(field, Qt::Key_Escape);
  EXPECT_EQ(Picture(), afterEnter) << "Enter and Esc give identical results";
}

TEST_F(QtWindowTest, CheckBoxRadioAndScrollBarReachTheLogic) {
  Find<QCheckBox>("CheckBox26")->click();
  EXPECT_TRUE(form.Ticked("CheckBox26"));
  Find<QRadioButton>("RadioGroup4_1")->click();
  EXPECT_EQ(form.ItemIndex("RadioGroup4"), 1);
  Find<QScrollBar>("ScrollBar2")->setValue(12346);
  EXPECT_EQ(form.Position("ScrollBar2"), 12346);
  EXPECT_EQ(Find<QLineEdit>("Edit181")->text(), "1.235e+04");
}

TEST_F(QtWindowTest, ExitButtonClosesTheWindow) {
  ASSERT_TRUE(window.isVisible());
  Find<QPushButton>("Button2")->click();
  EXPECT_FALSE(window.isVisible());
}

TEST(QtMessageBoxTest, ShowsAModalBoxWithCaptionTextAndOk) {
  App();
  QString caption, text;
  int buttons = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    text = box->text();
    buttons = static_cast<int>(box->buttons().size());
    box->accept();
  });
  MessageBoxSink().Show("Floating point division by zero", "FENLAR");
  EXPECT_EQ(caption, "FENLAR");
  EXPECT_EQ(text, "Floating point division by zero");
  EXPECT_EQ(buttons, 1);
}

TEST(QtWindowPngTest, WritesTheClientAreaAsPng) {
  App();
  TForm1 form;
  const std::string png = RenderWindowPng(form);
  QImage picture;
  ASSERT_TRUE(picture.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"));
  EXPECT_EQ(picture.size(), QSize(Canvas::kWidth, Canvas::kHeight));
}


TEST_F(QtWindowTest, FileMenuSitsAboveTheClientAreaWithItsItemsAndShortcuts) {
  new FileMenu(window, form);
  QMenu* file = Find<QMenu>("FileMenu");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->title(), "File");
  QStringList items;
  QMenu* exports = nullptr;
  for (QAction* a : file->actions()) {
    if (a->isSeparator()) continue;
    items << a->text();
    if (a->menu()) exports = a->menu();
  }
  EXPECT_EQ(items, QStringList({"Open session...", "Save session", "Save session as...", "Import measured data...",
                                "Export", "Save picture...", "Exit"}));
  EXPECT_EQ(file->actions()[0]->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(file->actions()[1]->shortcut(), QKeySequence("Ctrl+S"));
  ASSERT_NE(exports, nullptr);
  EXPECT_EQ(exports->actions().size(), 4);

  // The menu bar takes its own row; the controls keep their client coordinates.
  QApplication::processEvents();
  const Control& group = form.controls["GroupBox8"];
  EXPECT_EQ(Find<QWidget>("GroupBox8")->mapTo(window.ClientArea(), QPoint(0, 0)), QPoint(group.left, group.top));
  EXPECT_GE(window.centralWidget()->geometry().top(), window.menuBar()->geometry().bottom());

  file->actions().last()->trigger();
  EXPECT_FALSE(window.isVisible()) << "Exit closes the window";
}

TEST_F(QtWindowTest, LongComputationShowsProgressAndTakesNoOtherInput) {
  int detgRuns = 0;
  form.controls["Button7"].onClick = [&] { ++detgRuns; };
  const QProgressBar* bar = window.findChild<QProgressBar*>();
  ASSERT_NE(bar, nullptr);
  bool barShown = false;
  const std::function<void(double)> show = form.onProgress;
  form.onProgress = [&](double done) {
    show(done);
    barShown = barShown || bar->isVisible();
  };
  // A click on det_g that arrives while the map is being computed.
  QPushButton* detg = Find<QPushButton>("Button7");
  const QPointF inside(5, 5);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
    QCoreApplication::postEvent(detg, new QMouseEvent(type, inside, detg->mapToGlobal(inside),
                                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  Find<QPushButton>("Button6")->click();
  QCoreApplication::processEvents();
  EXPECT_TRUE(barShown);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(detgRuns, 0);
  EXPECT_FALSE(form.records.map.nodes.empty());
}

TEST_F(QtWindowTest, EscCancelButtonAndClosingCancelALongComputation) {
  Find<QRadioButton>("RadioGroup5_2")->click();  // "M": a map of several batches
  Find<QPushButton>("Button6")->click();
  const std::size_t whole = form.records.map.nodes.size();
  const std::function<void(double)> show = form.onProgress;
  for (const char* how : {"Esc", "Cancel", "close"}) {
    form.onProgress = [&](double done) {
      if (how == std::string("Esc")) {
        QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape,
                                                           Qt::NoModifier));
      } else if (how == std::string("Cancel")) {
        for (QPushButton* b : window.statusBar()->findChildren<QPushButton*>())
          if (b->text() == "Cancel" && b->isVisible()) b->click();
      } else {
        window.close();
      }
      show(done);
    };
    Find<QPushButton>("Button6")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.statusBar()->currentMessage(), "Cancelled: the computation was stopped")
        << how;
    EXPECT_LT(form.records.map.nodes.size(), whole) << how;
  }
  EXPECT_FALSE(window.isVisible()) << "closing waits for the cancel, then closes";
}

TEST_F(QtWindowTest, ASmallWindowScrollsTheClientArea) {
  window.showNormal();
  window.resize(820, 677);
  QApplication::processEvents();
  const auto* scroll = qobject_cast<QScrollArea*>(window.centralWidget());
  ASSERT_NE(scroll, nullptr);
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
  EXPECT_EQ(window.ClientArea()->size(), QSize(Canvas::kWidth, Canvas::kHeight));
}

// A lone c44 of Layer 2 fitted from the dialog, then applied: c12 of Layer 2 moves with it.
TEST_F(QtWindowTest, FitDialogRunsShowsAndAppliesAFit) {
  AddFitMenuItem(window, form);
  QMenu* analysis = Find<QMenu>("AnalysisMenu");
  ASSERT_NE(analysis, nullptr);
  EXPECT_EQ(analysis->actions().at(0)->text(), "Fit...");

  FitDialog dialog(window, form);
  const auto button = [&](const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text() == text) return b;
    return static_cast<QPushButton*>(nullptr);
  };
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
    if (box->text() == "c44L2") box->setChecked(true);
  EXPECT_FALSE(button("Apply")->isEnabled());
  button("Run")->click();
  ASSERT_TRUE(form.lastFit);
  EXPECT_TRUE(form.lastFit->result.solved) << form.lastFit->result.status;
  const QList<QTableWidget*> tables = dialog.findChildren<QTableWidget*>();
  ASSERT_EQ(tables.size(), 2);
  EXPECT_EQ(tables[0]->rowCount(), 1);
  EXPECT_EQ(tables[0]->item(0, 0)->text(), "c44L2");
  ASSERT_TRUE(button("Apply")->isEnabled());
  button("Apply")->click();
  EXPECT_NE(form.Text("Edit169"), "142.6");
  EXPECT_EQ(form.Text("Edit168"), "255.7");
  EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
