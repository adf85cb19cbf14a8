// Fuzz target over the measured-data import as the window uses it: any bytes are either
// refused with a reason, or give one to fourteen rows of numbers and empty cells, which
// written as CSV import again to the same rows and are taken into the window's state.
#include <cstdint>
#include <string>

#include "form/measured_fields.h"
#include "form/session_file.h"
#include "form/tform1.h"
#include "message_check.h"

namespace {

std::string AsCsv(const std::vector<MeasuredRow>& rows) {
  std::string csv;
  for (const MeasuredRow& row : rows) {
    for (std::size_t k = 0; k < row.size(); ++k) csv += (k ? "," : "") + row[k];
    csv += "\n";
  }
  return csv;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static MessageCheck check;
  SetMessageSink(&check);
  const ImportResult r = ImportMeasuredData(std::string(reinterpret_cast<const char*>(data), size));
  if (!r.ok) {
    if (r.error.empty()) FuzzFault("a refused import gives no reason");
  } else {
    if (r.rows.empty() || r.rows.size() > kMaxMeasuredRows) FuzzFault("row count out of range");
    const ImportResult again = ImportMeasuredData(AsCsv(r.rows));
    if (!again.ok || again.rows != r.rows) FuzzFault("imported rows do not import again");
    TForm1 form;
    form.WindowCreated();
    WriteMeasuredRows(form.controls, r.rows);
    TakeStartingDataKeepingSliders(form);
  }
  SetMessageSink(nullptr);
  return 0;
}
