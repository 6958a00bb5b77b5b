#include "controls/Classification.h"

#include <array>

namespace pelorin {

namespace {
using std::string_view_literals::operator""sv;

constexpr uint32_t Bits(std::initializer_list<TControlClass> classes) {
  uint32_t bits = 0;
  for (TControlClass c : classes) bits |= ClassBit(c);
  return bits;
}

// Other vendors' controls and the framework's own, known by window class name.
constexpr std::array NotebookNames{"TTABBEDNOTEBOOK"sv};
constexpr std::array TrackBarNames{"TTRACKBAR"sv};
constexpr std::array UpDownNames{"TUPDOWN"sv};
constexpr std::array RadioGroupNames{"TWWRADIOGROUP"sv};
constexpr std::array DateTimeNames{"TDATETIMEPICKER"sv};
constexpr std::array ComboNames{"TDBLOOKUPCOMBOBOX"sv, "TWWDBCOMBOBOX"sv, "TWWDBLOOKUPCOMBO"sv, "TWWKEYCOMBO"sv,
                                "TWWDBDATETIMEPICKER"sv};
constexpr std::array RichEditNames{"TRICHEDIT"sv};
constexpr std::array OtherRichEditNames{"TWWDBRICHEDIT"sv, "TDXDBMEMO"sv};
constexpr std::array EditNames{"TDXDBCURRENCYEDIT"sv, "TDXDBEDIT"sv,       "TDXDBMASKEDIT"sv, "TDXDBHYPERLINKEDIT"sv,
                               "TDXEDIT"sv,           "TDXMASKEDIT"sv,     "TWWDBEDIT"sv,     "TDXBUTTONEDIT"sv,
                               "TDXCURRENCYEDIT"sv,   "TDXHYPERLINKEDIT"sv};
constexpr std::array FieldNames{"TOVCPICTUREFIELD"sv,  "TOVCDBPICTUREFIELD"sv, "TOVCSLIDEREDIT"sv,
                                "TOVCDBSLIDEREDIT"sv,  "TOVCSIMPLEFIELD"sv,    "TOVCDBSIMPLEFIELD"sv,
                                "TO32DBFLEXEDIT"sv,    "TOVCNUMERICFIELD"sv,   "TOVCDBNUMERICFIELD"sv};
constexpr std::array DropDownEditNames{"TDXDBPICKEDIT"sv,   "TDXDBCALCEDIT"sv,      "TDXDBIMAGEEDIT"sv,
                                       "TDXDBPOPUPEDIT"sv,  "TDXDBEXTLOOKUPEDIT"sv, "TDXDBLOOKUPEDIT"sv,
                                       "TDXDBDATEEDIT"sv,   "TDXDATEEDIT"sv,        "TDXPICKEDIT"sv,
                                       "TDXPOPUPEDIT"sv};
constexpr std::array CheckBoxNames{"TDBCHECKBOXEH"sv};

constexpr int None = -1;
using K = TSkinnerKind;

// The date-time picker's row resolves to an edit or a combo box by style.
const std::array<TClassRow, 32> Rows{{
    {1, Bits({ccTabControl}), {}, 0, false, true, xcTab, K::Tab},
    {2, 0, NotebookNames, 0, false, true, xcTab, K::Tab},
    {3, Bits({ccPageControl}), {}, 0, false, true, xcTab, K::Tab},
    {4, Bits({ccCustomCheckBox}), {}, 0, false, false, xcButton, K::CheckBox},
    {5, 0, TrackBarNames, 0, false, false, xcCheckBox, K::TrackBar},
    {6, 0, UpDownNames, 0, false, false, xcCheckBox, K::UpDown},
    {7, Bits({ccCustomRadioGroup}), RadioGroupNames, 0, false, false, xcRadioButton, K::RadioGroup},
    {8, Bits({ccCustomPanel, ccCustomGroupBox}), {}, 0, false, false, xcPanel, K::Box},
    {9, Bits({ccRadioButton}), {}, 0, false, false, xcRadioButton, K::RadioButton},
    {10, Bits({ccToolBar}), {}, 0, false, false, xcToolbar, K::FlatToolBar},
    {11, Bits({ccStatusBar}), {}, 0, false, false, xcStatusBar, K::StatusBar},
    {12, Bits({ccProgressBar}), {}, 0, false, false, xcProgress, K::Progress},
    {13, Bits({ccScrollBar}), {}, 0, false, false, xcScrollbar, K::ScrollBarControl},
    {14, Bits({ccCustomComboBox}), {}, 56, false, false, xcCombo, K::ComboBox},
    {15, 0, DateTimeNames, 0, false, false, xcEdit, K::Edit},
    {16, 0, ComboNames, 0, false, false, xcCombo, K::ComboBox},
    {17, 0, RichEditNames, 0, false, false, xcScrollbar, K::ScrollBars},
    {18, 0, OtherRichEditNames, 0, false, false, xcScrollbar, K::ScrollBars},
    {19, 0, EditNames, 0, false, false, xcEdit, K::Edit},
    {20, 0, FieldNames, 0, false, false, xcEdit, K::Edit},
    {21, 0, DropDownEditNames, 0, false, false, xcCombo, K::ComboBox},
    {22, 0, CheckBoxNames, 0, false, false, xcCheckBox, K::CheckBox},
    {23, Bits({ccBitBtn}), {}, 0, false, false, xcBitBtn, K::BitButton},
    {24, Bits({ccSpeedButton}), {}, 0, false, false, xcSpeedButton, K::SpeedButton},
    {25, Bits({ccCustomListView}), {}, 0, false, false, xcScrollbar, K::ListView},
    {26, Bits({ccCustomMemo}), {}, 0, false, false, xcScrollbar, K::ScrollBars},
    {27, Bits({ccCustomGrid}), {}, 0, false, false, xcScrollbar, K::GridScrollBars},
    {28, 0, {}, 55, true, false, xcScrollbar, K::ScrollBars},
    {29, Bits({ccButton}), {}, 0, false, false, xcButton, K::Button},
    {30, Bits({ccCustomEdit}), {}, 57, false, false, xcEdit, K::Edit},
    {31, Bits({ccCustomFrame}), {}, 0, false, false, None, K::Frame},
    {32, Bits({ccCustomForm}), {}, 0, false, false, None, K::EmbeddedForm},
}};

bool Holds(const TClassRow& row, const TControlFacts& facts, bool skinHasTabs) {
  if (row.NeedsTabs && !skinHasTabs) return false;
  if (facts.Classes & row.Classes) return true;
  for (std::string_view name : row.Names)
    if (facts.Name == name) return true;
  if (row.Tag != 0 && facts.Tag == row.Tag) return true;
  return row.Scrolling && IsScrollingControl(facts);
}

// Button windows by type. Owner-drawn buttons are the program's own
// drawing, and split buttons and command links have parts a push-button
// face would hide: those stay as they are.
TSkinnerKind ButtonKind(uint32_t style) {
  switch (style & 0xF) {
    case 0x0:  // push
    case 0x1:  // default push
    case 0x8:  // user button
    case 0xA:  // push box
      return K::Button;
    case 0x2:  // check box
    case 0x3:  // auto check box
    case 0x5:  // three-state
    case 0x6:  // auto three-state
      return K::CheckBox;
    case 0x4:  // radio button
    case 0x9:  // auto radio button
      return K::RadioButton;
    case 0x7:  // group box: its frame and caption in the skin's colours
      return K::Box;
    default:  // owner draw, split buttons, command links
      return K::None;
  }
}
}  // namespace

const char* SkinnerKindName(TSkinnerKind kind) {
  static constexpr const char* Names[] = {
      "None",      "Tab",        "CheckBox",         "RadioButton", "TrackBar",   "UpDown",      "RadioGroup",
      "Box",       "FlatToolBar", "StatusBar",       "Progress",    "ScrollBarControl", "ComboBox", "Edit",
      "ScrollBars", "GridScrollBars", "BitButton",   "SpeedButton", "ListView",   "Button",      "Sizer",
      "Header",    "Frame",     "EmbeddedForm"};
  const auto i = static_cast<size_t>(kind);
  return i < std::size(Names) ? Names[i] : "?";
}

std::span<const TClassRow> ClassificationRows() { return Rows; }

bool DisabledByTag(int tag, int disableTag) { return tag % 100 == disableTag; }

bool NeverSkinned(std::string_view upperName) { return upperName == "TDBCOMBOBOXEH"; }

bool IsScrollingControl(const TControlFacts& facts) {
  if (!facts.Is(ccWinControl)) return false;
  constexpr uint32_t HScroll = 0x00100000, VScroll = 0x00200000;
  if (facts.Style & (HScroll | VScroll)) return true;
  return (facts.Classes & Bits({ccListBox, ccMemo, ccCustomListBox, ccCustomTreeView, ccScrollBox})) != 0;
}

TClassification ClassifyControl(const TControlFacts& facts, TSkinControlTypes families, int disableTag,
                                bool skinHasTabs) {
  if (DisabledByTag(facts.Tag, disableTag) || NeverSkinned(facts.Name)) return {};
  for (const TClassRow& row : Rows) {
    if (!Holds(row, facts, skinHasTabs)) continue;
    if (row.Member != None && !families.Contains(static_cast<TSkinControlType>(row.Member))) continue;
    TSkinnerKind kind = row.Kind;
    if (row.Number == 15 && (facts.Style & 1) == 0) kind = K::ComboBox;  // not DTS_UPDOWN
    return {row.Number, kind};
  }
  return {};
}

TChildChoice ClassifyChildWindow(std::string_view lowerName, uint32_t style, bool hasFirstChild,
                                 std::string_view lowerParentName) {
  if (lowerName == "button") return {ButtonKind(style)};
  if (lowerName == "combobox") return {(style & 3) != 1 ? K::ComboBox : K::None};  // a simple combo has no button
  if (lowerName == "comboboxex32") return {hasFirstChild ? K::ComboBox : K::None, hasFirstChild};
  if (lowerName == "scrollbar") {
    constexpr uint32_t SizeBox = 0x08, SizeGrip = 0x10;
    return {(style & (SizeBox | SizeGrip)) ? K::Sizer : K::ScrollBarControl};
  }
  if (lowerName == "systabcontrol32") return {(style & 0x2000) != 0x2000 ? K::Tab : K::None};
  // An edit with scroll bars is a memo: its bars are skinned (with the ring).
  constexpr uint32_t Bars = 0x00100000 | 0x00200000;
  if (lowerName == "edit") return {(style & Bars) ? K::ScrollBars : K::Edit};
  // The common controls that draw from the skin as well.
  if (lowerName == "msctls_statusbar32") return {K::StatusBar};
  if (lowerName == "msctls_progress32") return {K::Progress};
  if (lowerName == "msctls_trackbar32") return {K::TrackBar};
  if (lowerName == "msctls_updown32") return {K::UpDown};
  if (lowerName == "listbox" || lowerName == "systreeview32" || lowerName.starts_with("richedit"))
    return {K::ScrollBars};
  if (lowerName == "syslistview32") return {K::ListView};
  if (lowerName == "sysheader32") return {lowerParentName == "syslistview32" ? K::None : K::Header};
  return {};
}

}  // namespace pelorin
