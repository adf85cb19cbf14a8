#include "qt/main_window.h"

#include <unordered_map>

#include <QCloseEvent>
#include <QScrollArea>
#include <QStatusBar>

#include "qt/canvas_widget.h"
#include "qt/control_widgets.h"
#include "qt/progress_view.h"
#include "qt/save_question.h"

namespace {
constexpr int kFontPoints = 8;
// Bounds of the window before it is maximised.
constexpr int kInitialLeft = 46, kInitialTop = 51, kInitialWidth = 820, kInitialHeight = 677;
}  // namespace

MainWindow::MainWindow(TForm1& form) : form_(form), client_(new CanvasWidget(form.canvas, this)) {
  setWindowTitle("FENLAR");
  // A condensed face where one is installed keeps the captions within their nominal widths.
  QFont font("Sans Serif", kFontPoints);
  font.setStretch(QFont::SemiCondensed);
  setFont(font);
  // The client area keeps its size; a screen too small for it scrolls it.
  client_->setFixedSize(Canvas::kWidth, Canvas::kHeight);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(client_);
  setCentralWidget(scroll);
  progress_ = new ProgressView(*this, form_, *client_);
  setGeometry(kInitialLeft, kInitialTop, kInitialWidth, kInitialHeight);

  const RunInWindow run = [this](const std::function<void()>& body) { Run(body); };
  std::unordered_map<std::string, QWidget*> groups;
  for (Control& control : form_.controls.All()) {
    QWidget* parent = control.parent.empty() ? client_ : groups.at(control.parent);
    ControlWidget view = MakeControlWidget(control, parent, run);
    if (!view.widget) continue;
    if (control.kind == ControlKind::GroupBox) groups[control.name] = view.widget;
    refreshers_.push_back(std::move(view.refresh));
  }
}

void MainWindow::Run(const std::function<void()>& body) {
  if (running_) return;  // the window takes no input while a handler runs
  struct RunningFlag {
    bool& flag;
    explicit RunningFlag(bool& f) : flag(f) { flag = true; }
    ~RunningFlag() { flag = false; }
  };
  statusBar()->clearMessage();
  {
    const RunningFlag running(running_);
    body();
    progress_->Finish();
  }
  Refresh();
  if (form_.exitRequested || closeAfterRun_) close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    form_.cancelRequested = true;
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  if (MayCloseAfterAskingToSave(this, form_)) {
    QMainWindow::closeEvent(event);
    return;
  }
  // Cancelled: the window stays, and Exit or a cancelled computation no longer closes it.
  form_.exitRequested = false;
  closeAfterRun_ = false;
  event->ignore();
}

void MainWindow::Refresh() {
  for (const auto& refresh : refreshers_) refresh();
  client_->update();
}

QWidget* MainWindow::ClientArea() const { return client_; }
