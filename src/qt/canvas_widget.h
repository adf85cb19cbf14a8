#pragma once
#include <QWidget>

#include "form/canvas.h"

// The client area of the window: paints the canvas raster of the window logic under the
// controls, which are its children.
class CanvasWidget : public QWidget {
 public:
  CanvasWidget(const Canvas& canvas, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Canvas& canvas_;
};
