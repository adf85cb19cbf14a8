#pragma once
#include <functional>
#include <vector>

#include <QMainWindow>

#include "form/tform1.h"

class CanvasWidget;
class ProgressView;

// The Qt view of Form1: a widget for every control over the canvas raster. It keeps no
// state of its own; after every handler it shows the controls and the canvas again.
class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(TForm1& form);

  // Runs a piece of window logic as one handler, then refreshes the view and closes the
  // window when the logic asked to exit.
  void Run(const std::function<void()>& body);
  void Refresh();
  // Another piece of the view that Refresh brings up to date.
  void AddRefresher(std::function<void()> refresh) { refreshers_.push_back(std::move(refresh)); }
  bool Running() const { return running_; }
  QWidget* ClientArea() const;

 protected:
  // Closing while a handler runs cancels its computation; the window closes when it ends.
  // A session changed since it was opened or saved is offered for saving first.
  void closeEvent(QCloseEvent* event) override;

 private:
  TForm1& form_;
  CanvasWidget* client_;
  ProgressView* progress_;
  std::vector<std::function<void()>> refreshers_;
  bool running_ = false;
  bool closeAfterRun_ = false;
};
