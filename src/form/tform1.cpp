#include "form/tform1.h"

#include "base/fp_fault.h"
#include "base/komunikat.h"
#include "form/computation_cancelled.h"

namespace {
constexpr const char* kWindowCaption = "FENLAR";
constexpr const char* kCancelledStatus = "Cancelled: the computation was stopped";
}

TForm1::TForm1() {
  BuildWindowControls(controls);
  fields = EvaluationFieldsOf(controls);
  BindHandlers();
  Repaint();
}

long double TForm1::Number(const std::string& name) const { return controls[name].Number(); }

const std::string& TForm1::Text(const std::string& name) const { return controls[name].text; }

void TForm1::SetText(const std::string& name, const std::string& text) { controls[name].text = text; }

bool TForm1::Ticked(const std::string& name) const { return controls[name].checked; }

int TForm1::ItemIndex(const std::string& name) const { return controls[name].itemIndex; }

int TForm1::Position(const std::string& name) const { return controls[name].position; }

void TForm1::RunHandler(const std::function<void()>& body) {
  if (handlerDepth_ > 0) {  // nested inside an outer handler: its fault ends the outer one
    body();
    return;
  }
  struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
  } guard(handlerDepth_);
  ClearFloatingPointFlags();
  cancelRequested = false;
  try {
    body();
  } catch (const FloatingPointFault& fault) {
    MessageSink().Show(fault.what(), kWindowCaption);
  } catch (const RefusedInput& refused) {
    MessageSink().Show(refused.what(), kWindowCaption);
  } catch (const ComputationCancelled&) {
    if (onStatus) onStatus(kCancelledStatus);
  }
  cancelRequested = false;
  ClearFloatingPointFlags();
}

void TForm1::ReportProgress(double fraction) {
  if (onProgress) onProgress(fraction);
  if (cancelRequested) throw ComputationCancelled();
}
