// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "form/app_info.h"

namespace form {

enum class Kind { TextBox, CommandButton, ComboBox, Label };

// 宋体 in one of three settings; see kFaces.
enum class Face { Window, Bold105, Bold9 };

struct Rgb {
  int red, green, blue;
};

// A label whose width is 0 takes the width of its caption.
inline constexpr int kSizedToCaption = 0;

// The empty initializers say that the table may leave a field out: without
// them the compilers warn of each missing field.
// NOLINTBEGIN(readability-redundant-member-init)
struct Control {
  std::string_view name;
  Kind kind;
  std::string_view caption{};
  int left = 0, top = 0, width = 0, height = 0;  // twips from the client area's corner
  int tabIndex = 0;
  Face face = Face::Window;
  int maxLength = 0;       // characters a user can type; 0 for no limit of its own
  bool centred = false;    // the setting that Text3 and Text4 share
  bool readOnly = false;   // Text4 gets its text from the calculation alone
  bool isDefault = false;  // the button that Enter anywhere in the window presses
  std::optional<Rgb> background = {}, foreground = {};  // else the platform's
  std::string_view labelledBy{};  // the caption that names an entry to a screen reader
};
// NOLINTEND(readability-redundant-member-init)

// The controls that are windows of their own, in the order of the design;
// where two overlap, the earlier stands in front, so Text4 covers the trailing
// space of Label4. The lines are drawn on the window itself: see kLines.
// Kept as a table.
// clang-format off
inline constexpr std::array<Control, 20> kControls{{
    {.name = "Text4", .kind = Kind::TextBox, .left = 6000, .top = 1440, .width = 1935,
     .height = 375, .tabIndex = 5, .face = Face::Bold105, .centred = true, .readOnly = true,
     .background = Rgb{255, 224, 192}, .foreground = Rgb{0, 128, 0}, .labelledBy = "Label4"},
    {.name = "Command1", .kind = Kind::CommandButton, .caption = "计  算", .left = 6240,
     .top = 240, .width = 1695, .height = 615, .tabIndex = 4, .face = Face::Bold105,
     .isDefault = true},
    {.name = "Text3", .kind = Kind::TextBox, .left = 1680, .top = 1560, .width = 1575,
     .height = 270, .tabIndex = 3, .maxLength = 4, .centred = true, .labelledBy = "Label2"},
    {.name = "Text2", .kind = Kind::TextBox, .left = 1680, .top = 1080, .width = 1575,
     .height = 270, .tabIndex = 2, .maxLength = 6, .labelledBy = "Label1"},
    {.name = "Text1", .kind = Kind::TextBox, .left = 1080, .top = 600, .width = 2175,
     .height = 270, .tabIndex = 1, .maxLength = 10, .labelledBy = "lbl_2"},
    {.name = "Combo1", .kind = Kind::ComboBox, .caption = "工资、薪金所得", .left = 1080,
     .top = 120, .width = 2175, .height = 300, .tabIndex = 6, .labelledBy = "lbl_1"},
    {.name = "Label12", .kind = Kind::Label, .caption = "发布日期：2011-07-03", .left = 4800,
     .top = 2280, .width = 1800, .height = 180, .tabIndex = 19},
    {.name = "Label11", .kind = Kind::Label, .caption = "E-mail: " QUORVEL_CONTACT_EMAIL,
     .left = 1680, .top = 2280, .width = kSizedToCaption, .height = 180, .tabIndex = 18},
    {.name = "Label10", .kind = Kind::Label, .caption = "作者：" QUORVEL_MAKER, .left = 240,
     .top = 2280, .width = kSizedToCaption, .height = 180, .tabIndex = 17},
    {.name = "Label9", .kind = Kind::Label,
     .caption = " 注：根据个税法规定，个人所得税免征额自2011年9月1日起由2000元提高到3500元。",
     .left = 120, .top = 2640, .width = 7425, .height = 180, .tabIndex = 16,
     .face = Face::Bold9},
    {.name = "Label8", .kind = Kind::Label, .caption = "元", .left = 8040, .top = 1560,
     .width = 180, .height = 180, .tabIndex = 15},
    {.name = "Label7", .kind = Kind::Label, .caption = "元", .left = 3360, .top = 1680,
     .width = 180, .height = 180, .tabIndex = 14},
    {.name = "Label6", .kind = Kind::Label, .caption = "元", .left = 3360, .top = 1200,
     .width = 180, .height = 180, .tabIndex = 13},
    {.name = "Label5", .kind = Kind::Label, .caption = "元", .left = 3360, .top = 720,
     .width = 180, .height = 180, .tabIndex = 12},
    {.name = "Label4", .kind = Kind::Label, .caption = "您应交纳的个人所得税为： ", .left = 3840,
     .top = 1560, .width = 2250, .height = 180, .tabIndex = 11},
    {.name = "Label3", .kind = Kind::Label, .caption = "计算结果", .left = 3840, .top = 960,
     .width = 720, .height = 180, .tabIndex = 10},
    {.name = "Label2", .kind = Kind::Label, .caption = "免　　征　　额：", .left = 120,
     .top = 1680, .width = 1440, .height = 180, .tabIndex = 9},
    {.name = "Label1", .kind = Kind::Label, .caption = "各项社会保险费：", .left = 120,
     .top = 1200, .width = 1440, .height = 180, .tabIndex = 8},
    {.name = "lbl_2", .kind = Kind::Label, .caption = "收入金额：", .left = 120, .top = 720,
     .width = 900, .height = 180, .tabIndex = 7},
    {.name = "lbl_1", .kind = Kind::Label, .caption = "收入类型：", .left = 120, .top = 240,
     .width = 900, .height = 180, .tabIndex = 0},
}};
// clang-format on

struct Line {
  std::string_view name;
  int x1, y1, x2, y2;  // twips
};

inline constexpr std::array<Line, 3> kLines{{
    {"Line1", 3720, 120, 3720, 1800},   // between the entries and the result
    {"Line2", 3840, 1200, 7920, 1200},  // under the heading 计算结果
    {"Line3", 120, 2040, 8280, 2040},   // above the footer
}};

// The character set of every font: GB2312, which holds every caption.
inline constexpr int kGb2312Charset = 134;

struct FaceSetting {
  double pointSize;
  bool bold;
};

// In the order of Face.
inline constexpr std::array<FaceSetting, 3> kFaces{{{9, false}, {10.5, true}, {9, true}}};

// The Song face in the order of preference: 宋体, by its English and its Chinese
// name, or where the platform lacks it the closest Song face with GB2312
// coverage: Linux's, a Mac's and an iPhone's (by their two names), Android's.
// Each front end takes the first that the platform has.
inline constexpr std::array<std::string_view, 7> kFamilies{
    "SimSun",    "宋体",   "AR PL SungtiL GB", "AR PL UMing CN",
    "Songti SC", "STSong", "Noto Serif CJK SC"};

// The sizes of the window's icon, in pixels.
inline constexpr std::array<int, 4> kIconSizes{48, 32, 24, 16};

// The size of the window's client area.
inline constexpr int kClientWidth = 8310;  // twips
inline constexpr int kClientHeight = 2985;

// The control of that name; a name missing from the table fails to compile.
consteval const Control& control(std::string_view name) {
  for (const Control& c : kControls) {
    if (c.name == name) return c;
  }
  throw "no control of that name";
}

// Whether the control can take the focus: labels never do.
constexpr bool takesFocus(const Control& c) { return c.kind != Kind::Label; }

constexpr bool isDefault(const Control& c) { return c.isDefault; }

// The controls that take the focus, in the order Tab walks them.
inline constexpr auto kTabOrder = [] {
  std::array<const Control*, std::count_if(kControls.begin(), kControls.end(), takesFocus)> order{};
  std::size_t next = 0;
  for (int index = 0; index < static_cast<int>(kControls.size()); ++index) {
    for (const Control& c : kControls) {
      if (takesFocus(c) && c.tabIndex == index) order.at(next++) = &c;
    }
  }
  return order;
}();

// The default button: the one that Enter anywhere in the window presses.
inline constexpr const Control& kDefaultButton =
    *std::find_if(kControls.begin(), kControls.end(), isDefault);

// Text1..Text4, in the order of the calculation's text boxes.
inline constexpr std::array<const Control*, 4> kTextBoxes{&control("Text1"), &control("Text2"),
                                                          &control("Text3"), &control("Text4")};

// Every control from the front to the back: in the order of their tab
// indexes, which is the order in which Windows' dialog manager walks Tab, so
// that the labels stand behind every entry.
inline constexpr auto kStackingOrder = [] {
  std::array<const Control*, kControls.size()> order{};
  for (std::size_t i = 0; i < kControls.size(); ++i) order.at(i) = &kControls.at(i);
  std::sort(order.begin(), order.end(),
            [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
  return order;
}();

// The rules the table keeps, checked when it is compiled.
constexpr bool isLabel(std::string_view name) {
  return std::any_of(kControls.begin(), kControls.end(),
                     [&](const Control& c) { return c.name == name && c.kind == Kind::Label; });
}
static_assert(std::all_of(kControls.begin(), kControls.end(),
                          [](const Control& c) {
                            return c.labelledBy.empty() || isLabel(c.labelledBy);
                          }),
              "an entry is named by something other than a label");

static_assert(std::count_if(kControls.begin(), kControls.end(), isDefault) == 1 &&
                  kDefaultButton.kind == Kind::CommandButton,
              "the window has not one default button");

consteval bool tabIndexesAreUnique() {
  for (const Control& a : kControls) {
    for (const Control& b : kControls) {
      if (&a != &b && a.tabIndex == b.tabIndex) {
        return false;
      }
    }
  }
  return true;
}
static_assert(tabIndexesAreUnique(), "two controls share a tab index");

static_assert(std::all_of(kControls.begin(), kControls.end(),
                          [](const Control& c) {
                            return c.maxLength == 0 || c.kind == Kind::TextBox;
                          }),
              "a character limit on a control that takes no typing");

// How wide a control is, in twips; a label sized to its caption is measured
// as in the window's font: 90 twips an ASCII character, 180 any other.
constexpr int widthOf(const Control& c) {
  if (c.width != kSizedToCaption) return c.width;
  int width = 0;
  for (const char byte : c.caption) {
    const auto unit = static_cast<unsigned char>(byte);
    if (unit < 0x80) {
      width += 90;
    } else if (unit >= 0xC0) {
      width += 180;  // the lead byte of a character beyond ASCII
    }
  }
  return width;
}

constexpr bool overlap(const Control& a, const Control& b) {
  return a.left < b.left + widthOf(b) && b.left < a.left + widthOf(a) && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

constexpr std::size_t stackingPlace(const Control& c) {
  return static_cast<std::size_t>(std::find(kStackingOrder.begin(), kStackingOrder.end(), &c) -
                                  kStackingOrder.begin());
}

// Where two controls overlap, the stacking puts in front the one that the
// design lists first.
consteval bool stackingKeepsTheDesign() {
  for (std::size_t a = 0; a < kControls.size(); ++a) {
    for (std::size_t b = a + 1; b < kControls.size(); ++b) {
      if (overlap(kControls.at(a), kControls.at(b)) &&
          stackingPlace(kControls.at(a)) > stackingPlace(kControls.at(b))) {
        return false;
      }
    }
  }
  return true;
}
static_assert(stackingKeepsTheDesign(), "overlapping controls stacked against the design");
static_assert(overlap(control("Text4"), control("Label4")), "Text4 no longer covers Label4");

}  // namespace form
