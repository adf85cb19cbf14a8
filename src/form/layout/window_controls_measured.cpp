#include "form/layout/window_controls_build.h"

#include "form/measured_fields.h"

namespace window_build {
namespace {

constexpr int kModes = kMeasuredModes;  // R, S_1, S_2, S_3, S_4
constexpr int kColumnsPerBlock = 7;
constexpr int kColumnPitch = 58;
constexpr int kBlockOffset = 138;  // block 2 (A8 to A14) lies this far below block 1

// The default texts of a column: the angle, and R and S_1 with their uncertainties.
struct ColumnDefaults {
  const char* angle;
  const char* value[2];
  const char* error[2];
};

// A1 to A9 hold the default measurement and are ticked.
const ColumnDefaults kDefaults[kMeasuredColumns] = {
    {"40", {"9.3", "12.5"}, {"0.2", "0.3"}},  {"45", {"9.8", "13.2"}, {"0.2", "0.3"}},
    {"50", {"10.7", "13.8"}, {"0.2", "0.3"}}, {"55", {"11.3", "14.2"}, {"0.2", "0.3"}},
    {"60", {"11.9", "14.8"}, {"0.3", "0.3"}}, {"65", {"12.1", "15.2"}, {"0.2", "0.3"}},
    {"70", {"12.5", "15.4"}, {"0.3", "0.3"}}, {"75", {"12.7", "15.6"}, {"0.3", "0.4"}},
    {"77", {"12.8", "15.8"}, {"0.3", "0.4"}}, {"", {"", ""}, {"", ""}},
    {"", {"", ""}, {"", ""}},                 {"", {"", ""}, {"", ""}},
    {"", {"", ""}, {"", ""}},                 {"", {"", ""}, {"", ""}},
};

const char* const kModeNames[kModes] = {"R", "S_1", "S_2", "S_3", "S_4"};
const int kCheckBoxLeft[kColumnsPerBlock] = {33, 90, 148, 206, 264, 322, 380};
const int kModeTop[kModes] = {38, 60, 82, 104, 126};
const int kMeasuredColumnsTicked = 9;

const std::string kGroup = "GroupBox4";

void AddColumn(Controls& c, int index) {
  const MeasuredColumnFields& col = MeasuredFields(index);
  const ColumnDefaults& texts = kDefaults[index];
  const int k = index % kColumnsPerBlock;
  const int dy = index < kColumnsPerBlock ? 0 : kBlockOffset;
  const int x = kColumnPitch * k;
  const std::string number = std::to_string(index + 1);
  AddCheckBox(c, col.checkBox, kGroup, kCheckBoxLeft[k], 17 + dy, "", index < kMeasuredColumnsTicked);
  AddField(c, ControlKind::Edit, col.angle, kGroup, {48 + x, 14 + dy, 19, kFieldHeight}, texts.angle,
           colors::Red);
  AddLabel(c, "TextColumnA" + number, kGroup, 67 + x, 18 + dy, "A" + number);
  for (int m = 0; m < kModes; ++m) {
    const int top = kModeTop[m] + dy;
    const bool hasDefault = m < 2;
    AddField(c, ControlKind::Edit, col.value[m], kGroup, {31 + x, top, 28, kFieldHeight},
             hasDefault ? texts.value[m] : "", colors::Red);
    AddField(c, ControlKind::Edit, col.error[m], kGroup, {58 + x, top, 26, kFieldHeight},
             hasDefault ? texts.error[m] : "", colors::Red);
  }
}

void AddRowLabels(Controls& c, int block) {
  const int dy = block == 1 ? 0 : kBlockOffset;
  const std::string prefix = "TextBlock" + std::to_string(block);
  AddLabel(c, prefix + "Angle", kGroup, 4, 18 + dy, "Angle");
  for (int m = 0; m < kModes; ++m) {
    AddLabel(c, prefix + kModeNames[m], kGroup, 11, kModeTop[m] + 4 + dy, kModeNames[m]);
  }
}

}  // namespace

void AddMeasuredData(Controls& controls) {
  AddGroupBox(controls, kGroup, {4, 79, 438, 290},
              "Experimental data: angles of incidence and phonon frequencies (GHz)");
  AddRowLabels(controls, 1);
  AddRowLabels(controls, 2);
  for (int i = 0; i < kMeasuredColumns; ++i) AddColumn(controls, i);
}

}  // namespace window_build
