// The plain example's windows skinned through pelorin/Skin.h, in this process
// so that the skinners can be asked for: the open main window and its dialog
// of every control, with the system's controls and with common controls 6
// (an activation context of the example's manifest). Pixels are read back
// from the screen before, while and after skinning.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

#include "PlainIds.h"
#include "PlainUi.h"
#include "host/win/platform/GdiCounters.h"
#include "manager/ManagerCore.h"
#include "pelorin/Skin.h"
#include "skinbase/SkinnerRegistry.h"
#include "tests/support/win/AllocationCount.h"
#include "tests/support/win/ScreenRead.h"
#include "tests/support/win/WindowRegion.h"

namespace pelorin::testing {
namespace {

TSkinSource Embedded(int id) { return TSkinSource::Resource(nullptr, id); }

// Common controls 6 for the windows created while it lives.
class TActivationContext {
public:
  explicit TActivationContext(const wchar_t* manifest) {
    ACTCTXW actctx{};
    actctx.cbSize = sizeof actctx;
    actctx.lpSource = manifest;
    context_ = CreateActCtxW(&actctx);
    if (context_ != INVALID_HANDLE_VALUE && !ActivateActCtx(context_, &cookie_)) cookie_ = 0;
  }
  ~TActivationContext() {
    if (cookie_) DeactivateActCtx(0, cookie_);
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
  }
  bool Active() const { return cookie_ != 0; }

private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
};

// What skinning takes over and stopping must give back, per window.
struct TWindowState {
  LONG_PTR Proc, Style, ExStyle;
  bool Region;
  bool operator==(const TWindowState&) const = default;
};
TWindowState StateOf(HWND wnd) {
  return {GetWindowLongPtrW(wnd, GWLP_WNDPROC), GetWindowLongPtrW(wnd, GWL_STYLE),
          GetWindowLongPtrW(wnd, GWL_EXSTYLE), bool(TWindowRegion(wnd))};
}
BOOL CALLBACK AddWindow(HWND wnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}
// The windows and every child of theirs.
std::vector<std::pair<HWND, TWindowState>> StatesOf(std::initializer_list<HWND> windows) {
  std::vector<HWND> all(windows);
  for (HWND w : windows) EnumChildWindows(w, AddWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<std::pair<HWND, TWindowState>> states;
  for (HWND w : all) states.emplace_back(w, StateOf(w));
  return states;
}

// Differing pixels of two same-sized areas, at (ax, ay) in a and (bx, by) in b.
int DifferingIn(const TBitmap& a, int ax, int ay, const TBitmap& b, int bx, int by, int w, int h) {
  int wrong = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((a.ScanLine(ay + y)[ax + x] & 0xFFFFFF) != (b.ScanLine(by + y)[bx + x] & 0xFFFFFF)) ++wrong;
  return wrong;
}
// Top of the client area in window coordinates.
int ClientTop(HWND wnd) {
  RECT wr;
  GetWindowRect(wnd, &wr);
  POINT p{0, 0};
  ClientToScreen(wnd, &p);
  return p.y - wr.top;
}

// The example's main window and modeless dialog, open before any skin.
class TPlainWindows {
public:
  ~TPlainWindows() { Close(); }

  void Open(bool cc6) {
    if (cc6) {
      context_.emplace(L"" PELORIN_TEST_DATA "/../../examples/plain/cc6.manifest");
      ASSERT_TRUE(context_->Active());
    }
    SetCursorPos(1, 1);  // nothing hovered
    main = plain::CreateMainWindow(GetModuleHandleW(nullptr));
    ShowWindow(main, SW_SHOW);
    dialog = plain::OpenControlsDialog(main);
    ASSERT_TRUE(main && dialog);
    // Version 6 buttons know their ideal size; the system's do not.
    SIZE ideal{};
    EXPECT_EQ(SendMessageW(Item(IDC_PUSH), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0, cc6);
    Pump();
  }
  void Close() {
    (void)skin.Stop();
    if (IsWindow(dialog)) DestroyWindow(dialog);
    if (IsWindow(main)) DestroyWindow(main);  // posts the quit message the pump takes away
    Pump();
    context_.reset();
  }
  HWND Item(int id) const { return GetDlgItem(dialog, id); }

  TThreadSkin skin;
  HWND main = nullptr, dialog = nullptr;

private:
  std::optional<TActivationContext> context_;
};

class PlainWindows : public TPlainWindows, public ::testing::TestWithParam<bool> {
protected:
  void SetUp() override { Open(GetParam()); }
};
INSTANTIATE_TEST_SUITE_P(Controls, PlainWindows, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "cc6" : "system"; });

TEST_P(PlainWindows, StartSkinsTheOpenWindowsAndStopGivesEverythingBack) {
  const auto states = StatesOf({main, dialog});
  const TBitmap mainBefore = ReadScreen(main), dialogBefore = ReadScreen(dialog);
  const int menuTopBefore = ClientTop(main) - GetSystemMetrics(SM_CYMENU);

  ASSERT_FALSE(skin.Start(Embedded(IDR_SKIN_SLATE)));
  EXPECT_TRUE(skin.Running());
  Pump();  // the region comes with the activation message
  for (HWND wnd : {main, dialog}) {
    EXPECT_NE(WindowSkinners().Find(wnd), nullptr);
    EXPECT_TRUE(StateOf(wnd).Region);  // cut from the skin's borders
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_SYSMENU, 0);
  }
  EXPECT_NE(WindowSkinners().Find(Item(IDOK)), nullptr);
  // Every control family of the dialog has its skinner; the list view's
  // header comes with the list view's.
  for (int id : {IDC_PUSH, IDC_CHECK, IDC_RADIO1, IDC_RADIO2, IDC_GROUP, IDC_EDIT, IDC_MEMO, IDC_COMBO, IDC_LIST,
                 IDC_TAB, IDC_SCROLL, IDC_LISTVIEW, IDC_TREE, IDC_PROGRESS, IDC_TRACK, IDC_STATUS, IDC_UPDOWN,
                 IDC_UPDOWN_EDIT})
    EXPECT_NE(WindowSkinners().Find(Item(id)), nullptr) << "control " << id;
  EXPECT_NE(WindowSkinners().Find(reinterpret_cast<HWND>(SendMessageW(Item(IDC_LISTVIEW), LVM_GETHEADER, 0, 0))),
            nullptr);
  // A control the dialog makes while it runs is skinned once it exists.
  HWND late = CreateWindowExW(0, L"Button", L"Late", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 4, 4, 60, 16, dialog,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  Pump();
  EXPECT_NE(WindowSkinners().Find(late), nullptr);
  DestroyWindow(late);
  const TBitmap mainSkinned = ReadScreen(main), dialogSkinned = ReadScreen(dialog);
  // The caption strip and the menu bar show the skin.
  EXPECT_GT(DifferingIn(mainBefore, 30, 4, mainSkinned, 30, 4, 200, 12), 400);
  EXPECT_GT(DifferingIn(dialogBefore, 30, 4, dialogSkinned, 30, 4, 200, 12), 400);
  const int menuTop = ClientTop(main) - GetSystemMetrics(SM_CYMENU);
  EXPECT_GT(DifferingIn(mainBefore, 40, menuTopBefore + 2, mainSkinned, 40, menuTop + 2, 300, 10), 300);

  ASSERT_FALSE(skin.Stop());
  EXPECT_FALSE(skin.Running());
  EXPECT_EQ(SkinManager(), nullptr);  // the hook and the timer went with it
  for (const auto& [wnd, state] : states) EXPECT_EQ(StateOf(wnd), state) << "window " << wnd;
  EXPECT_EQ(WindowSkinners().Count(), 0u);
  EXPECT_EQ(DifferingPixels(mainBefore, ReadScreen(main)), 0);
  EXPECT_EQ(DifferingPixels(dialogBefore, ReadScreen(dialog)), 0);
}

// A skin that cannot be read leaves the windows as they are: their system
// look before a start, the running skin during one.
TEST_P(PlainWindows, BadSkinsGiveTheReasonAndChangeNothing) {
  const auto states = StatesOf({main, dialog});
  const TBitmap before = ReadScreen(dialog);
  EXPECT_EQ(skin.Start(TSkinSource::File("Z:\\no\\such.skn")).Code, TSkinErrorCode::FileNotFound);
  EXPECT_EQ(skin.Start(Embedded(999)).Code, TSkinErrorCode::ResourceNotFound);
  HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_SKIN_SLATE), MAKEINTRESOURCEW(10));
  ASSERT_TRUE(info);
  const auto* slate = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, info)));
  const TSkinError cut = skin.Start(TSkinSource::Memory(slate, SizeofResource(nullptr, info) / 2));
  EXPECT_TRUE(cut.Code == TSkinErrorCode::Damaged || cut.Code == TSkinErrorCode::Refused) << cut.Text();
  EXPECT_FALSE(cut.Reason.empty());
  EXPECT_FALSE(skin.Running());
  EXPECT_EQ(SkinManager(), nullptr);
  for (const auto& [wnd, state] : states) EXPECT_EQ(StateOf(wnd), state) << "window " << wnd;
  EXPECT_EQ(DifferingPixels(before, ReadScreen(dialog)), 0);

  // While a skin runs, a bad one keeps it.
  ASSERT_FALSE(skin.Start(Embedded(IDR_SKIN_SLATE)));
  const TBitmap slateShown = ReadScreen(dialog);
  EXPECT_TRUE(skin.Switch(TSkinSource::Memory(slate, 100)));
  EXPECT_TRUE(skin.Running());
  EXPECT_EQ(DifferingPixels(slateShown, ReadScreen(dialog)), 0);
  // A second skin of the program is refused rather than fought over.
  TThreadSkin other;
  EXPECT_EQ(other.Start(Embedded(IDR_SKIN_EMBER)).Code, TSkinErrorCode::AlreadyRunning);
}

// Skinning follows the windows the program opens later: a modal resource
// dialog and a message box are skinned when they come up.
UINT_PTR gProbeTimer = 0;
const wchar_t* gProbeTitle = nullptr;
bool gProbeSkinned = false, gProbeButtonSkinned = false;
void CALLBACK ProbeAndClose(HWND, UINT, UINT_PTR, DWORD) {
  // The modal window is the active one (the modeless dialog has the same title).
  HWND wnd = GetActiveWindow();
  wchar_t title[64] = L"";
  if (!wnd || !GetWindowTextW(wnd, title, 64) || lstrcmpW(title, gProbeTitle) != 0 ||
      GetWindowLongPtrW(wnd, DWLP_USER) == 1)
    return;
  KillTimer(nullptr, gProbeTimer);
  gProbeSkinned = WindowSkinners().Find(wnd) != nullptr;
  HWND ok = GetDlgItem(wnd, IDOK);
  gProbeButtonSkinned = ok && WindowSkinners().Find(ok) != nullptr;
  PostMessageW(wnd, WM_COMMAND, IDOK, 0);
}
bool OpensSkinned(const wchar_t* title, void (*open)(HWND), HWND owner, bool& buttonSkinned) {
  gProbeTitle = title;
  gProbeSkinned = gProbeButtonSkinned = false;
  gProbeTimer = SetTimer(nullptr, 0, 150, ProbeAndClose);
  open(owner);
  KillTimer(nullptr, gProbeTimer);
  buttonSkinned = gProbeButtonSkinned;
  return gProbeSkinned;
}

TEST_P(PlainWindows, DialogBoxesAndMessageBoxesOpenSkinned) {
  ASSERT_FALSE(skin.Start(Embedded(IDR_SKIN_HARBOR)));
  bool button = false;
  EXPECT_TRUE(OpensSkinned(L"Every control", [](HWND owner) { plain::ShowControlsDialog(owner); }, main, button));
  EXPECT_TRUE(button);
  EXPECT_TRUE(OpensSkinned(plain::kMessageTitle,
                           [](HWND owner) { MessageBoxW(owner, L"Skinned?", plain::kMessageTitle, MB_OK); }, main,
                           button));
  EXPECT_TRUE(button);
  (void)skin.Stop();
  EXPECT_FALSE(OpensSkinned(plain::kMessageTitle,
                            [](HWND owner) { MessageBoxW(owner, L"Plain again", plain::kMessageTitle, MB_OK); },
                            main, button));
}

// Each control family shows the skin and gets its own look back. Families
// without a skinner in this build are skipped until theirs arrives.
class PlainControls : public TPlainWindows, public ::testing::TestWithParam<std::tuple<bool, int>> {
protected:
  void SetUp() override { Open(std::get<0>(GetParam())); }
};
std::string FamilyName(const ::testing::TestParamInfo<std::tuple<bool, int>>& info) {
  const int id = std::get<1>(info.param);
  const char* name = id == IDC_PUSH    ? "push"
                     : id == IDC_CHECK ? "check"
                     : id == IDC_EDIT  ? "edit"
                     : id == IDC_SCROLL ? "scrollbar"
                                        : "listscroll";
  return std::string(std::get<0>(info.param) ? "cc6_" : "system_") + name;
}
INSTANTIATE_TEST_SUITE_P(Families, PlainControls,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(IDC_PUSH, IDC_CHECK, IDC_EDIT, IDC_SCROLL, IDC_LIST)),
                         FamilyName);

TEST_P(PlainControls, ShowTheSkinKeepItAndGiveTheLookBack) {
  const int id = std::get<1>(GetParam());
  HWND control = Item(id);
  ASSERT_TRUE(control);
  const TBitmap before = ReadScreen(control);
  ASSERT_FALSE(skin.Start(Embedded(IDR_SKIN_SLATE)));
  if (!WindowSkinners().Find(control)) {
    ASSERT_NE(id, IDC_PUSH) << "push buttons in dialogs are always skinned";
    GTEST_SKIP() << "no skinner for this control family in this build yet";
  }
  const TBitmap slate = ReadScreen(control);
  EXPECT_GT(DifferingPixels(before, slate), 0);
  // Repainted, hovered and left, it keeps the skin's look.
  RECT r;
  GetWindowRect(control, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Pump();
  SetCursorPos(1, 1);
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  EXPECT_EQ(DifferingPixels(slate, ReadScreen(control)), 0);
  ASSERT_FALSE(skin.Switch(Embedded(IDR_SKIN_EMBER)));
  EXPECT_GT(DifferingPixels(slate, ReadScreen(control)), 0);
  ASSERT_FALSE(skin.Stop());
  EXPECT_EQ(DifferingPixels(before, ReadScreen(control)), 0);
}

// Starting, switching and stopping a hundred times ends where it began.
TEST(PlainCycles, HundredStartSwitchStopCyclesKeepGdiObjectsAndMemoryAtBaseline) {
  TPlainWindows w;
  w.Open(false);
  const auto states = StatesOf({w.main, w.dialog});
  long gdi = 0, memory = 0;
  for (int i = 0; i < 100; ++i) {
    ASSERT_FALSE(w.skin.Start(Embedded(IDR_SKIN_SLATE))) << "cycle " << i;
    ASSERT_FALSE(w.skin.Switch(Embedded(i % 2 ? IDR_SKIN_EMBER : IDR_SKIN_HARBOR))) << "cycle " << i;
    DrainMessages();  // the skinned windows paint
    ASSERT_FALSE(w.skin.Stop());
    DrainMessages();
    if (i == 0) {
      gdi = GdiCounters::Live();
      memory = LiveAllocations();
    }
  }
  EXPECT_EQ(GdiCounters::Live(), gdi);
  EXPECT_EQ(LiveAllocations(), memory);
  for (const auto& [wnd, state] : states) EXPECT_EQ(StateOf(wnd), state) << "window " << wnd;
}

}  // namespace
}  // namespace pelorin::testing
