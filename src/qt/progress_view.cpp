#include "qt/progress_view.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "form/tform1.h"

namespace {
constexpr int kSteps = 1000;
constexpr int kPaintIntervalMs = 40;

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}
}  // namespace

ProgressView::ProgressView(QMainWindow& window, TForm1& form, QWidget& canvas)
    : QObject(&window),
      form_(form),
      canvas_(canvas),
      bar_(new QProgressBar(&window)),
      cancel_(new QPushButton("Cancel", &window)) {
  bar_->setRange(0, kSteps);
  bar_->setMaximumWidth(320);
  bar_->hide();
  cancel_->hide();
  window.statusBar()->addPermanentWidget(bar_);
  window.statusBar()->addPermanentWidget(cancel_);
  connect(cancel_, &QPushButton::clicked, this, [this] { form_.cancelRequested = true; });
  form_.onProgress = [this](double fraction) { Show(fraction); };
  form_.onStatus = [&window](const std::string& text) {
    window.statusBar()->showMessage(QString::fromStdString(text));
  };
  QCoreApplication::instance()->installEventFilter(this);
}

ProgressView::~ProgressView() {
  form_.onProgress = nullptr;
  form_.onStatus = nullptr;
  QCoreApplication::instance()->removeEventFilter(this);
}

void ProgressView::Show(double fraction) {
  bar_->setValue(static_cast<int>(fraction * kSteps));
  if (!bar_->isVisible()) {
    bar_->show();
    cancel_->show();
    sincePaint_.start();
  } else if (sincePaint_.elapsed() < kPaintIntervalMs) {
    return;
  }
  canvas_.update();
  PaintDroppingInput();
  sincePaint_.restart();
}

void ProgressView::Finish() {
  if (!bar_->isVisible()) return;
  PaintDroppingInput();
  bar_->hide();
  cancel_->hide();
}

void ProgressView::PaintDroppingInput() {
  dropping_ = true;
  QCoreApplication::processEvents();
  dropping_ = false;
}

bool ProgressView::eventFilter(QObject* watched, QEvent* event) {
  if (!dropping_ || !IsUserInput(event->type())) return QObject::eventFilter(watched, event);
  if (watched == cancel_) return false;
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    form_.cancelRequested = true;
  }
  return true;
}
