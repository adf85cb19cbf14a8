#pragma once

#include <string>

#include <gtest/gtest.h>

#include "base/komunikat.h"
#include "recording_sink.h"
#include "temp_dir.h"
#include "form/tform1.h"

// A created window acted on control by control, as the view does, with the messages recorded.
// It works in a fresh temporary directory, since the det_g scans of the maps write their trace
// file into the working directory.
class FittingWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageSink(&sink);
    form.RunHandler([&] { form.WindowCreated(); });
  }
  void TearDown() override {
    SetMessageSink(nullptr);
  }

  void Click(const std::string& name) {
    Control& c = form.controls[name];
    if (c.kind == ControlKind::CheckBox) c.checked = !c.checked;
    if (c.onClick) c.onClick();
  }
  void Select(const std::string& name, int index) {
    Control& c = form.controls[name];
    c.itemIndex = index;
    if (c.onClick) c.onClick();
  }
  void Move(const std::string& name, int position) { form.controls[name].SetPosition(position); }
  // Starting data edited in its fields reaches the state through "Take starting data".
  void TakeStartingData() { Click("Button5"); }

  int CountIn(int left, int top, int right, int bottom, Rgb color) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += form.canvas.Pixel(x, y) == color;
    return n;
  }
  bool RowIs(int y, int xFrom, int xTo, Rgb color) const {
    for (int x = xFrom; x <= xTo; ++x)
      if (!(form.canvas.Pixel(x, y) == color)) return false;
    return true;
  }
  bool ColumnIs(int x, int yFrom, int yTo, Rgb color) const {
    for (int y = yFrom; y <= yTo; ++y)
      if (!(form.canvas.Pixel(x, y) == color)) return false;
    return true;
  }
  std::string Messages() const {
    std::string all;
    for (const auto& [text, caption] : sink.shown) all += caption + ": " + text + "\n";
    return all;
  }

  ScopedTempDir dir_;
  TForm1 form;
  RecordingSink sink;

 private:
};
