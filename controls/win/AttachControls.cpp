#include "controls/win/AttachControls.h"

#include <memory>

#include "controls/Classification.h"
#include "controls/win/SkinBox.h"
#include "controls/win/SkinButton.h"
#include "controls/win/SkinCheckRadio.h"
#include "controls/win/SkinCombo.h"
#include "controls/win/SkinEdit.h"
#include "controls/win/SkinGlyphButtons.h"
#include "controls/win/SkinHeader.h"
#include "controls/win/SkinListView.h"
#include "controls/win/SkinProgress.h"
#include "controls/win/SkinScControl.h"
#include "controls/win/SkinSizer.h"
#include "controls/win/SkinStatusBar.h"
#include "controls/win/SkinTab.h"
#include "controls/win/SkinTrackBar.h"
#include "controls/win/SkinUpDown.h"
#include "host/win/Buttons.h"
#include "host/win/ComCtrls.h"
#include "host/win/ExtCtrls.h"
#include "host/win/Forms.h"
#include "host/win/Grids.h"
#include "host/win/StdCtrls.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
using K = TSkinnerKind;

std::string ClassNameOf(HWND wnd, bool upper) {
  char name[100] = {};
  const int length = wnd ? GetClassNameA(wnd, name, int(sizeof name)) : 0;
  std::string result(name, size_t(length > 0 ? length : 0));
  for (char& c : result) {
    if (upper && c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    if (!upper && c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return result;
}

template <class T>
void Mark(uint32_t& bits, TComponent* c, TControlClass cls) {
  if (dynamic_cast<T*>(c)) bits |= ClassBit(cls);
}

uint32_t ClassesOf(TComponent* c) {
  uint32_t bits = 0;
  Mark<TWinControl>(bits, c, ccWinControl);
  Mark<TTabControl>(bits, c, ccTabControl);
  Mark<TPageControl>(bits, c, ccPageControl);
  Mark<TCustomCheckBox>(bits, c, ccCustomCheckBox);
  Mark<TCustomRadioGroup>(bits, c, ccCustomRadioGroup);
  Mark<TCustomPanel>(bits, c, ccCustomPanel);
  Mark<TCustomGroupBox>(bits, c, ccCustomGroupBox);
  Mark<TRadioButton>(bits, c, ccRadioButton);
  Mark<TToolBar>(bits, c, ccToolBar);
  Mark<TStatusBar>(bits, c, ccStatusBar);
  Mark<TProgressBar>(bits, c, ccProgressBar);
  Mark<TScrollBar>(bits, c, ccScrollBar);
  Mark<TCustomComboBox>(bits, c, ccCustomComboBox);
  Mark<TBitBtn>(bits, c, ccBitBtn);
  Mark<TSpeedButton>(bits, c, ccSpeedButton);
  Mark<TCustomListView>(bits, c, ccCustomListView);
  Mark<TCustomMemo>(bits, c, ccCustomMemo);
  Mark<TCustomGrid>(bits, c, ccCustomGrid);
  Mark<TButton>(bits, c, ccButton);
  Mark<TCustomEdit>(bits, c, ccCustomEdit);
  Mark<TFrame>(bits, c, ccCustomFrame);
  Mark<TCustomForm>(bits, c, ccCustomForm);
  Mark<TListBox>(bits, c, ccListBox);
  Mark<TMemo>(bits, c, ccMemo);
  Mark<TCustomListBox>(bits, c, ccCustomListBox);
  Mark<TCustomTreeView>(bits, c, ccCustomTreeView);
  Mark<TScrollBox>(bits, c, ccScrollBox);
  return bits;
}

// A new skinner of type T, kept by the host when attach succeeds.
template <class T, class Attach>
int Adopt(TControlSkinnerHost& host, Attach attach) {
  auto skinner = std::make_unique<T>(host);
  if (!attach(*skinner)) return 0;
  host.AdoptControlSkinner(std::move(skinner));
  return 1;
}

template <class T>
int AdoptControl(TControlSkinnerHost& host, TWinControl* control, TSkinData* skin, bool changeColor) {
  if (!control) return 0;  // a tag can name a component without a window
  return Adopt<T>(host, [&](T& s) { return s.AttachControl(control, skin, changeColor); });
}

template <class T>
int AdoptWindow(TControlSkinnerHost& host, HWND wnd, TSkinData* skin) {
  return Adopt<T>(host, [&](T& s) { return s.AttachWindow(wnd, skin); });
}

// The sheets of a page control take the face colour while skinned (the base
// skinner keeps and gives back their own), so a page is not a light box in a
// dark skin.
int ColourSheets(TControlSkinnerHost& host, TComponent* c, TSkinData* skin) {
  int count = 0;
  if (auto* pages = dynamic_cast<TPageControl*>(c))
    for (int i = 0; i < pages->PageCount(); ++i) count += AdoptControl<TSkinControl>(host, pages->Pages(i), skin, true);
  return count;
}

int AttachByKind(TControlSkinnerHost& host, TComponent* c, K kind, TSkinData* skin) {
  auto* win = dynamic_cast<TWinControl*>(c);
  switch (kind) {
    case K::Button:
      return AdoptControl<TSkinButton>(host, win, skin, false);
    case K::BitButton:
      return AdoptControl<TSkinBitButton>(host, win, skin, false);
    case K::SpeedButton:
      return Adopt<TSkinSpeedButton>(
          host, [&](TSkinSpeedButton& s) { return s.AttachSpeedButton(static_cast<TSpeedButton*>(c), skin); });
    case K::Tab: {
      if (!win) return 0;
      return AdoptWindow<TSkinTab>(host, win->Handle(), skin) + ColourSheets(host, c, skin);
    }
    case K::CheckBox:
      return AdoptControl<TSkinCheckBox>(host, win, skin, true);
    case K::RadioButton:
      return AdoptControl<TSkinRadioButton>(host, win, skin, true);
    case K::UpDown:
      return AdoptControl<TSkinUpDown>(host, win, skin, false);
    case K::ComboBox:
      // A simple combo has no drop-down button to draw over.
      if (auto* combo = dynamic_cast<TCustomComboBox*>(c); combo && combo->Style() == csSimple) return 0;
      return AdoptControl<TSkinComBox>(host, win, skin, false);
    case K::Edit:
      return AdoptControl<TSkinEdit>(host, win, skin, false);
    case K::Box:
      return AdoptControl<TSkinBox>(host, win, skin, true);
    case K::RadioGroup: {
      int count = AdoptControl<TSkinBox>(host, win, skin, true);
      // Its buttons, when they are radio buttons without a skinner yet.
      for (int i = 0; i < win->ControlCount(); ++i)
        if (auto* radio = dynamic_cast<TRadioButton*>(win->Controls(i)))
          count += AdoptControl<TSkinRadioButton>(host, radio, skin, true);
      return count;
    }
    case K::StatusBar:
      // The skin draws no grip; turning it off makes the window anew, so first.
      static_cast<TStatusBar*>(c)->SetSizeGrip(false);
      return AdoptControl<TSkinStatusBar>(host, win, skin, false);
    case K::Progress:
      return AdoptControl<TSkinProgress>(host, win, skin, false);
    case K::TrackBar:
      // Recoloured, so the system's channel and tics sit on the skin's face.
      return AdoptControl<TSkinTrackBar>(host, win, skin, true);
    case K::ScrollBars:
    case K::GridScrollBars: {
      if (!win) return 0;
      const int n = Adopt<TSkinScrollBar>(host, [&](TSkinScrollBar& s) { return s.AttachScrollBars(win, skin, true); });
      if (n && kind == K::GridScrollBars) static_cast<TCustomGrid*>(c)->SetFixedColor(skin->colors[csButtonFace]);
      return n;
    }
    case K::ListView:
      return AdoptControl<TSkinListView>(host, win, skin, false);
    case K::ScrollBarControl:
      return AdoptControl<TSkinScControl>(host, win, skin, false);
    case K::FlatToolBar:
      static_cast<TToolBar*>(c)->SetFlat(true);
      return 0;
    case K::Frame:
      return AttachControls(host, *c, skin);
    case K::EmbeddedForm:
      win->SetColor(skin->colors[csButtonFace]);
      return AttachControls(host, *c, skin);
    default:
      return 0;
  }
}
}  // namespace

int AttachControls(TControlSkinnerHost& host, TComponent& owner, TSkinData* skin) {
  // A skin that failed to load leaves the controls their own look.
  if (!skin || skin->Empty) return 0;
  const bool hasTabs = TSkinTab::SkinHasTabs(skin);
  int count = 0;
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    TComponent* c = owner.Components(i);
    TControlFacts facts{ClassesOf(c), {}, c->Tag(), 0};
    if (DisabledByTag(facts.Tag, skin->DisableTag)) continue;
    if (auto* win = dynamic_cast<TWinControl*>(c)) {
      HWND wnd = nullptr;
      try {
        wnd = win->Handle();
      } catch (...) {
        continue;  // its window cannot be made: the walk goes on
      }
      if (!wnd) continue;
      facts.Style = uint32_t(GetWindowLongPtrA(wnd, GWL_STYLE));
      facts.Name = ClassNameOf(wnd, true);
    }
    const TClassification choice = ClassifyControl(facts, skin->SkinControls, skin->DisableTag, hasTabs);
    count += AttachByKind(host, c, choice.Kind, skin);
    // A page control left in the system look still has its sheets in the
    // form's colour, or its controls would sit on a box of another colour.
    if (choice.Kind == K::None) count += ColourSheets(host, c, skin);
  }
  return count;
}

bool AttachChildWindow(TControlSkinnerHost& host, HWND child, TSkinData* skin) {
  if (!child || WindowSkinners().Find(child) || TWinControl::FindControl(child)) return false;
  const TChildChoice choice = ClassifyChildWindow(ClassNameOf(child, false),
                                                  uint32_t(GetWindowLongPtrW(child, GWL_STYLE)),
                                                  GetTopWindow(child) != nullptr,
                                                  ClassNameOf(GetParent(child), false));
  HWND target = choice.OnFirstChild ? GetTopWindow(child) : child;
  switch (choice.Kind) {
    case K::Button:
      return AdoptWindow<TSkinButton>(host, target, skin) != 0;
    case K::CheckBox:
      return AdoptWindow<TSkinCheckBox>(host, target, skin) != 0;
    case K::RadioButton:
      return AdoptWindow<TSkinRadioButton>(host, target, skin) != 0;
    case K::ComboBox:
      return AdoptWindow<TSkinComBox>(host, target, skin) != 0;
    case K::Edit:
      return AdoptWindow<TSkinEdit>(host, target, skin) != 0;
    case K::UpDown:
      return AdoptWindow<TSkinUpDown>(host, target, skin) != 0;
    case K::Tab:
      return TSkinTab::SkinHasTabs(skin) && AdoptWindow<TSkinTab>(host, target, skin) != 0;
    case K::Header:
      return AttachHeaderWindow(host, target, skin);
    case K::ScrollBars:
      return AdoptWindow<TSkinScrollBar>(host, target, skin) != 0;
    case K::ListView:
      return AdoptWindow<TSkinListView>(host, target, skin) != 0;
    case K::ScrollBarControl:
      return AdoptWindow<TSkinScControl>(host, target, skin) != 0;
    case K::Sizer:
      return AdoptWindow<TSkinSizer>(host, target, skin) != 0;
    case K::Box:
      return AdoptWindow<TSkinBox>(host, target, skin) != 0;
    case K::StatusBar:
      return AdoptWindow<TSkinStatusBar>(host, target, skin) != 0;
    case K::Progress:
      return AdoptWindow<TSkinProgress>(host, target, skin) != 0;
    case K::TrackBar:
      return AdoptWindow<TSkinTrackBar>(host, target, skin) != 0;
    default:
      return false;
  }
}

int AttachChildWindows(TControlSkinnerHost& host, HWND window, TSkinData* skin) {
  if (!skin || skin->Empty || !window) return 0;
  int count = 0;
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) count += AttachChildWindow(host, child, skin) ? 1 : 0;
  return count;
}

}  // namespace pelorin
