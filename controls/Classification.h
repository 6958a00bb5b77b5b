// Which skinner a control gets. Framework controls are decided by their
// class, their window class name, their Tag and the skin's control families,
// in a fixed order of rows; windows that are not framework controls by their
// window class name and style alone. Portable: the Windows side gathers the
// facts and attaches what this decides.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "skinmodel/SkinTypes.h"

namespace pelorin {

// The framework classes the rows test (a control is each class it derives from).
enum TControlClass : int {
  ccWinControl, ccTabControl, ccPageControl, ccCustomCheckBox, ccCustomRadioGroup, ccCustomPanel,
  ccCustomGroupBox, ccRadioButton, ccToolBar, ccStatusBar, ccProgressBar, ccScrollBar, ccCustomComboBox,
  ccBitBtn, ccSpeedButton, ccCustomListView, ccCustomMemo, ccCustomGrid, ccButton, ccCustomEdit,
  ccCustomFrame, ccCustomForm, ccListBox, ccMemo, ccCustomListBox, ccCustomTreeView, ccScrollBox,
};
constexpr uint32_t ClassBit(TControlClass c) { return 1u << c; }

// What a control is, as far as choosing its skinner goes.
struct TControlFacts {
  uint32_t Classes = 0;  // ClassBit of every class it is an instance of
  std::string Name;      // window class name, upper case; empty without a window
  int Tag = 0;
  uint32_t Style = 0;  // window style; 0 without a window
  bool Is(TControlClass c) const { return (Classes & ClassBit(c)) != 0; }
};

enum class TSkinnerKind {
  None,
  Tab,
  CheckBox,
  RadioButton,
  TrackBar,
  UpDown,
  RadioGroup,  // a box for the group, radio-button skinners for its buttons
  Box,
  FlatToolBar,  // no skinner: the tool bar is made flat
  StatusBar,
  Progress,
  ScrollBarControl,  // a control whose whole window is one bar
  ComboBox,
  Edit,
  ScrollBars,  // the bars of a scrolling control
  GridScrollBars,  // the bars, and the fixed cells in the face colour
  BitButton,
  SpeedButton,
  ListView,
  Button,
  Sizer,
  Header,  // a header that is not a list view's (the list view's skinner has that)
  Frame,  // no skinner: its own controls are classified
  EmbeddedForm,  // no skinner: face colour, then its own controls are classified
};
const char* SkinnerKindName(TSkinnerKind kind);

// One row of the framework table. A row tests true when the control is of
// any class in Classes, has one of Names, has Tag (when not 0) or, with
// Scrolling, is a scrolling control; NeedsTabs also wants a skin with tabs.
// Member is the control family the skin must include (-1: none).
struct TClassRow {
  int Number;
  uint32_t Classes;
  std::span<const std::string_view> Names;
  int Tag;
  bool Scrolling;
  bool NeedsTabs;
  int Member;
  TSkinnerKind Kind;
};
std::span<const TClassRow> ClassificationRows();

struct TClassification {
  int Row = 0;  // 0: no row matched
  TSkinnerKind Kind = TSkinnerKind::None;
};

// Tag mod 100 equals DisableTag, with a truncating remainder: negative tags
// never match a positive DisableTag.
bool DisabledByTag(int tag, int disableTag);
// Names that are never skinned.
bool NeverSkinned(std::string_view upperName);
// Scrolling styles at the moment of the test, or a list, memo, tree view or scroll box.
bool IsScrollingControl(const TControlFacts& facts);
// The first row whose test holds and whose family the skin includes; a row
// whose family is missing lets later rows match. Rule order: the Tag test and
// the never-skinned names come first (they give None at row 0).
TClassification ClassifyControl(const TControlFacts& facts, TSkinControlTypes families, int disableTag,
                                bool skinHasTabs);

// A child window that is not a framework control.
struct TChildChoice {
  TSkinnerKind Kind = TSkinnerKind::None;
  bool OnFirstChild = false;  // the skinner goes on the window's first child
};
// Names are window class names in lower case; hasFirstChild tells whether
// the window has a child window of its own.
TChildChoice ClassifyChildWindow(std::string_view lowerName, uint32_t style, bool hasFirstChild,
                                 std::string_view lowerParentName = {});

}  // namespace pelorin
