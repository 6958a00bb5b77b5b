// Helpers of the menu suites: menus built from lists, a window that records
// commands, a skin whose menu images have one solid colour per frame, so
// pixels tell which frame was drawn, and a timer script that watches and
// steers the bar popups a test opens.
#pragma once

#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

#include "host/core/Bitmap.h"
#include "menus/win/WinSkinMenu.h"
#include "skinmodel/SkinModel.h"
#include "tests/support/win/Pump.h"

namespace pelorin::testing {

// An item of a menu: a command, a separator ("-") or, with Sub, a popup.
struct TMenuEntry {
  const wchar_t* Caption;
  UINT Id = 0;
  HMENU Sub = nullptr;
  UINT Flags = 0;
};
inline HMENU BuildMenu(bool bar, std::initializer_list<TMenuEntry> entries) {
  HMENU m = bar ? CreateMenu() : CreatePopupMenu();
  for (const TMenuEntry& e : entries) {
    if (e.Sub) {
      AppendMenuW(m, MF_POPUP | e.Flags, reinterpret_cast<UINT_PTR>(e.Sub), e.Caption);
    } else if (std::wstring_view(e.Caption) == L"-") {
      AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(m, MF_STRING | e.Flags, e.Id, e.Caption);
    }
  }
  return m;
}

// What the menu window saw: commands, and the popups it was told of.
inline std::vector<WPARAM> menuCommands;
inline std::vector<HMENU> popupsShown;
inline LRESULT CALLBACK MenuWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) menuCommands.push_back(wParam);
  if (msg == WM_INITMENUPOPUP && !HIWORD(lParam)) popupsShown.push_back(reinterpret_cast<HMENU>(wParam));
  return DefWindowProcW(wnd, msg, wParam, lParam);
}
// A window with menu; shown in the foreground unless hidden.
inline HWND MenuWindow(HMENU menu, bool shown = true, DWORD exStyle = 0) {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = MenuWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PelorinMenuTest";
    return RegisterClassW(&wc);
  }();
  (void)cls;
  HWND wnd = CreateWindowExW(exStyle, L"PelorinMenuTest", L"Menus", WS_OVERLAPPEDWINDOW | (shown ? WS_VISIBLE : 0), 50,
                             50, 420, 300, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
  if (shown) {
    SetForegroundWindow(wnd);
    Pump();
  }
  return wnd;
}

inline constexpr TColor kFrameColours[5] = {MakeRGB(200, 0, 0), MakeRGB(0, 160, 0), MakeRGB(90, 90, 90),
                                            MakeRGB(0, 0, 210), MakeRGB(120, 60, 0)};

// frames side by side, each frameWidth x height, in kFrameColours.
inline TBitmap FrameStrip(int frames, int frameWidth, int height) {
  TBitmap b(frames * frameWidth, height);
  for (int f = 0; f < frames; ++f) b.FillRect({f * frameWidth, 0, (f + 1) * frameWidth, height}, kFrameColours[f % 5]);
  return b;
}

// Gives model a MenuItem image (five 20 x 20 frames) and menu colours.
inline void GiveMenuItemImage(TSkinModel& model) {
  model.MenuItem = std::make_unique<TDataSkinObject>("MenuItem");
  model.MenuItem->Bitmap = FrameStrip(5, 20, 20);
  model.MenuItem->Style.Frames = 5;
  model.colors[csMenu] = MakeRGB(250, 250, 240);
  model.colors[csMenuText] = MakeRGB(10, 10, 10);
  model.colors[csHilightText] = MakeRGB(255, 255, 0);
  model.colors[csButtonShadow] = MakeRGB(128, 0, 128);
  model.colors[csHilight] = MakeRGB(0, 90, 90);
  model.colors[csButtonFace] = MakeRGB(180, 180, 180);
  model.Empty = false;
}

// How many pixels of r in b have colour c.
inline int CountColour(const TBitmap& b, const TRect& r, TColor c) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += b.GetPixel(x, y) == c;
  return n;
}

// Bar popups seen while a test runs: at each timer tick with a bar popup open
// the open bar item is recorded, then the next key is posted to the popup, or
// the menu is ended when no keys are left. Any other menu is ended at once.
struct TMenuScript {
  std::vector<WPARAM> Keys;
  std::vector<int> Seen;
};
inline TMenuScript menuScript;

inline VOID CALLBACK RunMenuScript(HWND, UINT, UINT_PTR, DWORD) {
  const int open = TWinSkinMenu::TrackedIndex();
  if (open < 0) {
    EndMenu();
    return;
  }
  const size_t step = menuScript.Seen.size();
  menuScript.Seen.push_back(open);
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (step < menuScript.Keys.size() && popup) {
    PostMessageW(popup, WM_KEYDOWN, menuScript.Keys[step], 0);
  } else {
    EndMenu();
  }
}

// Runs act (which posts or sends something and pumps) under the script;
// returns the open bar item of every tick that saw one.
template <class Act>
std::vector<int> WatchBarPopups(std::vector<WPARAM> keys, Act&& act) {
  menuScript = {std::move(keys), {}};
  const UINT_PTR timer = SetTimer(nullptr, 0, 60, RunMenuScript);
  act();
  KillTimer(nullptr, timer);
  return std::move(menuScript.Seen);
}

}  // namespace pelorin::testing
