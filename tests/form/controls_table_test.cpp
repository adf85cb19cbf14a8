#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "form/controls.h"

namespace {

class ControlsTable : public ::testing::Test {
 protected:
  ControlsTable() { BuildWindowControls(controls); }
  Controls controls;
};

struct AngleColumn {
  const char* checkBox;
  const char* angle;
  const char* angleText;
  const char* r;
  const char* rText;
  const char* s1Error;
  const char* s1ErrorText;
};

const AngleColumn kAngleColumns[] = {
    {"CheckBox1", "Edit15", "40", "Edit2", "9.3", "Edit11", "0.3"},
    {"CheckBox2", "Edit27", "45", "Edit28", "9.8", "Edit31", "0.3"},
    {"CheckBox3", "Edit49", "50", "Edit50", "10.7", "Edit53", "0.3"},
    {"CheckBox4", "Edit71", "55", "Edit72", "11.3", "Edit75", "0.3"},
    {"CheckBox5", "Edit93", "60", "Edit94", "11.9", "Edit97", "0.3"},
    {"CheckBox6", "Edit115", "65", "Edit116", "12.1", "Edit119", "0.3"},
    {"CheckBox7", "Edit141", "70", "Edit142", "12.5", "Edit145", "0.3"},
    {"CheckBox8", "Edit16", "75", "Edit17", "12.7", "Edit20", "0.4"},
    {"CheckBox15", "Edit38", "77", "Edit39", "12.8", "Edit42", "0.4"},
    {"CheckBox16", "Edit60", "", "Edit61", "", "Edit64", ""},
    {"CheckBox17", "Edit82", "", "Edit83", "", "Edit86", ""},
    {"CheckBox18", "Edit104", "", "Edit105", "", "Edit108", ""},
    {"CheckBox19", "Edit126", "", "Edit127", "", "Edit130", ""},
    {"CheckBox20", "Edit152", "", "Edit153", "", "Edit156", ""},
};

// Neighbouring fields may share their one-pixel border.
bool Overlap(const Control& a, const Control& b) {
  constexpr int shared = 1;
  return a.left + shared < b.left + b.width && b.left + shared < a.left + a.width &&
         a.top + shared < b.top + b.height && b.top + shared < a.top + a.height;
}

}  // namespace

TEST_F(ControlsTable, SubstrateDensityFieldInsideDataGroup) {
  const Control& edit1 = controls["Edit1"];
  EXPECT_EQ(edit1.kind, ControlKind::Edit);
  EXPECT_EQ(edit1.parent, "GroupBox8");
  EXPECT_EQ(edit1.left, 73);
  EXPECT_EQ(edit1.top, 22);
  EXPECT_EQ(edit1.text, "3970");
  EXPECT_EQ(edit1.textColor, colors::Lime);
  EXPECT_EQ(edit1.background, colors::Black);
  const ClientRect r = controls.ClientBounds("Edit1");
  EXPECT_EQ(r.left, 77);
  EXPECT_EQ(r.top, 23);
  EXPECT_EQ(controls["GroupBox8"].caption, "Data");
  EXPECT_EQ(controls["GroupBox8"].background, colors::MoneyGreen);
}

TEST_F(ControlsTable, NamesAreUniqueAndPlainLabelsAreText) {
  std::set<std::string> names;
  for (const Control& c : controls.All()) {
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    if (c.kind == ControlKind::Label && c.name.rfind("Label", 0) != 0) {
      EXPECT_EQ(c.name.rfind("Text", 0), 0u) << c.name;
    }
  }
  EXPECT_THROW(controls["Edit999"], std::out_of_range);
}

TEST_F(ControlsTable, ChildrenLieInsideTheirGroupsAndContentFitsTheClientArea) {
  for (const Control& c : controls.All()) {
    if (!c.parent.empty()) {
      const Control& g = controls[c.parent];
      EXPECT_EQ(g.kind, ControlKind::GroupBox) << c.name;
      EXPECT_GE(c.left, 0) << c.name;
      EXPECT_GE(c.top, 0) << c.name;
      EXPECT_LE(c.left + c.width, g.width) << c.name;
      EXPECT_LE(c.top + c.height, g.height) << c.name;
    }
    const ClientRect r = controls.ClientBounds(c.name);
    EXPECT_GT(r.width, 0) << c.name;
    EXPECT_GT(r.height, 0) << c.name;
    EXPECT_LE(r.left + r.width, Canvas::kWidth) << c.name;
    EXPECT_LE(r.top + r.height, Canvas::kHeight) << c.name;
  }
}

TEST_F(ControlsTable, FieldsOfAGroupDoNotOverlap) {
  std::vector<const Control*> grouped;
  for (const Control& c : controls.All()) {
    if (c.IsTextField() && !c.parent.empty()) grouped.push_back(&c);
  }
  for (std::size_t i = 0; i < grouped.size(); ++i) {
    for (std::size_t j = i + 1; j < grouped.size(); ++j) {
      if (grouped[i]->parent != grouped[j]->parent) continue;
      EXPECT_FALSE(Overlap(*grouped[i], *grouped[j])) << grouped[i]->name << " " << grouped[j]->name;
    }
  }
}

TEST_F(ControlsTable, AllFourteenAngleColumnsWithDefaults) {
  for (int i = 0; i < 14; ++i) {
    const AngleColumn& col = kAngleColumns[i];
    SCOPED_TRACE(col.angle);
    const Control& box = controls[col.checkBox];
    EXPECT_EQ(box.kind, ControlKind::CheckBox);
    EXPECT_EQ(box.checked, i < 9);
    EXPECT_TRUE(box.caption.empty());
    EXPECT_EQ(controls[col.angle].text, col.angleText);
    EXPECT_EQ(controls[col.r].text, col.rText);
    EXPECT_EQ(controls[col.s1Error].text, col.s1ErrorText);
    for (const char* name : {col.angle, col.r, col.s1Error}) {
      EXPECT_EQ(controls[name].textColor, colors::Red);
      EXPECT_EQ(controls[name].parent, "GroupBox4");
    }
    const int k = i % 7;
    const int blockTop = i < 7 ? 0 : 138;
    const std::string number = std::to_string(i + 1);
    EXPECT_EQ(controls[col.angle].left, 48 + 58 * k);
    EXPECT_EQ(controls[col.angle].top, 14 + blockTop);
    EXPECT_EQ(controls[col.r].left, 31 + 58 * k);
    EXPECT_EQ(controls[col.r].top, 38 + blockTop);
    EXPECT_EQ(controls[col.s1Error].top, 60 + blockTop);
    EXPECT_EQ(box.top, 17 + blockTop);
    EXPECT_EQ(controls["TextColumnA" + number].caption, "A" + number);
  }
  // The higher Sezawa rows are empty, in their own rows.
  EXPECT_EQ(controls["Edit26"].top, 220);
  EXPECT_EQ(controls["Edit21"].top, 220);
  EXPECT_EQ(controls["Edit162"].top, 264);
  EXPECT_TRUE(controls["Edit162"].text.empty());
}

TEST_F(ControlsTable, HandyModeSlidersAndBars) {
  for (const char* name : {"ScrollBar5", "ScrollBar6", "ScrollBar9", "ScrollBar10", "ScrollBar11",
                           "ScrollBar12", "ScrollBar13", "ScrollBar14"}) {
    const Control& s = controls[name];
    EXPECT_EQ(s.kind, ControlKind::ScrollBar) << name;
    EXPECT_EQ(s.parent, "GroupBox5") << name;
    EXPECT_TRUE(s.vertical) << name;
    EXPECT_EQ(s.minimum, -750) << name;
    EXPECT_EQ(s.maximum, 750) << name;
    EXPECT_EQ(s.position, 0) << name;
  }
  for (const char* hold : {"CheckBox23", "CheckBox24", "CheckBox9", "CheckBox14"}) {
    EXPECT_FALSE(controls[hold].checked) << hold;
  }
  EXPECT_EQ(controls["MaskEdit13"].textColor, colors::Lime);
  EXPECT_EQ(controls["MaskEdit38"].textColor, colors::Yellow);
  EXPECT_EQ(controls["MaskEdit38"].left, 249);

  struct Bar { const char* name; int minimum, maximum, position; bool vertical; };
  const Bar bars[] = {{"ScrollBar1", 1, 3999, 3000, false}, {"ScrollBar2", 4000, 20000, 6000, false},
                      {"ScrollBar3", 1, 200000000, 1, true}, {"ScrollBar4", 1, 2000000000, 1, true},
                      {"TrackBar1", 1, 100, 10, true}};
  for (const Bar& b : bars) {
    const Control& c = controls[b.name];
    EXPECT_TRUE(c.HasPosition()) << b.name;
    EXPECT_EQ(c.minimum, b.minimum) << b.name;
    EXPECT_EQ(c.maximum, b.maximum) << b.name;
    EXPECT_EQ(c.position, b.position) << b.name;
    EXPECT_EQ(c.vertical, b.vertical) << b.name;
  }
}

TEST_F(ControlsTable, RadioGroupsAndSwitches) {
  EXPECT_EQ(controls["RadioGroup3"].items.size(), 14u);
  EXPECT_EQ(controls["RadioGroup3"].items[13], "Angle_14");
  EXPECT_EQ(controls["RadioGroup3"].itemIndex, 4);
  EXPECT_EQ(controls["RadioGroup4"].caption, "Vetical axis - det_g determinant values");
  EXPECT_EQ(controls["RadioGroup4"].items, (std::vector<std::string>{"Lg(Abs)", "Abs", "Real"}));
  EXPECT_EQ(controls["RadioGroup4"].itemIndex, 0);
  EXPECT_EQ(controls["RadioGroup5"].items, (std::vector<std::string>{"S", "L", "M", "XL"}));
  EXPECT_EQ(controls["RadioGroup1"].items, controls["RadioGroup2"].items);
  EXPECT_EQ(controls["RadioGroup1"].columns, 4);
  EXPECT_EQ(controls["RadioGroup2"].items[controls["RadioGroup2"].itemIndex], "c11L2");
  EXPECT_TRUE(controls["CheckBox22"].checked);
  EXPECT_FALSE(controls["CheckBox26"].checked);
  EXPECT_FALSE(controls["CheckBox25"].checked);
  EXPECT_FALSE(controls["CheckBox21"].checked);
  EXPECT_EQ(controls["Button4"].caption, "Disperssions");
  EXPECT_EQ(controls["Button8"].caption, "modyfied->starting");
}

TEST_F(ControlsTable, DefaultTextsOfRangesAndScanFields) {
  struct Default { const char* name; const char* text; };
  const Default defaults[] = {
      {"Edit173", "3000"}, {"Edit177", "6000"}, {"Edit167", "0.82"}, {"Edit170", "1.42"},
      {"Edit184", "1.0E+126"}, {"Edit185", "1.0E+150"}, {"Edit164", "-3.0E+137"}, {"Edit178", "2.0E+138"},
      {"Edit179", "20"}, {"Edit180", "3000"}, {"Edit181", "6000"}, {"Edit182", "25.0"},
      {"Edit183", "0"}, {"Edit188", "2"}, {"Edit231", "10"}, {"Edit4", "532"},
      {"Edit174", "496"}, {"Edit176", "148"}, {"Edit168", "255.7"}, {"Edit172", "144.2"},
      {"MaskEdit1", "6542"}, {"MaskEdit33", "1068"}, {"Edit140", "8"}, {"Edit139", "19300"}};
  for (const Default& d : defaults) EXPECT_EQ(controls[d.name].text, d.text) << d.name;
  EXPECT_EQ(controls["Edit184"].textColor, colors::SkyBlue);
  EXPECT_EQ(controls["Edit165"].textColor, colors::Aqua);
  EXPECT_EQ(controls["Edit168"].textColor, colors::Fuchsia);
  EXPECT_EQ(controls["Edit180"].parent, "GroupBox9");
  EXPECT_EQ(controls.ClientBounds("Edit180").left, 903 + 63);
}

TEST_F(ControlsTable, PlotRectanglesAndTickLabels) {
  const Control& bevel3 = controls["Bevel3"];
  EXPECT_EQ(bevel3.left, 449);
  EXPECT_EQ(bevel3.width, 414);
  EXPECT_EQ(controls["Bevel1"].height, 265);
  EXPECT_EQ(controls["Bevel2"].width, 224);
  for (const char* name : {"Edit198", "Edit187", "Edit211", "Edit208", "Edit218", "Edit229"}) {
    const Control& t = controls[name];
    EXPECT_FALSE(t.border) << name;
    EXPECT_TRUE(t.bold) << name;
    EXPECT_EQ(t.background, colors::Silver) << name;
    EXPECT_TRUE(t.text.empty()) << name;
  }
  EXPECT_EQ(controls["Edit208"].left, 842);
  EXPECT_EQ(controls["Edit199"].top, 650);
  EXPECT_EQ(controls["Panel12"].background, colors::Red);
  EXPECT_EQ(controls["Panel2"].background, colors::Blue);
  EXPECT_EQ(controls["Label92"].caption, "FENLAR");
  EXPECT_TRUE(controls["Label92"].bold);
  EXPECT_EQ(controls["Label92"].fontPoints, 10);
  EXPECT_EQ(controls["Label94"].caption, "ver. 9.0c");
  EXPECT_EQ(controls["Shape1"].kind, ControlKind::Shape);
  EXPECT_EQ(controls["Shape1"].background, colors::MoneyGreen);
}

TEST_F(ControlsTable, SetPositionNotifiesOnlyOnChange) {
  Control& slider = controls["ScrollBar9"];
  int calls = 0;
  slider.onChange = [&] { ++calls; };
  slider.SetPosition(0);
  EXPECT_EQ(calls, 0);
  slider.SetPosition(-750);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(slider.position, -750);
  slider.SetPosition(-750);
  EXPECT_EQ(calls, 1);
  slider.SetPosition(0);
  EXPECT_EQ(calls, 2);
}
