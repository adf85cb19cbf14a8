#include "qt/fit_residual_plot.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

namespace {

constexpr int kMargin = 30;
constexpr int kMarker = 4;

// Circle, square, triangle, cross, diamond for R, S_1 .. S_4.
void DrawMarker(QPainter& p, QPointF c, int mode) {
  const double r = kMarker;
  switch (mode % 5) {
    case 0:
      p.drawEllipse(c, r, r);
      break;
    case 1:
      p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
      break;
    case 2:
      p.drawPolygon(QPolygonF({c + QPointF(0, -r), c + QPointF(-r, r), c + QPointF(r, r)}));
      break;
    case 3:
      p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
      p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
      break;
    default:
      p.drawPolygon(QPolygonF(
          {c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)}));
  }
}

}  // namespace

ResidualPlot::ResidualPlot(QWidget* parent) : QWidget(parent) { setMinimumSize(360, 200); }

void ResidualPlot::SetResiduals(std::vector<FitResidual> residuals) {
  residuals_ = std::move(residuals);
  update();
}

void ResidualPlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  double lowAngle = 0, highAngle = 90, extent = 2;
  if (!residuals_.empty()) {
    lowAngle = highAngle = residuals_[0].angleDeg;
    for (const FitResidual& r : residuals_) {
      lowAngle = std::min(lowAngle, r.angleDeg);
      highAngle = std::max(highAngle, r.angleDeg);
      if (std::isfinite(r.normalized)) extent = std::max(extent, std::fabs(r.normalized) * 1.1);
    }
  }
  if (highAngle - lowAngle < 1) {
    lowAngle -= 1;
    highAngle += 1;
  }
  const QRectF area = QRectF(rect()).adjusted(kMargin, 10, -10, -kMargin);
  const auto x = [&](double a) {
    return area.left() + (a - lowAngle) / (highAngle - lowAngle) * area.width();
  };
  const auto y = [&](double n) { return area.center().y() - n / extent * area.height() / 2; };
  p.setPen(Qt::black);
  p.drawRect(area);
  p.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), kMargin - 4), Qt::AlignHCenter,
             QString("angle (deg), %1 to %2").arg(lowAngle).arg(highAngle));
  p.drawText(QPointF(2, y(0) + 4), "0");
  p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
  for (double level : {-1.0, 1.0})
    p.drawLine(QPointF(area.left(), y(level)), QPointF(area.right(), y(level)));
  p.setPen(QPen(Qt::red, 1.5));
  for (const FitResidual& r : residuals_)
    if (std::isfinite(r.normalized)) DrawMarker(p, QPointF(x(r.angleDeg), y(r.normalized)), r.mode);
}
