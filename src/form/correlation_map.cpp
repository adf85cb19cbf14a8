#include "fitting/map_layout.h"
#include "form/field_names.h"
#include "form/map_constants.h"
#include "base/number_text.h"
#include "form/tform1.h"

namespace {
// Tick-label fields from the minimum to the maximum.
const char* const kXLabels[6] = {kMapXTick0Field, kMapXTick1Field, kMapXTick2Field,
                                 kMapXTick3Field, kMapXTick4Field, kMapXTick5Field};
const char* const kYLabels[6] = {kMapYTick0Field, kMapYTick1Field, kMapYTick2Field,
                                 kMapYTick3Field, kMapYTick4Field, kMapYTick5Field};

// The base label rounded to 3 digits, then base + k x step for k = 1..5 from the rounded base.
void WriteAxisLabels(TForm1& form, const char* const fields[6], float step) {
  form.SetText(fields[0], FormatSignificant(form.Number(fields[0]), DigitsShortLabel));
  for (int k = 1; k <= 5; ++k)
    form.SetText(fields[k],
                 FormatSignificant(form.Number(fields[0]) + k * static_cast<long double>(step),
                                   DigitsShortLabel));
}

void WriteMapLabels(TForm1& form, int a, int b) {
  const HandyConstant& x = MapConstant(a);
  const HandyConstant& y = MapConstant(b);
  form.SetText(kXLabels[0], form.Text(x.minField));
  form.SetText(kXLabels[5], form.Text(x.maxField));
  form.SetText(kYLabels[0], form.Text(y.minField));
  form.SetText(kYLabels[5], form.Text(y.maxField));
  const float xStep = static_cast<float>((form.Number(x.maxField) - form.Number(x.minField)) * 0.2L);
  const float yStep = static_cast<float>((form.Number(y.maxField) - form.Number(y.minField)) * 0.2L);
  WriteAxisLabels(form, kXLabels, xStep);
  WriteAxisLabels(form, kYLabels, yStep);
}
}  // namespace

void TForm1::DrawCorrelationMap() {
  OverlayMeasuredPoints();
  ScanDetG();
  FramePlots();
  const int a = ItemIndex(kMapXGroup), b = ItemIndex(kMapYGroup);
  if (FindMapPair(a, b)) {
    const bool labelsFirst = a == 0 && b == 1;
    if (labelsFirst) WriteMapLabels(*this, a, b);
    MapConstantPair(a, b);
    if (!labelsFirst) WriteMapLabels(*this, a, b);
  }
  const ClientRect r = controls.ClientBounds(kMapBevel);
  canvas.brushColor = colors::Black;
  canvas.FrameRect(r.left, r.top, r.left + r.width, r.top + r.height);
}
