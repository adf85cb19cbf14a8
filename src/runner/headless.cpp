#include "runner/headless.h"

#include <charconv>
#include <optional>

#include "base/komunikat.h"
#include "fitting/fit_parameters.h"
#include "form/file_commands.h"
#include "form/fit_window.h"
#include "base/message_log.h"
#include "form/canvas_png.h"
#include "form/mode_view.h"
#include "form/session_file.h"
#include "io/replace_file.h"

namespace {

enum class StepKind {
  Set, Click, Select, Position, Key, Dump, Canvas, Png,
  Load, Save, ImportMeasured, ExportDispersion, ExportDetg, ExportMap, ExportMeasured,
  Modes, Branches, ExportBranches,
  Fit, ExportFit, ApplyFit
};

struct Step {
  StepKind kind = StepKind::Click;
  std::string name;   // control, key or file
  std::string value;  // text of --set
  int number = 0;     // index of --select, position of --position
  std::vector<std::string> names;  // parameters of --fit
};

struct Parsed {
  std::vector<Step> steps;
  std::string error;  // empty when every step is valid
};

std::optional<StepKind> KindOfOption(const std::string& option) {
  if (option == "--set") return StepKind::Set;
  if (option == "--click") return StepKind::Click;
  if (option == "--select") return StepKind::Select;
  if (option == "--position") return StepKind::Position;
  if (option == "--key") return StepKind::Key;
  if (option == "--dump") return StepKind::Dump;
  if (option == "--canvas") return StepKind::Canvas;
  if (option == "--png") return StepKind::Png;
  if (option == "--load") return StepKind::Load;
  if (option == "--save") return StepKind::Save;
  if (option == "--import-measured") return StepKind::ImportMeasured;
  if (option == "--export-dispersion") return StepKind::ExportDispersion;
  if (option == "--export-detg") return StepKind::ExportDetg;
  if (option == "--export-map") return StepKind::ExportMap;
  if (option == "--export-measured") return StepKind::ExportMeasured;
  if (option == "--modes") return StepKind::Modes;
  if (option == "--branches") return StepKind::Branches;
  if (option == "--export-branches") return StepKind::ExportBranches;
  if (option == "--fit") return StepKind::Fit;
  if (option == "--export-fit") return StepKind::ExportFit;
  if (option == "--apply-fit") return StepKind::ApplyFit;
  return std::nullopt;
}

std::optional<int> ParseInteger(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end || text.empty()) return std::nullopt;
  return value;
}

// Checks a step against the window's controls; returns the reason it cannot run, or "".
std::string CheckControlStep(const Controls& controls, Step& step, const std::string& argument) {
  const bool assigns = step.kind != StepKind::Click;
  const std::size_t eq = argument.find('=');
  if (assigns && eq == std::string::npos) return "expected NAME=VALUE, got '" + argument + "'";
  step.name = assigns ? argument.substr(0, eq) : argument;
  if (assigns) step.value = argument.substr(eq + 1);
  const Control* c = controls.Find(step.name);
  if (!c) return "unknown control '" + step.name + "'";
  const std::string kindError = "control '" + step.name + "' cannot take this step";
  switch (step.kind) {
    case StepKind::Set:
      return c->IsTextField() ? "" : kindError;
    case StepKind::Click:
      return c->kind == ControlKind::Button || c->kind == ControlKind::CheckBox ? "" : kindError;
    case StepKind::Select: {
      if (c->kind != ControlKind::RadioGroup) return kindError;
      const std::optional<int> index = ParseInteger(step.value);
      if (!index || *index < 0 || *index >= static_cast<int>(c->items.size())) {
        return "no item '" + step.value + "' in '" + step.name + "'";
      }
      step.number = *index;
      return "";
    }
    default: {  // Position
      if (!c->HasPosition()) return kindError;
      const std::optional<int> p = ParseInteger(step.value);
      if (!p || *p < c->minimum || *p > c->maximum) {
        return "position '" + step.value + "' outside " + std::to_string(c->minimum) + ".." +
               std::to_string(c->maximum) + " of '" + step.name + "'";
      }
      step.number = *p;
      return "";
    }
  }
}

// --fit NAME,NAME,...: the names are checked before anything runs.
std::string CheckFitStep(Step& step, const std::string& argument) {
  std::vector<std::string> names;
  for (std::size_t begin = 0;;) {
    const std::size_t comma = argument.find(',', begin);
    names.push_back(argument.substr(begin, comma - begin));
    if (comma == std::string::npos) break;
    begin = comma + 1;
  }
  std::vector<FitParameter> parsed;
  const std::string refused = CheckFitParameters(names, parsed);
  step.names = names;
  return refused.empty() ? "" : "--fit: " + refused;
}

std::string CheckStep(const Controls& controls, Step& step, const std::string& argument,
                      bool canRenderWindow) {
  switch (step.kind) {
    case StepKind::Key:
      step.name = argument;
      return argument == "Enter" || argument == "Esc" ? "" : "unknown key '" + argument + "'";
    case StepKind::Branches:
      step.name = argument;
      return argument == "on" || argument == "off" ? "" : "--branches takes on or off";
    case StepKind::Png:
      if (!canRenderWindow) return "--png needs the window view, which this run does not have";
      [[fallthrough]];
    case StepKind::Dump:
    case StepKind::Canvas:
    case StepKind::Load:
    case StepKind::Save:
    case StepKind::ImportMeasured:
    case StepKind::ExportDispersion:
    case StepKind::ExportDetg:
    case StepKind::ExportMap:
    case StepKind::ExportMeasured:
    case StepKind::Modes:
    case StepKind::ExportBranches:
    case StepKind::ExportFit:
      step.name = argument;
      return argument.empty() ? "empty file name" : "";
    case StepKind::Fit:
      return CheckFitStep(step, argument);
    case StepKind::ApplyFit:
      return "";
    default:
      return CheckControlStep(controls, step, argument);
  }
}

Parsed ParseSteps(const Controls& controls, const std::vector<std::string>& args, bool canRenderWindow) {
  Parsed parsed;
  for (std::size_t i = 0; i < args.size();) {
    const std::optional<StepKind> kind = KindOfOption(args[i]);
    if (kind == StepKind::ApplyFit) {  // the one step without an argument
      parsed.steps.push_back({StepKind::ApplyFit, "", "", 0, {}});
      i += 1;
      continue;
    }
    i += 2;
    if (!kind) {
      parsed.error = "unknown option '" + args[i - 2] + "'";
    } else if (i - 1 >= args.size()) {
      parsed.error = args[i - 2] + " needs an argument";
    } else {
      Step step;
      step.kind = *kind;
      parsed.error = CheckStep(controls, step, args[i - 1], canRenderWindow);
      parsed.steps.push_back(std::move(step));
    }
    if (!parsed.error.empty()) return parsed;
  }
  return parsed;
}

std::string WriteOutput(const std::string& file, const std::string& text) {
  std::string error;
  return ReplaceFile(file, text, error) ? "" : error;
}

// A failed file command has shown its message; the run ends, since the steps after it would
// work on data other than the user's or leave an output missing.
std::string Commanded(bool ok, const char* what, const std::string& file) {
  return ok ? "" : std::string(what) + " '" + file + "' failed";
}

// Runs one valid step; returns the reason when its output cannot be written, or "".
std::string RunStep(TForm1& form, const Step& step, const MessageLog& log,
                    const WindowPngRenderer& renderWindowPng) {
  switch (step.kind) {
    case StepKind::Set:
      form.SetText(step.name, step.value);
      return "";
    case StepKind::Click: {
      Control& c = form.controls[step.name];
      if (c.kind == ControlKind::CheckBox) c.checked = !c.checked;
      if (c.onClick) c.onClick();
      return "";
    }
    case StepKind::Select: {
      Control& c = form.controls[step.name];
      c.itemIndex = step.number;
      if (c.onClick) c.onClick();
      return "";
    }
    case StepKind::Position:
      form.controls[step.name].SetPosition(step.number);
      return "";
    case StepKind::Key:
      form.RunHandler([&] { form.EnterOrEscape(); });
      return "";
    case StepKind::Dump:
      return WriteOutput(step.name, RunDumpJson(SessionEntries(form.controls), log.Messages()));
    case StepKind::Canvas:
      return WriteOutput(step.name, CanvasPng(form.canvas));
    case StepKind::Png: {
      const std::string png = renderWindowPng();
      if (png.empty()) return "cannot render the window for '" + step.name + "'";
      return WriteOutput(step.name, png);
    }
    case StepKind::Load:
      return Commanded(OpenSession(form, step.name), "--load", step.name);
    case StepKind::Save:
      return Commanded(SaveSession(form, step.name), "--save", step.name);
    case StepKind::ImportMeasured:
      return Commanded(ImportMeasured(form, step.name), "--import-measured", step.name);
    case StepKind::ExportDispersion:
      return Commanded(ExportResults(form, ExportKind::Dispersion, step.name), "--export-dispersion", step.name);
    case StepKind::ExportDetg:
      return Commanded(ExportResults(form, ExportKind::Detg, step.name), "--export-detg", step.name);
    case StepKind::ExportMap:
      return Commanded(ExportResults(form, ExportKind::Map, step.name), "--export-map", step.name);
    case StepKind::ExportMeasured:
      return Commanded(ExportResults(form, ExportKind::Measured, step.name), "--export-measured", step.name);
    case StepKind::Modes: {
      bool written = false;  // stays false when the model faults or the input is refused
      form.RunHandler([&] { written = ExportModeTable(form, step.name); });
      return Commanded(written, "--modes", step.name);
    }
    case StepKind::Branches:
      form.RunHandler([&] { SetModeBranches(form, step.name == "on"); });
      return "";
    case StepKind::ExportBranches:
      return Commanded(ExportModeBranches(form, step.name), "--export-branches", step.name);
    case StepKind::Fit:
      form.RunHandler([&] { RunWindowFit(form, step.names, {}); });
      return "";
    case StepKind::ExportFit:
      return Commanded(ExportWindowFit(form, step.name), "--export-fit", step.name);
    case StepKind::ApplyFit:
      return Commanded(ApplyWindowFit(form), "--apply-fit", "");
  }
  return "";
}

// Installs a sink for the lifetime of the object and puts the previous one back.
class SinkGuard {
 public:
  explicit SinkGuard(Komunikat& sink) : previous_(&MessageSink()) { SetMessageSink(&sink); }
  ~SinkGuard() { SetMessageSink(previous_); }
  SinkGuard(const SinkGuard&) = delete;
  SinkGuard& operator=(const SinkGuard&) = delete;

 private:
  Komunikat* previous_;
};

// Prints the form's status lines while the run lasts.
class StatusPrinter {
 public:
  StatusPrinter(TForm1& form, std::ostream& err) : form_(form) {
    form_.onStatus = [&err](const std::string& text) { err << "status: " << text << '\n'; };
  }
  ~StatusPrinter() { form_.onStatus = nullptr; }
  StatusPrinter(const StatusPrinter&) = delete;
  StatusPrinter& operator=(const StatusPrinter&) = delete;

 private:
  TForm1& form_;
};

constexpr int kBadStep = 2;

}  // namespace

int RunHeadless(TForm1& form, const std::vector<std::string>& steps, std::ostream& err,
                const WindowPngRenderer& renderWindowPng) {
  const Parsed parsed = ParseSteps(form.controls, steps, static_cast<bool>(renderWindowPng));
  if (!parsed.error.empty()) {
    err << "fenlar: " << parsed.error << '\n';
    return kBadStep;
  }
  MessageLog log(err);
  SinkGuard guard(log);
  StatusPrinter status(form, err);
  form.RunHandler([&] { form.WindowCreated(); });
  for (const Step& step : parsed.steps) {
    const std::string failure = RunStep(form, step, log, renderWindowPng);
    if (!failure.empty()) {
      err << "fenlar: " << failure << '\n';
      return kBadStep;
    }
    if (form.exitRequested) break;
  }
  return 0;
}
