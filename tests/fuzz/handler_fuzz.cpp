// Fuzz target over the headless window logic: the fuzzer's bytes choose field texts,
// check boxes, radio items and slider positions and a short sequence of handler triggers.
// Every handler must complete or end with one of the program's own messages, within a
// time bound that grows with the work the fields ask for.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "base/fp_fault.h"
#include "base/number_text.h"
#include "form/tform1.h"
#include "message_check.h"

namespace {

class ByteStream {
 public:
  ByteStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  unsigned Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  unsigned Pick(unsigned count) { return count == 0 ? 0 : (Byte() << 8 | Byte()) % count; }
  std::string RawText(unsigned length) {
    std::string s;
    for (unsigned i = 0; i < length && !empty(); ++i) s.push_back(static_cast<char>(Byte()));
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

const char* const kTexts[] = {
    "", "0", "-0", "1", "-1", "2", "20", "-20", "25.0", "0.5", "1e4932", "-1e4932", "1e-4932",
    "nan", "inf", "1,5", "0,82", "3000", "6000", "4000", "12350", "0.82", "1.42", "1e308",
    "-1e308", "1e-300", "99999999999999999999999999999999", "123456789012345678901234567890e10",
    "\xc5\xbc\xc3\xb3\xc5\x82w", "1.0E+126", "1.0E+150", "-3.0E+137", "2.0E+138", "496", "168",
    "3970", "10280", "60", "90", "180", "0.0001", "5e-10", "   7", "+8", "e5", ".5", "5.", "0x10"};

struct Names {
  std::vector<std::string> texts, checks, radios, ranges, buttons;
};

Names CollectNames(const TForm1& form) {
  Names n;
  for (const Control& c : form.controls.All()) {
    if (c.IsTextField()) n.texts.push_back(c.name);
    if (c.kind == ControlKind::CheckBox) n.checks.push_back(c.name);
    if (c.kind == ControlKind::RadioGroup) n.radios.push_back(c.name);
    if (c.HasPosition()) n.ranges.push_back(c.name);
    if (c.kind == ControlKind::Button && c.name != "Button2") n.buttons.push_back(c.name);
  }
  return n;
}

long double Steps(const TForm1& f, const char* lo, const char* hi, const char* step) {
  const long double span = f.Number(hi) - f.Number(lo);
  const long double s = f.Number(step);
  if (!(span > 0)) return 0;
  if (!(s > 0)) return 1;  // the program refuses such a step at once
  return span / s;
}

// A rough count of det_g evaluations a trigger may ask for; the harness keeps runs short by
// not triggering what asks for more.
long double EstimatedEvaluations(const TForm1& f, const std::string& trigger) {
  const long double scan = Steps(f, "Edit180", "Edit181", "Edit179");
  const long double theta = f.Number("Edit188");
  const long double angles = theta > 0 ? 80 / theta : 1;
  long double sweepVelocities = scan;
  if (!f.Ticked("CheckBox22")) sweepVelocities = Steps(f, "Edit173", "Edit177", "Edit179");
  long double work = 3 * scan + 28;
  if (trigger == "Button4" || f.Ticked("CheckBox21")) work += 3 * angles * sweepVelocities;
  if (trigger == "Button6") work += 28.0L * 448 * 448;  // a map of at most XL x XL nodes
  ClearFloatingPointFlags();
  return std::isfinite(static_cast<double>(work)) ? work : 1e30L;
}

// Processor time of the whole process, the evaluating threads included: unlike the wall clock
// it does not grow when other programs load the machine.
double ProcessSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

void RunTimed(TForm1& form, const std::string& trigger, const std::function<void()>& action) {
  const long double work = EstimatedEvaluations(form, trigger);
  if (work > 50000) return;
  const double start = ProcessSeconds();
  action();
  const double seconds = ProcessSeconds() - start;
  // Far above an evaluation under the sanitizers: the bound catches loops that do not end.
  const double bound = 5.0 + static_cast<double>(work) * 1e-3;
  if (seconds > bound) {
    std::fprintf(stderr, "handler %s took %.2f s, bound %.2f s\n", trigger.c_str(), seconds, bound);
    std::abort();
  }
}

void RunStep(TForm1& form, const Names& names, ByteStream& in) {
  switch (in.Byte() % 8) {
    case 0:
    case 1: {
      Control& c = form.controls[names.texts[in.Pick(names.texts.size())]];
      const unsigned choice = in.Byte();
      c.text = choice < 200 ? kTexts[choice % std::size(kTexts)] : in.RawText(choice % 24);
      break;
    }
    case 2: {
      Control& c = form.controls[names.checks[in.Pick(names.checks.size())]];
      c.checked = !c.checked;
      if (c.onClick) RunTimed(form, c.name, c.onClick);
      break;
    }
    case 3: {
      Control& c = form.controls[names.radios[in.Pick(names.radios.size())]];
      c.itemIndex = static_cast<int>(in.Pick(static_cast<unsigned>(c.items.size())));
      if (c.name == "RadioGroup5") c.itemIndex = 0;  // maps at the coarsest resolution only
      if (c.onClick) RunTimed(form, c.name, c.onClick);
      break;
    }
    case 4: {
      Control& c = form.controls[names.ranges[in.Pick(names.ranges.size())]];
      const long long span = static_cast<long long>(c.maximum) - c.minimum + 1;
      const int p = static_cast<int>(c.minimum + static_cast<long long>(in.Byte() << 16 | in.Byte() << 8 | in.Byte()) % span);
      RunTimed(form, c.name, [&] { c.SetPosition(p); });
      break;
    }
    case 5:
    case 6: {
      Control& c = form.controls[names.buttons[in.Pick(names.buttons.size())]];
      if (c.onClick) RunTimed(form, c.name, c.onClick);
      break;
    }
    default:
      RunTimed(form, "Enter", [&] { form.RunHandler([&] { form.EnterOrEscape(); }); });
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static MessageCheck check;
  SetMessageSink(&check);
  TForm1 form;
  form.WindowCreated();
  const Names names = CollectNames(form);
  ByteStream in(data, size);
  for (int step = 0; step < 12 && !in.empty(); ++step) RunStep(form, names, in);
  SetMessageSink(nullptr);
  return 0;
}
