#pragma once
#include <QElapsedTimer>
#include <QObject>

class QMainWindow;
class QProgressBar;
class QPushButton;
class QWidget;
class TForm1;

// Progress of a long computation and the form's status lines in the status bar, below the
// client area, with a Cancel button beside the progress. Between batches of the computation the
// window repaints (the canvas shows what is drawn so far) while every click, key and wheel turn
// meant for the window is dropped, except Esc and the Cancel button, which ask the computation
// to stop.
class ProgressView : public QObject {
 public:
  ProgressView(QMainWindow& window, TForm1& form, QWidget& canvas);
  ~ProgressView() override;

  // Hides the bar and drops the input that arrived during the last batch.
  void Finish();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show(double fraction);
  void PaintDroppingInput();

  TForm1& form_;
  QWidget& canvas_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  QElapsedTimer sincePaint_;
  bool dropping_ = false;
};
