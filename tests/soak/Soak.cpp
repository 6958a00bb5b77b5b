// A soak of the live system, run by scripts/soak.sh (not part of the test
// run). Windows of every kind stay open: the demo's forms with every control,
// copies of its second form, dialogs made from an in-memory template, an MDI
// frame with children, and now and then a message box. For the given time,
// skins switch at random among ours, damaged ones and none, while the windows
// are resized, activated, hovered and clicked. It prints the switches done and
// the largest GDI-object and allocation counts seen, and fails unless both
// are back at their baseline at the end (GDI objects within the few that the
// host's controls make lazily).
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "demo/Unit1.h"
#include "demo/Unit2.h"
#include "host/win/platform/GdiCounters.h"
#include "skinmodel/WinSkinData.h"
#include "tests/support/win/AllocationCount.h"
#include "tests/support/win/Pump.h"

using namespace pelorin;

namespace {

// An in-memory dialog template: a caption and a row of standard controls.
class TDialogTemplate {
public:
  TDialogTemplate() {
    Put(DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT | WS_VISIBLE), 0);
    const size_t countAt = data_.size();
    Word(0);  // item count, patched below
    Word(10), Word(10), Word(260), Word(150);
    Word(0), Word(0), Text(L"Soak dialog");
    Word(8), Text(L"MS Shell Dlg");
    Item(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 10, 60, 14, IDOK);
    Item(L"BUTTON", L"Check", BS_AUTOCHECKBOX | WS_TABSTOP, 80, 10, 60, 12, 101);
    Item(L"BUTTON", L"Three", BS_AUTO3STATE | WS_TABSTOP, 150, 10, 60, 12, 102);
    Item(L"BUTTON", L"Radio", BS_AUTORADIOBUTTON | WS_TABSTOP, 80, 26, 60, 12, 103);
    Item(L"BUTTON", L"Group", BS_GROUPBOX, 10, 40, 120, 40, 104);
    Item(L"EDIT", L"text", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 140, 44, 100, 14, 105);
    Item(L"EDIT", L"memo", ES_MULTILINE | WS_VSCROLL | WS_BORDER, 140, 62, 100, 40, 106);
    Item(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 10, 86, 100, 60, 107);
    Item(L"LISTBOX", L"", LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 10, 104, 100, 40, 108);
    Item(L"SCROLLBAR", L"", SBS_HORZ, 140, 110, 100, 10, 109);
    Item(L"STATIC", L"Label", SS_LEFT, 140, 126, 100, 10, 110);
    std::memcpy(&data_[countAt], &count_, sizeof count_);
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

private:
  void Word(WORD w) { data_.insert(data_.end(), reinterpret_cast<BYTE*>(&w), reinterpret_cast<BYTE*>(&w) + 2); }
  void Put(DWORD style, DWORD ex) {
    for (DWORD d : {style, ex}) data_.insert(data_.end(), reinterpret_cast<BYTE*>(&d), reinterpret_cast<BYTE*>(&d) + 4);
  }
  void Text(const wchar_t* s) {
    do Word(WORD(*s)); while (*s++);
  }
  void Align() {
    while (data_.size() % 4) data_.push_back(0);
  }
  void Item(const wchar_t* cls, const wchar_t* text, DWORD style, short x, short y, short cx, short cy, WORD id) {
    Align();
    Put(style | WS_CHILD | WS_VISIBLE, 0);
    Word(WORD(x)), Word(WORD(y)), Word(WORD(cx)), Word(WORD(cy)), Word(id);
    Text(cls), Text(text), Word(0);
    ++count_;
  }
  std::vector<BYTE> data_;
  WORD count_ = 0;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) {
    for (const wchar_t* s : {L"one", L"two", L"three"}) SendDlgItemMessageW(dialog, 107, CB_ADDSTRING, 0, LPARAM(s));
    for (int i = 0; i < 30; ++i) SendDlgItemMessageW(dialog, 108, LB_ADDSTRING, 0, LPARAM(L"line"));
    return TRUE;
  }
  return FALSE;
}

LRESULT CALLBACK MdiFrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  static HWND client = nullptr;
  if (msg == WM_CREATE) {
    CLIENTCREATESTRUCT ccs{};
    client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, wnd,
                             nullptr, GetModuleHandleW(nullptr), &ccs);
  }
  return DefFrameProcW(wnd, client, msg, wParam, lParam);
}

LRESULT CALLBACK MdiChildProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcW(wnd, msg, wParam, lParam);
}

HWND MakeMdiFrame() {
  WNDCLASSW wc{};
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = HBRUSH(COLOR_APPWORKSPACE + 1);
  wc.lpfnWndProc = MdiFrameProc;
  wc.lpszClassName = L"PelorinSoakMdiFrame";
  RegisterClassW(&wc);
  wc.lpfnWndProc = MdiChildProc;
  wc.lpszClassName = L"PelorinSoakMdiChild";
  RegisterClassW(&wc);
  HWND frame = CreateWindowExW(0, L"PelorinSoakMdiFrame", L"Soak MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                               300, 200, 500, 360, nullptr, nullptr, wc.hInstance, nullptr);
  HWND client = GetWindow(frame, GW_CHILD);
  for (int i = 0; i < 3; ++i) {
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"PelorinSoakMdiChild";
    mcs.szTitle = L"Child";
    mcs.hOwner = wc.hInstance;
    mcs.x = mcs.y = CW_USEDEFAULT;
    mcs.cx = 220;
    mcs.cy = 140;
    SendMessageW(client, WM_MDICREATE, 0, LPARAM(&mcs));
  }
  return frame;
}

// Damaged copies of a good skin: cut short, bytes flipped through the
// middle, and noise of the same length.
std::vector<std::string> WriteDamagedSkins(const std::string& good, const std::string& folder) {
  std::ifstream in(good, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> paths;
  if (bytes.size() < 64) return paths;
  auto write = [&](const std::string& name, const std::vector<char>& content) {
    const std::string path = folder + name;
    std::ofstream(path, std::ios::binary).write(content.data(), std::streamsize(content.size()));
    paths.push_back(path);
  };
  write("soak-cut.skn", std::vector<char>(bytes.begin(), bytes.begin() + std::ptrdiff_t(bytes.size() / 2)));
  std::vector<char> flipped = bytes;
  for (size_t i = flipped.size() / 3; i < flipped.size(); i += 97) flipped[i] = char(~flipped[i]);
  write("soak-flipped.skn", flipped);
  std::mt19937 noise(7);
  std::vector<char> random(bytes.size());
  for (char& c : random) c = char(noise());
  write("soak-noise.skn", random);
  return paths;
}

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> list;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM out) {
        if (IsWindowVisible(wnd)) reinterpret_cast<std::vector<HWND>*>(out)->push_back(wnd);
        return TRUE;
      },
      LPARAM(&list));
  return list;
}

// The children that are safe to click: everything in our own dialogs, and
// check boxes and radio buttons of the forms (the demo's push buttons open
// modal dialogs and files).
std::vector<HWND> Clickable(const std::vector<HWND>& dialogs, const std::vector<HWND>& forms) {
  auto children = [](HWND parent) {
    std::vector<HWND> list;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM out) {
          reinterpret_cast<std::vector<HWND>*>(out)->push_back(child);
          return TRUE;
        },
        LPARAM(&list));
    return list;
  };
  std::vector<HWND> all;
  for (HWND d : dialogs) {
    const auto list = children(d);
    all.insert(all.end(), list.begin(), list.end());
  }
  for (HWND f : forms) {
    for (HWND child : children(f)) {
      wchar_t cls[32] = {};
      GetClassNameW(child, cls, 32);
      if (!lstrcmpiW(cls, L"TCheckBox") || !lstrcmpiW(cls, L"TRadioButton")) all.push_back(child);
    }
  }
  return all;
}

void CloseMessageBox();

struct TSoak {
  std::mt19937 random{12345};
  std::vector<std::string> skins;  // good ones first, then damaged
  size_t goodSkins = 0;
  std::vector<HWND> dialogs;
  std::vector<HWND> tops;
  long switches = 0, unskins = 0, damaged = 0, boxes = 0, actions = 0;
  long maxGdi = 0, maxAllocations = 0;
  long failures = 0;  // actions that raised
  bool inBox = false;
  bool busy = false;
  // The first stretch warms caches up; the counts are taken after it.
  double warmUntil = 0, endAt = 0;
  bool baselineTaken = false;
  long baseGdi = 0, baseAllocations = 0;
  std::vector<std::pair<HWND, RECT>> places;  // of the windows at the start

  int Pick(size_t n) { return int(random() % n); }

  void Measure() {
    maxGdi = std::max(maxGdi, GdiCounters::Live());
    maxAllocations = std::max(maxAllocations, testing::LiveAllocations());
  }

  void SwitchSkin() {
    const int roll = Pick(10);
    if (roll == 0) {
      if (Form1->sd1->Active()) Form1->Button2Click(nullptr);
      ++unskins;
    } else {
      const bool bad = roll == 1;
      const std::string& file = bad ? skins[goodSkins + size_t(Pick(skins.size() - goodSkins))]
                                    : skins[size_t(Pick(goodSkins))];
      try {
        Form1->sd1->SetSkinFile(file);
      } catch (const std::exception&) {
        // A damaged skin raises to the program, as any failed load does; it
        // must also say why and leave no skin behind.
        if (!bad || Form1->sd1->LoadError().Reason.empty() || !Form1->sd1->Empty) throw;
      }
      if (!Form1->sd1->Active()) Form1->Button2Click(nullptr);
      damaged += bad;
    }
    ++switches;
  }

  void Act() {
    ++actions;
    const std::vector<HWND> windows = ThreadWindows();
    switch (Pick(6)) {
      case 0:
      case 1:
        SwitchSkin();
        break;
      case 2: {  // resize a window
        HWND w = windows[size_t(Pick(windows.size()))];
        SetWindowPos(w, nullptr, 0, 0, 200 + Pick(500), 150 + Pick(400), SWP_NOMOVE | SWP_NOZORDER);
        break;
      }
      case 3: {  // activate one
        HWND w = windows[size_t(Pick(windows.size()))];
        SetForegroundWindow(w);
        SetActiveWindow(w);
        break;
      }
      case 4: {  // hover and click a control
        const std::vector<HWND> targets = Clickable(dialogs, tops);
        if (targets.empty()) break;
        HWND c = targets[size_t(Pick(targets.size()))];
        SendMessageW(c, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        SendMessageW(c, BM_CLICK, 0, 0);
        break;
      }
      default:  // now and then a message box, closed by a later tick
        if (!inBox && Pick(8) == 0) {
          inBox = true;
          ++boxes;
          busy = false;  // the box's own loop runs the next ticks
          MessageBoxW(Form1->Handle(), L"Soak message", L"Soak", MB_OK | MB_ICONINFORMATION);
          busy = true;
          inBox = false;
        } else if (inBox) {
          CloseMessageBox();
        }
        break;
    }
    Measure();
  }
};

constexpr const char* SkinNames[] = {"slate", "harbor", "ember", "meadow", "graphite"};
TSoak* soak = nullptr;
bool finished = false;

// Every window back at its first place and size, every skin once, then
// unskinned: the state the counts are compared in (some of what the library
// keeps depends on window sizes and on which window is active).
void Settle() {
  for (const auto& [wnd, r] : soak->places)
    SetWindowPos(wnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetForegroundWindow(Form1->Handle());
  for (const char* name : SkinNames) {
    Form1->SelectSkinFile(name);  // as the demo's own list does it
    testing::PumpFor(200);
  }
  if (Form1->sd1->Active()) Form1->Button2Click(nullptr);
  testing::PumpFor(500);
}

void CloseMessageBox() {
  for (HWND w : ThreadWindows()) {
    wchar_t title[16] = {};
    GetWindowTextW(w, title, 16);
    if (!lstrcmpW(title, L"Soak")) PostMessageW(w, WM_COMMAND, IDOK, 0);
  }
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD now) {
  if (soak->busy || finished) return;  // a modal loop inside an action calls back in
  if (double(now) >= soak->endAt || (!soak->baselineTaken && double(now) >= soak->warmUntil)) {
    // Counts are taken with no message box open.
    if (soak->inBox) return CloseMessageBox();
    soak->busy = true;
    // Twice: what the last actions left pending (deferred releases, timers)
    // is done by the second time.
    Settle();
    Settle();
    soak->busy = false;
    if (!soak->baselineTaken) {
      soak->baselineTaken = true;
      soak->baseGdi = GdiCounters::Live();
      soak->baseAllocations = testing::LiveAllocations();
      std::printf("baseline: %ld GDI objects, %ld allocations; %zu windows open\n", soak->baseGdi,
                  soak->baseAllocations, ThreadWindows().size());
      return;
    }
    finished = true;
    PostQuitMessage(0);
    return;
  }
  soak->busy = true;
  try {
    soak->Act();
  } catch (const std::exception& e) {
    std::printf("action failed: %s\n", e.what());
    ++soak->failures;
  }
  soak->busy = false;
}

}  // namespace

int Soak(double seconds);

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  try {
    return Soak(__argc > 1 ? std::atof(__argv[1]) : 600.0);
  } catch (const std::exception& e) {
    std::printf("soak FAILED: %s\n", e.what());
    return 2;
  }
}

int Soak(double seconds) {
  TApplication application;
  RegisterDemoForms();
  application.Initialize();
  application.CreateForm(Form1);
  Form1->Show();
  TSoak state;
  soak = &state;
  const std::string folder = SkinsFolder();
  for (const char* name : SkinNames) state.skins.push_back(folder + name + ".skn");
  state.goodSkins = state.skins.size();
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  for (auto& path : WriteDamagedSkins(state.skins[0], temp)) state.skins.push_back(path);

  // Ten windows of every kind.
  Form1->Button1Click(nullptr);  // the demo's second form
  // Copies without an owner: an owner allows one component per name.
  std::vector<std::unique_ptr<TForm2>> copies;
  for (int i = 0; i < 3; ++i) {
    copies.push_back(std::make_unique<TForm2>(nullptr));
    copies.back()->SetBounds(60 + 40 * i, 60 + 30 * i, 420, 320);
    copies.back()->Show();
  }
  static TDialogTemplate dialogTemplate;
  for (int i = 0; i < 4; ++i)
    state.dialogs.push_back(
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(), nullptr, DialogProc, 0));
  HWND mdi = MakeMdiFrame();
  state.tops = {Form1->Handle(), Form2->Handle()};
  for (auto& f : copies) state.tops.push_back(f->Handle());

  for (HWND w : ThreadWindows()) {
    RECT r;
    GetWindowRect(w, &r);
    state.places.emplace_back(w, r);
  }
  const double start = double(GetTickCount());
  state.warmUntil = start + std::min(seconds * 100.0, 20000.0);  // a tenth of the run, at most 20 s
  state.endAt = start + seconds * 1000.0;
  SetTimer(nullptr, 0, 15, Tick);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(state.dialogs[0], &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  const long endGdi = GdiCounters::Live(), endAllocations = testing::LiveAllocations();
  std::printf("switches %ld (unskinned %ld, damaged %ld), actions %ld (%ld raised), message boxes %ld\n",
              state.switches, state.unskins, state.damaged, state.actions, state.failures, state.boxes);
  std::printf("largest: %ld GDI objects, %ld allocations; at the end: %ld GDI objects, %ld allocations\n",
              state.maxGdi, state.maxAllocations, endGdi, endAllocations);
  // Fonts, brushes and pens of the host's controls are made when a control
  // first paints after a change and dropped at the next change, so which of
  // them exist depends on what painted last (hidden tab pages do not): a few
  // either way is no leak, a leak grows with the switches.
  constexpr long GdiSlack = 8;
  const bool ok = std::labs(endGdi - state.baseGdi) <= GdiSlack && endAllocations == state.baseAllocations &&
                  state.failures == 0;
  std::printf("%s\n", ok ? "soak passed" : "soak FAILED: an action raised, or the counts did not come back to the baseline");
  std::fflush(stdout);
  for (HWND d : state.dialogs) DestroyWindow(d);
  DestroyWindow(mdi);
  return ok ? 0 : 1;
}
