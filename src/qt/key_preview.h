#pragma once
#include <QObject>

class MainWindow;
class TForm1;

// Sees every key before the focused control: Enter and Esc typed anywhere in the window
// run the Enter/Esc handler and go no further; every other key passes unchanged.
class KeyPreview : public QObject {
 public:
  KeyPreview(MainWindow& window, TForm1& form);
  ~KeyPreview() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
  TForm1& form_;
};
