#include "qt/canvas_widget.h"

#include <QImage>
#include <QPainter>

static_assert(sizeof(Rgb) == 3, "the raster is read as packed 8-bit RGB");

CanvasWidget::CanvasWidget(const Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  QPalette silver = palette();
  silver.setColor(QPalette::Window, QColor(colors::Silver.r, colors::Silver.g, colors::Silver.b));
  setPalette(silver);
  setAutoFillBackground(true);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  const QImage raster(reinterpret_cast<const uchar*>(canvas_.Pixels().data()), Canvas::kWidth,
                      Canvas::kHeight, Canvas::kWidth * 3, QImage::Format_RGB888);
  QPainter painter(this);
  painter.drawImage(0, 0, raster);
}
