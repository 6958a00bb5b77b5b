// Doubles for the skin manager's Windows tests: a host whose "forms" are raw
// windows, a form skinner that records what the manager asks of it, plain
// top-level windows that count the activation message.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/win/Forms.h"
#include "manager/win/WinSkinFormAdapter.h"
#include "manager/win/WinSkinManage.h"
#include "skinbase/SkinMessages.h"
#include "skinmodel/WinSkinData.h"
#include "tests/support/win/Pump.h"

namespace pelorin::testing {

struct TFakeForm {
  HWND Wnd = nullptr;
  int Tag = 0;
};

struct TFakeHostState {
  std::vector<TFakeForm> Forms;
  std::map<const TSkinData*, HWND> Owners;
};

class TFakeHost : public TManagerHost {
public:
  explicit TFakeHost(TFakeHostState& state) : state_(state) {}
  std::vector<HWND> FormWindows() override {
    std::vector<HWND> result;
    for (const auto& f : state_.Forms) result.push_back(f.Wnd);
    return result;
  }
  THostForm FindHostForm(HWND wnd) override {
    for (const auto& f : state_.Forms)
      if (f.Wnd == wnd) return {true, nullptr, f.Tag};
    return {};
  }
  HWND OwnerWindow(const TSkinData& data) override {
    auto it = state_.Owners.find(&data);
    return it == state_.Owners.end() ? nullptr : it->second;
  }

private:
  TFakeHostState& state_;
};

// Every call of every fake skinner, as "<window number> <call>" lines.
struct TSkinnerLog {
  std::vector<std::string> Calls;
  int Live = 0;
  int Created = 0;
  void Add(HWND wnd, const std::string& call) {
    Calls.push_back(std::to_string(reinterpret_cast<uintptr_t>(wnd)) + " " + call);
  }
  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : Calls)
      if (c.size() >= call.size() && c.compare(c.size() - call.size(), call.size(), call) == 0) ++n;
    return n;
  }
};

class TFakeSkinner : public TManagedWindowSkinner {
public:
  TFakeSkinner(TSkinData* data, TSkinnerLog& log) : data_(data), log_(log) {
    ++log_.Live;
    ++log_.Created;
  }
  ~TFakeSkinner() override { --log_.Live; }
  HWND Handle() const override { return wnd_; }
  TSkinData* SkinData() const override { return data_; }
  void SetSkinData(TSkinData* data) override { data_ = data; }
  void AttachForm(TForm*, HWND wnd) override {
    wnd_ = wnd;
    Log("AttachForm");
  }
  void AttachWindow(HWND wnd) override {
    wnd_ = wnd;
    Log("AttachWindow");
  }
  void Detach() override { Log(detaching_ ? "Detach(going)" : "Detach"); }
  void MarkDetaching() override { detaching_ = true; }
  void ClearSysButtons() override { Log("ClearSysButtons"); }
  void RemoveRegion() override {
    region_ = false;
    Log("RemoveRegion");
  }
  void BuildRegion() override {
    region_ = true;
    Log("BuildRegion");
  }
  bool HasRegion() const override { return region_; }
  void ApplySkinChange() override { Log("ApplySkinChange"); }
  void SetSysStyles(bool restore) override { Log(restore ? "SetSysStyles(true)" : "SetSysStyles(false)"); }
  void FrameChanged() override { Log("FrameChanged"); }
  TSkinnerMdiRole MdiRole() const override { return role; }
  bool Minimized() const override { return minimized; }
  void SetNormalState() override { Log("SetNormalState"); }

  TSkinnerMdiRole role = TSkinnerMdiRole::None;
  bool minimized = false;

private:
  void Log(const std::string& call) { log_.Add(wnd_, call); }
  TSkinData* data_;
  TSkinnerLog& log_;
  HWND wnd_ = nullptr;
  bool detaching_ = false;
  bool region_ = false;
};

// Activation messages received, per window.
inline std::map<HWND, int>& ActivationMessages() {
  static std::map<HWND, int> counts;
  return counts;
}

inline LRESULT CALLBACK TestWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SKIN_ACTIVATE && wParam == 0 && lParam == SkinActivateLParam) ++ActivationMessages()[wnd];
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

// A window of class className (registered on first use with TestWindowProc).
inline HWND MakeWindow(const wchar_t* className, DWORD style, int w, int h, HWND parent = nullptr) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = TestWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassExW(&wc);
  return CreateWindowExW(0, className, L"test", style, 40, 40, w, h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A manager over the fake host and skinner; skin data made through Add.
class TManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    DestroySkinManager();
    ActivationMessages().clear();
    UseWinSkinManager([this] { return std::make_unique<TFakeHost>(host); },
                      [this](TSkinData* data) { return std::make_unique<TFakeSkinner>(data, log); });
  }
  void TearDown() override {
    data.clear();
    DestroySkinManager();
    SetSkinManagerFactory(nullptr);
    for (HWND w : windows)
      if (IsWindow(w)) DestroyWindow(w);
    PumpFor(10);
  }
  // A skin data that counts as loaded unless told otherwise.
  TSkinData* Add(TSkinFormType type, bool loaded = true) {
    data.push_back(std::make_unique<TSkinData>(nullptr));
    data.back()->SkinFormtype = type;
    data.back()->Empty = !loaded;
    return data.back().get();
  }
  HWND Window(int w = 300, int h = 200, DWORD style = WS_POPUP, const wchar_t* cls = L"PelorinMgrTest",
              HWND parent = nullptr) {
    HWND wnd = MakeWindow(cls, style, w, h, parent);
    windows.push_back(wnd);
    return wnd;
  }
  TSkinManage& Manager() { return *WinSkinManager(); }

  TFakeHostState host;
  TSkinnerLog log;
  std::vector<std::unique_ptr<TSkinData>> data;
  std::vector<HWND> windows;
};

// The real manager over the host framework's forms, with an application.
class TRealManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    DestroySkinManager();
    InstallWinSkinManager();
    app = new TApplication(nullptr);
    app->Initialize();
  }
  void TearDown() override {
    skin.reset();
    delete app;
    DestroySkinManager();
    SetSkinManagerFactory(nullptr);
    SetFrameManagerLink(nullptr);
  }
  TApplication* app = nullptr;
  std::unique_ptr<TSkinData> skin;
};

}  // namespace pelorin::testing
