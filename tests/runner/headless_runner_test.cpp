#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "base/fp_fault.h"
#include "base/komunikat.h"
#include "runner/headless.h"
#include "io/json_document.h"
#include "temp_dir.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct RunResult {
  int code = 0;
  std::string err;
};

RunResult RunSteps(TForm1& form, const std::vector<std::string>& steps,
             const WindowPngRenderer& png = {}) {
  std::ostringstream err;
  const int code = RunHeadless(form, steps, err, png);
  return {code, err.str()};
}

// The steps must be refused before anything runs: the --set in front stays undone.
void ExpectRefused(const std::vector<std::string>& bad, const std::string& reasonPart) {
  TForm1 form;
  std::vector<std::string> steps{"--set", "Edit1=5"};
  steps.insert(steps.end(), bad.begin(), bad.end());
  const RunResult run = RunSteps(form, steps);
  EXPECT_EQ(run.code, 2) << bad[0];
  EXPECT_NE(run.err.find(reasonPart), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
  EXPECT_EQ(form.Text("Edit1"), "3970");
}

class RecordingSink : public Komunikat {
 public:
  void Show(const std::string& text, const std::string&) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

}  // namespace

TEST(HeadlessRunner, RefusesMalformedStepsBeforeRunning) {
  ExpectRefused({"--click", "Button99"}, "Button99");
  ExpectRefused({"--set", "NoSuchField=1"}, "NoSuchField");
  ExpectRefused({"--set", "Button7=1"}, "Button7");
  ExpectRefused({"--set", "Edit1"}, "NAME=VALUE");
  ExpectRefused({"--click", "Edit1"}, "Edit1");
  ExpectRefused({"--select", "RadioGroup4=3"}, "RadioGroup4");
  ExpectRefused({"--select", "RadioGroup4=-1"}, "RadioGroup4");
  ExpectRefused({"--select", "RadioGroup4=1x"}, "RadioGroup4");
  ExpectRefused({"--select", "CheckBox22=0"}, "CheckBox22");
  ExpectRefused({"--position", "ScrollBar2=3999"}, "4000..20000");
  ExpectRefused({"--position", "ScrollBar2=20001"}, "ScrollBar2");
  ExpectRefused({"--position", "ScrollBar2="}, "ScrollBar2");
  ExpectRefused({"--position", "Button7=1"}, "Button7");
  ExpectRefused({"--key", "Tab"}, "Tab");
  ExpectRefused({"--png", "w.png"}, "--png");
  ExpectRefused({"--dump"}, "--dump");
  ExpectRefused({"--load"}, "--load");
  ExpectRefused({"--import-measured", ""}, "empty file name");
  ExpectRefused({"--export-map", ""}, "empty file name");
  ExpectRefused({"--frobnicate", "x"}, "--frobnicate");
}

TEST(HeadlessRunner, RunsStepsInOrderAndStopsAtExit) {
  TForm1 form;
  const RunResult run = RunSteps(form, {"--set", "Edit1=4000=x", "--position", "TrackBar1=100", "--select",
                                  "RadioGroup5=3", "--click", "CheckBox9", "--click", "Button2",
                                  "--set", "Edit4=1"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(form.Text("Edit1"), "4000=x");  // only the first '=' separates the name
  EXPECT_EQ(form.Position("TrackBar1"), 100);
  EXPECT_EQ(form.ItemIndex("RadioGroup5"), 3);
  EXPECT_TRUE(form.Ticked("CheckBox9"));
  EXPECT_TRUE(form.exitRequested);
  EXPECT_EQ(form.Text("Edit4"), "532");
}

TEST(HeadlessRunner, PngStepWritesTheViewsPictureSafely) {
  ScopedTempDir dir;
  TForm1 form;
  int renders = 0;
  const auto render = [&]() -> std::string { return ++renders == 1 ? "picture bytes" : ""; };
  EXPECT_EQ(RunSteps(form, {"--png", "a.png"}, render).code, 0);
  EXPECT_EQ(ReadFile("a.png"), "picture bytes");
  TForm1 other;
  const RunResult failed = RunSteps(other, {"--png", "fail.png", "--png", "b.png"}, render);
  EXPECT_EQ(failed.code, 2);
  EXPECT_NE(failed.err.find("fail.png"), std::string::npos);
  EXPECT_EQ(renders, 2);
  EXPECT_FALSE(std::ifstream("fail.png").good());
}

TEST(HeadlessRunner, DumpHoldsEveryValueAndTheMessagesInOrder) {
  RecordingSink outer;
  SetMessageSink(&outer);
  TForm1 form;
  int shown = 0;
  form.controls["Button6"].onClick = [&] {
    form.RunHandler([&] { throw RefusedInput("refused " + std::to_string(++shown) + "\n\"quoted\" \xc5\xbc"); });
  };
  const std::string tricky = "a\"b\\c\n\t\x01 \xc5\xbc\xc3\xb3\xc5\x82w";
  const std::string file = "headless_runner_dump.json";
  const RunResult run = RunSteps(form, {"--set", "Edit2=" + tricky, "--click", "Button6", "--click", "Button6",
                                  "--dump", file});
  SetMessageSink(nullptr);
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.err.find("FENLAR: refused 1"), std::string::npos);
  EXPECT_TRUE(outer.texts.empty()) << "the run's own sink took the messages";

  const JsonParseResult parsed = ParseJson(ReadFile(file));
  std::remove(file.c_str());
  ASSERT_TRUE(parsed.ok) << parsed.error;
  const Json& controls = parsed.value.at("controls");
  ASSERT_TRUE(controls.is_object());
  EXPECT_EQ(controls.at("Edit2"), Json({{"text", tricky}}));
  EXPECT_EQ(controls.at("Edit1"), Json({{"text", "3970"}}));
  EXPECT_EQ(controls.at("MaskEdit41"), Json({{"text", form.Text("MaskEdit41")}}));
  EXPECT_EQ(controls.at("CheckBox22"), Json({{"checked", true}}));
  EXPECT_EQ(controls.at("RadioGroup3"), Json({{"index", 4}}));
  EXPECT_EQ(controls.at("ScrollBar2"), Json({{"position", 6000}}));
  EXPECT_EQ(controls.at("ScrollBar5"), Json({{"position", 0}}));
  EXPECT_FALSE(controls.contains("Button7"));
  EXPECT_FALSE(controls.contains("Bevel1"));
  EXPECT_FALSE(controls.contains("GroupBox8"));
  std::size_t expected = 0;
  for (const Control& c : form.controls.All()) {
    expected += c.IsTextField() || c.HasPosition() || c.kind == ControlKind::CheckBox ||
                c.kind == ControlKind::RadioGroup;
  }
  EXPECT_EQ(controls.size(), expected);

  const Json& messages = parsed.value.at("messages");
  ASSERT_EQ(messages.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(messages[i].at("caption"), "FENLAR");
    EXPECT_EQ(messages[i].at("text"), "refused " + std::to_string(i + 1) + "\n\"quoted\" \xc5\xbc");
  }
}

TEST(HeadlessRunner, CanvasStepWritesTheRasterAsPng) {
  TForm1 form;
  const std::string file = "headless_runner_canvas.png";
  ASSERT_EQ(RunSteps(form, {"--canvas", file}).code, 0);
  const std::string png = ReadFile(file);
  std::remove(file.c_str());
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  const auto byte = [&](int i) { return static_cast<unsigned char>(png[i]); };
  EXPECT_EQ(byte(18) << 8 | byte(19), Canvas::kWidth);
  EXPECT_EQ(byte(22) << 8 | byte(23), Canvas::kHeight);
  EXPECT_EQ(RunSteps(form, {"--canvas", "/nonexistent-folder/c.png"}).code, 2);
}

TEST(HeadlessRunner, SavesLoadsImportsAndExports) {
  ScopedTempDir dir;
  TForm1 first;
  ASSERT_EQ(RunSteps(first, {"--set", "Edit1=4100", "--position", "ScrollBar9=-750", "--save", "s.json"}).code, 0);
  WriteWholeFile("m.csv", "angle,R,dR,S1,dS1\n42,9.5,0.2,12.9,0.3\n");

  TForm1 second;
  const RunResult run = RunSteps(second, {"--load", "s.json", "--import-measured", "m.csv", "--click", "Button7",
                                          "--export-detg", "d.csv", "--export-measured", "m_out.csv",
                                          "--export-dispersion", "disp.csv", "--export-map", "map.csv"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(second.Text("Edit1"), "4100");
  EXPECT_EQ(second.Position("ScrollBar9"), -750);
  EXPECT_EQ(second.Text("Edit15"), "42");
  EXPECT_EQ(second.Text("Edit27"), "");
  const std::string detg = ReadWholeFile("d.csv");
  EXPECT_EQ(detg.rfind("v_m_s,re,im,modulus\n3000,", 0), 0u) << detg.substr(0, 60);
  EXPECT_EQ(std::count(detg.begin(), detg.end(), '\n'), 151);
  const std::string measured = ReadWholeFile("m_out.csv");
  EXPECT_EQ(std::count(measured.begin(), measured.end(), '\n'), 3) << measured;
  EXPECT_EQ(measured.find("\nA1,42,R,"), measured.find('\n')) << measured;
  EXPECT_EQ(ReadWholeFile("disp.csv"), "angle_deg,qd,v_m_s\n") << "no sweep has run";
  EXPECT_EQ(ReadWholeFile("map.csv"), "x,y,g\n");
}

TEST(HeadlessRunner, AFailedLoadOrImportShowsWhyAndEndsTheRun) {
  ScopedTempDir dir;
  WriteWholeFile("bad.json", R"({"format": "fenlar-session", "version": 1,)"
                             R"( "controls": {"Edit1": {"checked": true}}})");
  WriteWholeFile("bad.csv", "40,9.3\n");
  const std::vector<std::string> failing{"--load=bad.json", "--load=none.json",
                                         "--import-measured=bad.csv", "--load=/dev/zero",
                                         "--import-measured=/dev/zero"};
  for (const std::string& step : failing) {
    const std::size_t eq = step.find('=');
    TForm1 form;
    const RunResult run = RunSteps(form, {"--set", "Edit2=7", step.substr(0, eq), step.substr(eq + 1), "--dump", "d.json"});
    EXPECT_EQ(run.code, 2) << step;
    EXPECT_NE(run.err.find("FENLAR: Cannot"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("fenlar: " + step.substr(0, eq) + " '" + step.substr(eq + 1) + "' failed"), std::string::npos) << run.err;
    EXPECT_FALSE(std::ifstream("d.json").good()) << "the steps after it do not run";
    EXPECT_EQ(form.Text("Edit2"), "7");
    EXPECT_EQ(form.Text("Edit1"), "3970");
  }
  TForm1 form;
  const RunResult unwritable = RunSteps(form, {"--export-detg", "missing/d.csv"});
  EXPECT_EQ(unwritable.code, 2);
  EXPECT_NE(unwritable.err.find("missing/d.csv"), std::string::npos) << unwritable.err;
}
