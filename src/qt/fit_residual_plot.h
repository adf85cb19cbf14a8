#pragma once
#include <vector>

#include <QWidget>

#include "fitting/fit_problem.h"

// Normalised residuals against the angle of incidence, one marker shape per mode, with
// lines at +1 and -1.
class ResidualPlot : public QWidget {
 public:
  explicit ResidualPlot(QWidget* parent);
  void SetResiduals(std::vector<FitResidual> residuals);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<FitResidual> residuals_;
};
