// Damaged skins on real windows: broken description values, missing keys and
// sections, bitmaps of absurd sizes and depths, fully see-through borders.
// Every skin that loads must leave the window alive, sanely sized, usable and
// given back whole; every skin that cannot load must say so.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "formframe/FrameMetrics.h"
#include "menus/win/WinSkinMenu.h"
#include "tests/support/BmpFiles.h"
#include "tests/support/win/WindowRegion.h"
#include "tests/win/FrameTestUtil.h"
#include "tests/win/MenuTestUtil.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin {
namespace {

using namespace testing;

const char* const Borders[] = {"Left", "Right", "Top", "Bottom"};
const char* const BorderFiles[] = {"left.bmp", "right.bmp", "top.bmp", "bottom.bmp"};
// The theme's title-bar button sections and images.
const char* const ButtonSections[] = {"Button0", "Button1", "Button2", "Button3", "Button4"};
const char* const ButtonFiles[] = {"close.bmp", "maximize.bmp", "restore.bmp", "minimize.bmp"};

void ForBorders(TSkinFiles& f, const std::string& suffix, const std::string& value) {
  for (const char* b : Borders) SetKey(f, "Personality", b + suffix, value);
}

constexpr uint32_t Magenta = 0xFF00FF, Grey = 0x808080;
const std::string IntMax = "2147483647", IntMin = "-2147483648";

struct TDamage {
  const char* Name;
  std::function<void(TSkinFiles&)> Apply;
};

void CaptionValues(TSkinFiles& f, const std::string& value, const char* alignment, std::vector<uint8_t> textBack) {
  SetKeys(f, "Personality", {"TextShift", "TextShiftVert", "TextRightClip", "TXTBackleft", "TXTBackRight"}, value);
  SetKey(f, "Personality", "TextAlignment", alignment);
  SetKey(f, "Personality", "TextBack", "textback.bmp");
  File(f, "textback.bmp") = std::move(textBack);
}

void MenuMargins(TSkinFiles& f, const std::string& value) {
  SetKeys(f, "Personality", {"TileLeftMenu", "TileRightMenu"}, value);
  for (const char* s : {"MenuItem", "MenuBackground"})
    SetKeys(f, s, {"LeftWidth", "TopHeight", "RightWidth", "BottomHeight"}, value);
}

// Related damages share a skin; each skin still leaves the frame and title
// room for the others to be drawn.
std::vector<TDamage> Damages() {
  return {
      {"frame counts at int max", [](TSkinFiles& f) {
         ForBorders(f, "Frame", IntMax);
         for (const char* s : ButtonSections) SetKey(f, s, "frame", IntMax);
       }},
      {"frame counts negative, zero or missing; borders tiled and keyed", [](TSkinFiles& f) {
         ForBorders(f, "Frame", IntMin);
         SetKey(f, "Personality", "TopFrame", "0");
         ForBorders(f, "Stretch", "0");
         ForBorders(f, "Trans", "1");
         const char* values[] = {IntMin.c_str(), "0", nullptr, "-1", "7"};
         for (int i = 0; i < 5; ++i)
           SetKey(f, ButtonSections[i], "frame", values[i] ? std::optional<std::string>(values[i]) : std::nullopt);
       }},
      {"margins, caption and button places at int max, right aligned", [](TSkinFiles& f) {
         ForBorders(f, "TopHeight", IntMax);
         ForBorders(f, "BotHeight", IntMax);
         CaptionValues(f, IntMax, "2", SolidBmp(30, 40, 24, Grey));
         for (const char* s : ButtonSections) SetKeys(f, s, {"Xcoord", "Ycoord"}, IntMax);
         MenuMargins(f, IntMax);
       }},
      {"margins, caption and button places at int min, centred, every alignment", [](TSkinFiles& f) {
         ForBorders(f, "TopHeight", IntMin);
         ForBorders(f, "BotHeight", IntMin);
         CaptionValues(f, IntMin, "1", SolidBmp(1, 1, 24, Grey));
         const char* aligns[] = {"2", "3", "100", "8", "1"};
         for (int i = 0; i < 5; ++i) {
           SetKeys(f, ButtonSections[i], {"Xcoord", "Ycoord"}, IntMin);
           SetKey(f, ButtonSections[i], "Align", aligns[i]);
         }
         MenuMargins(f, IntMin);
       }},
      {"caption, button actions and visibility out of range", [](TSkinFiles& f) {
         SetKey(f, "Personality", "TextAlignment", "-7");
         SetKey(f, "Personality", "TextShift", "-5000");
         SetKey(f, "Personality", "TextRightClip", "5000");
         SetKey(f, "Personality", "TXTBackleft", "3000");
         SetKey(f, "Personality", "TextBack", "textback.bmp");
         File(f, "textback.bmp") = SolidBmp(700, 2, 8, Grey);
         const char* values[] = {IntMax.c_str(), IntMin.c_str(), "60", "12", "-1"};
         for (int i = 0; i < 5; ++i) {
           SetKey(f, ButtonSections[i], "Action", values[i]);
           SetKeys(f, ButtonSections[i], {"Align", "Visibility"}, values[(i + 2) % 5]);
           SetKey(f, ButtonSections[i], "Visibility1", "200");
         }
       }},
      {"button images 1x1, buttons everywhere", [](TSkinFiles& f) {
         for (const char* b : ButtonFiles) File(f, b) = SolidBmp(1, 1, 24, Grey);
         for (int i = 0; i < 40; ++i) {
           const std::string s = "ButtonExtra" + std::to_string(i);
           SetKey(f, s, "Action", std::to_string(200 + i));
           SetKey(f, s, "Align", std::to_string(i % 4));
           SetKey(f, s, "Xcoord", std::to_string(i * 11 - 40));
           SetKey(f, s, "Ycoord", std::to_string(i % 7 - 2));
           SetKey(f, s, "Visibility", "200");
           SetKey(f, s, "ButtonImage", "close.bmp");
         }
       }},
      {"images of 4000 pixels", [](TSkinFiles& f) {
         // Two images of 4000x4000, the others 4000 along one side only:
         // each costs the bitmap codec a fifth of a second.
         File(f, "left.bmp") = HugeSolidBmp(4000, 4000, Grey);
         File(f, "top.bmp") = HugeSolidBmp(4000, 4000, Grey);
         File(f, "right.bmp") = HugeSolidBmp(4000, 50, Grey);
         File(f, "bottom.bmp") = HugeSolidBmp(50, 4000, Grey);
         ForBorders(f, "Frame", "1");
         File(f, "close.bmp") = HugeSolidBmp(4000, 40, Grey);
         File(f, "maximize.bmp") = HugeSolidBmp(40, 4000, Grey);
         SetKey(f, "Button2", "Xcoord", "300");  // hangs over the client area
         for (const char* s : ButtonSections) SetKey(f, s, "frame", "1");
         for (const char* b : {"menubar.bmp", "menuitem.bmp", "menuback.bmp", "mdi.bmp"})
           File(f, b) = HugeSolidBmp(4000, 200, Grey);
         SetKey(f, "Personality", "TileMenu", "0");
       }},
      {"no personality section", [](TSkinFiles& f) { DropSection(f, "Personality"); }},
      {"no colours and no title-bar buttons", [](TSkinFiles& f) {
         DropSection(f, "Colours");
         for (const char* s : ButtonSections) DropSection(f, s);
       }},
      {"image files missing from the archive", [](TSkinFiles& f) {
         std::erase_if(f, [](const auto& file) { return file.first.ends_with(".bmp") && file.first != "right.bmp"; });
       }},
      {"image files of zero bytes", [](TSkinFiles& f) {
         for (auto& [name, bytes] : f)
           if (name.ends_with(".bmp")) bytes.clear();
       }},
      {"garbage numbers", [](TSkinFiles& f) {
         ForBorders(f, "Frame", "two");
         ForBorders(f, "TopHeight", "0x");
         SetKey(f, "Personality", "TextShift", " 12junk");
         SetKey(f, "Button1", "Action", "");
         SetKey(f, "Personality", "Top", "top.BMP");
       }},
      {"borders and menu images 1x1", [](TSkinFiles& f) {
         for (const char* b : BorderFiles) File(f, b) = SolidBmp(1, 1, 24, Grey);
         for (const char* b : {"menubar.bmp", "menuitem.bmp", "menuback.bmp", "mdi.bmp"})
           File(f, b) = SolidBmp(1, 1, 24, Grey);
       }},
      {"borders entirely key colour", [](TSkinFiles& f) {
         for (const char* b : BorderFiles) File(f, b) = SolidBmp(40, 80, 24, Magenta);
         ForBorders(f, "Trans", "1");
         ForBorders(f, "Frame", "1");
       }},
  };
}

// The loaded damaged skins, built once for all tests.
struct TLoaded {
  std::string Name;
  std::unique_ptr<TSkinData> Skin;
};

std::vector<TLoaded>& LoadedSkins() {
  static std::vector<TLoaded> skins = [] {
    const TSkinFiles slate = ThemeFiles(skingen::SlateTheme());
    std::vector<TLoaded> out;
    for (const TDamage& d : Damages()) {
      TSkinFiles files = slate;
      d.Apply(files);
      auto skin = MakeSkin(PackFiles(files));
      EXPECT_FALSE(skin->Empty) << d.Name;
      out.push_back({d.Name, std::move(skin)});
    }
    return out;
  }();
  return skins;
}

// ---- The window under test ----

// Lets tests make the window as small as they like, keeps it open on
// WM_CLOSE and closes any menu the frame opens as soon as it waits for input.
LRESULT CALLBACK HostileWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      const LRESULT r = DefWindowProcW(wnd, msg, wParam, lParam);
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {0, 0};
      return r;
    }
    case WM_ENTERIDLE: EndMenu(); return 0;
    case WM_CLOSE: return 0;
    default: return DefWindowProcW(wnd, msg, wParam, lParam);
  }
}

HWND MakeWindow(DWORD style, HMENU menu) {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &HostileWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = L"PelorinHostileSkinTest";
    return RegisterClassW(&wc);
  }();
  (void)cls;
  HWND wnd = CreateWindowExW(0, L"PelorinHostileSkinTest", L"A rather long caption for a damaged skin", style, 40, 40,
                             400, 300, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(wnd, SW_SHOW);
  SetForegroundWindow(wnd);
  return wnd;
}

HMENU MakeMenu() {
  return BuildMenu(true, {{L"&File", 0, BuildMenu(false, {{L"&Open", 101}, {L"-"}, {L"E&xit", 102}})}, {L"&Help", 103}});
}

// What Detach must give back.
struct TOriginal {
  explicit TOriginal(HWND wnd)
      : Proc(GetWindowLongPtrW(wnd, GWLP_WNDPROC)), Style(GetWindowLongPtrW(wnd, GWL_STYLE)),
        Size(WindowSize(wnd)), Menu(GetMenu(wnd)) {}
  void Check(HWND wnd) const {
    ASSERT_TRUE(IsWindow(wnd));
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), Proc);
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & ~LONG_PTR(WS_VISIBLE), Style & ~LONG_PTR(WS_VISIBLE));
    EXPECT_EQ(WindowSize(wnd), Size);
    EXPECT_EQ(GetMenu(wnd), Menu);
    EXPECT_FALSE(TWindowRegion(wnd)) << "the skin's region stayed";
  }
  LONG_PTR Proc, Style;
  TSize Size;
  HMENU Menu;
};

// The frame fits the client it measured, within bounds, and the window can
// still be seen and reached.
void CheckSkinned(const TWinSkinForm& f, HWND wnd, TSize client) {
  ASSERT_TRUE(IsWindow(wnd));
  const TFrameMetrics& m = f.Metrics();
  for (int edge : {m.Left, m.Top, m.Right, m.Bottom}) {
    EXPECT_GE(edge, 0);
    EXPECT_LE(edge, MaxFrameEdge);
  }
  EXPECT_EQ(WindowSize(wnd), FittedWindowSize(client, m, 1));
  EXPECT_EQ(ClientSize(wnd), client);
  const TSize size = WindowSize(wnd);
  const TRect inner = SkinnedClientRect(Rect(0, 0, size.cx, size.cy), m);
  const TPoint centre = Centre(inner);
  EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, ScreenPoint(wnd, centre)), HTCLIENT);
  if (f.HasRegion()) {
    const TWindowRegion rgn(wnd);
    EXPECT_TRUE(rgn);
    EXPECT_TRUE(rgn.Contains(centre.X, centre.Y)) << "the client area is cut out of the window";
    if (m.Top > 0 && inner.Width() > 0) {
      EXPECT_TRUE(rgn.Contains(centre.X, m.Top / 2)) << "the title is cut out of the window";
    }
  }
}

// Hit tests and mouse moves over the title and the menu bar, clicks along
// the title; then whatever the clicks posted (maximise, minimise, close,
// the system menu) is carried out. Presses go with a code that starts no
// move or size loop.
void Sweep(HWND wnd, const TFrameMetrics& m) {
  const TSize size = WindowSize(wnd);
  for (int y : {0, m.Top / 2, m.Top + m.MenuBar / 2}) {
    for (int x = -1; x < size.cx + 2; x += 11) {
      const LPARAM at = ScreenPoint(wnd, {x, y});
      const auto hit = WPARAM(SendMessageW(wnd, WM_NCHITTEST, 0, at));
      SendMessageW(wnd, WM_NCMOUSEMOVE, hit, at);
      if (y != m.Top / 2) continue;
      SendMessageW(wnd, WM_NCLBUTTONDOWN, HTBORDER, at);
      SendMessageW(wnd, WM_NCLBUTTONUP, HTBORDER, at);
    }
  }
  Pump();
  if (IsIconic(wnd) || IsZoomed(wnd)) ShowWindow(wnd, SW_RESTORE);
}

// Paints at sizes down to nothing, on the window and off screen.
void Squeeze(TWinSkinForm& f, HWND wnd) {
  const TFrameMetrics& m = f.Metrics();
  const TSize sizes[] = {{0, 0}, {1, 1}, {m.Width() - 1, m.Height() - 1}, {m.Width() + 1, m.Top + 1}, {60, 20}};
  TBitmap offscreen(64, 64);
  for (const TSize s : sizes) {
    SetWindowPos(wnd, nullptr, 0, 0, std::max(0, s.cx), std::max(0, s.cy), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    f.PaintFrame(static_cast<HDC>(offscreen.DC()));
    const TSize now = WindowSize(wnd);
    for (TPoint p : {TPoint{0, 0}, TPoint{now.cx / 2, 1}, TPoint{now.cx - 1, now.cy - 1}})
      SendMessageW(wnd, WM_NCHITTEST, 0, ScreenPoint(wnd, p));
    ASSERT_TRUE(IsWindow(wnd));
  }
}

class FrameHostileSkin : public ::testing::Test {
protected:
  static void SetUpTestSuite() { good = MakeSkin(skingen::SlateTheme()).release(); }
  static void TearDownTestSuite() { delete good; }
  static TSkinData* good;
};
TSkinData* FrameHostileSkin::good = nullptr;

// A skin that is not loaded must not fit the window to a client it never
// measured (0 x 0).
TEST_F(FrameHostileSkin, AnUnloadedSkinLeavesTheWindowAlone) {
  TSkinData empty(nullptr);
  HWND wnd = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr);
  const TOriginal original(wnd);
  {
    TWinSkinForm f(&empty);
    Skin(f, wnd);
    EXPECT_EQ(WindowSize(wnd), original.Size);
    f.PaintFrame();
    f.ApplySkinChange();
    f.Detach();
    original.Check(wnd);
  }
  DestroyWindow(wnd);
}

// Skins a window with a menu, drives every frame path, and gives it back.
TEST_F(FrameHostileSkin, DamagedSkinsFrameAWindowWithAMenuSafely) {
  for (const TLoaded& s : LoadedSkins()) {
    SCOPED_TRACE(s.Name);
    HWND wnd = MakeWindow(WS_OVERLAPPEDWINDOW, MakeMenu());
    const TOriginal original(wnd);
    const TSize client = ClientSize(wnd);
    {
      TWinSkinForm f(s.Skin.get());
      Skin(f, wnd);
      ASSERT_TRUE(f.Attached());
      EXPECT_NE(f.MenuBar(), nullptr);
      CheckSkinned(f, wnd, client);
      const TSize skinned = WindowSize(wnd);
      f.PaintFrame();
      Sweep(wnd, f.Metrics());
      if (f.MenuBar() && !f.MenuBar()->Items().empty()) {
        // Opens the first bar item's popup, drawn from the skin's menu images.
        const TRect item = f.MenuBar()->Items()[0]->BoundsRect;
        SendMessageW(wnd, WM_NCLBUTTONDOWN, HTMENU, ScreenPoint(wnd, {item.Left + 1, item.Top + 1}));
        Pump();
      }
      Squeeze(f, wnd);
      SetWindowPos(wnd, nullptr, 0, 0, skinned.cx, skinned.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      CheckSkinned(f, wnd, client);
      f.Detach();
      original.Check(wnd);
    }
    DestroyWindow(wnd);
  }
}

TEST_F(FrameHostileSkin, AButtonReachingIntoTheClientAreaPaintsOnlyOverTheFrame) {
  const auto huge = std::find_if(LoadedSkins().begin(), LoadedSkins().end(),
                                 [](const TLoaded& s) { return s.Name == "images of 4000 pixels"; });
  ASSERT_TRUE(huge != LoadedSkins().end());
  HWND wnd = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr);
  {
    TWinSkinForm f(huge->Skin.get());
    Skin(f, wnd);
    f.PaintFrame();
    const TRect client = SkinnedClientRect(Rect(0, 0, WindowSize(wnd).cx, WindowSize(wnd).cy), f.Metrics());
    TWinSysButton* tall = nullptr;
    for (auto& b : f.SysButtons())
      if (b->Visible && b->BoundsRect.Bottom > client.Top + 20 && b->BoundsRect.Left > client.Left &&
          b->BoundsRect.Right < client.Right)
        tall = b.get();
    ASSERT_NE(tall, nullptr);
    HDC dc = GetDC(wnd);
    const COLORREF paper = RGB(1, 2, 3);
    HBRUSH brush = CreateSolidBrush(paper);
    const RECT all{0, 0, client.Width(), client.Height()};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    const int x = Centre(tall->BoundsRect).X;
    SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(wnd, {x, tall->BoundsRect.Top + 1}));
    EXPECT_EQ(tall->State, nsHot);
    GdiFlush();
    EXPECT_EQ(GetPixel(dc, x - client.Left, 10), paper);
    ReleaseDC(wnd, dc);
    f.Detach();
  }
  DestroyWindow(wnd);
}

TEST_F(FrameHostileSkin, SwitchingToADamagedSkinAndBackKeepsTheClientAndGivesTheWindowBack) {
  for (const TLoaded& s : LoadedSkins()) {
    SCOPED_TRACE(s.Name);
    HWND wnd = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr);
    const TOriginal original(wnd);
    const TSize client = ClientSize(wnd);
    {
      TWinSkinForm f(good);
      Skin(f, wnd);
      const TSize goodSize = WindowSize(wnd);
      f.SetSkinData(s.Skin.get());
      f.ApplySkinChange();
      CheckSkinned(f, wnd, client);
      f.PaintFrame();
      f.SetSkinData(good);
      f.ApplySkinChange();
      EXPECT_EQ(WindowSize(wnd), goodSize);
      EXPECT_EQ(ClientSize(wnd), client);
      f.Detach();
      original.Check(wnd);
    }
    DestroyWindow(wnd);
  }
}

}  // namespace
}  // namespace pelorin
