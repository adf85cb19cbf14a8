#pragma once
#include <string>

#include "io/exports.h"

class TForm1;

// The operations of the File menu, shared by the window and the headless steps. Each shows
// its failure through the message sink, says why, and returns false; nothing has changed then.
// Nothing they throw escapes: running out of memory is shown as a failure too.
// Opening and saving make path the session in use (form.session) when they succeed.
// Unknown control names: skipped, with one message naming the first few and their count.
bool OpenSession(TForm1& form, const std::string& path);
bool SaveSession(TForm1& form, const std::string& path);
// Fills the measured-data table from the file, then takes the starting data with every slider
// kept where it stands, so that the state holds the imported measurement.
bool ImportMeasured(TForm1& form, const std::string& path);
bool ExportResults(const TForm1& form, ExportKind kind, const std::string& path);
// Any exported text (CSV, a report) written safely over path.
bool ExportText(const std::string& text, const std::string& path);
// The window's picture, already encoded as PNG, written safely over path.
bool SavePicture(const std::string& png, const std::string& path);
