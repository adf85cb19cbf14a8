#include "ui/window_controls_build.h"

namespace window_build {
namespace {

constexpr int kModes = 5;  // R, S_1, S_2, S_3, S_4
constexpr int kColumnsPerBlock = 7;
constexpr int kColumnPitch = 58;
constexpr int kBlockOffset = 138;  // block 2 (A8 to A14) lies this far below block 1

struct MeasuredColumn {
  const char* checkBox;
  const char* angle;
  const char* angleText;
  const char* value[kModes];
  const char* error[kModes];
  const char* valueText[2];  // defaults of R and S_1
  const char* errorText[2];
};

// A1 to A14. A1 to A9 hold the default measurement and are ticked.
const MeasuredColumn kColumns[] = {
    {"CheckBox1", "Edit15", "40", {"Edit2", "Edit3", "Edit7", "Edit8", "Edit9"},
     {"Edit10", "Edit11", "Edit12", "Edit13", "Edit14"}, {"9.3", "12.5"}, {"0.2", "0.3"}},
    {"CheckBox2", "Edit27", "45", {"Edit28", "Edit30", "Edit32", "Edit34", "Edit36"},
     {"Edit29", "Edit31", "Edit33", "Edit35", "Edit37"}, {"9.8", "13.2"}, {"0.2", "0.3"}},
    {"CheckBox3", "Edit49", "50", {"Edit50", "Edit52", "Edit54", "Edit56", "Edit58"},
     {"Edit51", "Edit53", "Edit55", "Edit57", "Edit59"}, {"10.7", "13.8"}, {"0.2", "0.3"}},
    {"CheckBox4", "Edit71", "55", {"Edit72", "Edit74", "Edit76", "Edit78", "Edit80"},
     {"Edit73", "Edit75", "Edit77", "Edit79", "Edit81"}, {"11.3", "14.2"}, {"0.2", "0.3"}},
    {"CheckBox5", "Edit93", "60", {"Edit94", "Edit96", "Edit98", "Edit100", "Edit102"},
     {"Edit95", "Edit97", "Edit99", "Edit101", "Edit103"}, {"11.9", "14.8"}, {"0.3", "0.3"}},
    {"CheckBox6", "Edit115", "65", {"Edit116", "Edit118", "Edit120", "Edit122", "Edit124"},
     {"Edit117", "Edit119", "Edit121", "Edit123", "Edit125"}, {"12.1", "15.2"}, {"0.2", "0.3"}},
    {"CheckBox7", "Edit141", "70", {"Edit142", "Edit144", "Edit146", "Edit148", "Edit150"},
     {"Edit143", "Edit145", "Edit147", "Edit149", "Edit151"}, {"12.5", "15.4"}, {"0.3", "0.3"}},
    {"CheckBox8", "Edit16", "75", {"Edit17", "Edit19", "Edit26", "Edit22", "Edit24"},
     {"Edit18", "Edit20", "Edit21", "Edit23", "Edit25"}, {"12.7", "15.6"}, {"0.3", "0.4"}},
    {"CheckBox15", "Edit38", "77", {"Edit39", "Edit41", "Edit43", "Edit45", "Edit47"},
     {"Edit40", "Edit42", "Edit44", "Edit46", "Edit48"}, {"12.8", "15.8"}, {"0.3", "0.4"}},
    {"CheckBox16", "Edit60", "", {"Edit61", "Edit63", "Edit65", "Edit67", "Edit69"},
     {"Edit62", "Edit64", "Edit66", "Edit68", "Edit70"}, {"", ""}, {"", ""}},
    {"CheckBox17", "Edit82", "", {"Edit83", "Edit85", "Edit87", "Edit89", "Edit91"},
     {"Edit84", "Edit86", "Edit88", "Edit90", "Edit92"}, {"", ""}, {"", ""}},
    {"CheckBox18", "Edit104", "", {"Edit105", "Edit107", "Edit109", "Edit111", "Edit113"},
     {"Edit106", "Edit108", "Edit110", "Edit112", "Edit114"}, {"", ""}, {"", ""}},
    {"CheckBox19", "Edit126", "", {"Edit127", "Edit129", "Edit131", "Edit133", "Edit135"},
     {"Edit128", "Edit130", "Edit132", "Edit134", "Edit136"}, {"", ""}, {"", ""}},
    {"CheckBox20", "Edit152", "", {"Edit153", "Edit155", "Edit157", "Edit159", "Edit161"},
     {"Edit154", "Edit156", "Edit158", "Edit160", "Edit162"}, {"", ""}, {"", ""}},
};

const char* const kModeNames[kModes] = {"R", "S_1", "S_2", "S_3", "S_4"};
const int kCheckBoxLeft[kColumnsPerBlock] = {33, 90, 148, 206, 264, 322, 380};
const int kModeTop[kModes] = {38, 60, 82, 104, 126};
const int kMeasuredColumnsTicked = 9;

const std::string kGroup = "GroupBox4";

void AddColumn(Controls& c, int index) {
  const MeasuredColumn& col = kColumns[index];
  const int k = index % kColumnsPerBlock;
  const int dy = index < kColumnsPerBlock ? 0 : kBlockOffset;
  const int x = kColumnPitch * k;
  const std::string number = std::to_string(index + 1);
  AddCheckBox(c, col.checkBox, kGroup, kCheckBoxLeft[k], 17 + dy, "", index < kMeasuredColumnsTicked);
  AddField(c, ControlKind::Edit, col.angle, kGroup, {48 + x, 14 + dy, 19, kFieldHeight}, col.angleText,
           colors::Red);
  AddLabel(c, "TextColumnA" + number, kGroup, 67 + x, 18 + dy, "A" + number);
  for (int m = 0; m < kModes; ++m) {
    const int top = kModeTop[m] + dy;
    const bool hasDefault = m < 2;
    AddField(c, ControlKind::Edit, col.value[m], kGroup, {31 + x, top, 28, kFieldHeight},
             hasDefault ? col.valueText[m] : "", colors::Red);
    AddField(c, ControlKind::Edit, col.error[m], kGroup, {58 + x, top, 26, kFieldHeight},
             hasDefault ? col.errorText[m] : "", colors::Red);
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
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) AddColumn(controls, i);
}

}  // namespace window_build
