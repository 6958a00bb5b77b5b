// The real host and skinner behind the Windows skin manager.
#include "manager/win/WinSkinFormAdapter.h"

#include "host/win/Forms.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {

// What the form skinners ask of the manager, answered by the one that exists.
struct TManagerFrameLink : TFrameManagerLink {
  bool MdiMax() const override { return WinSkinManager() && WinSkinManager()->MdiMax(); }
  void SetMdiMax(bool value) override {
    if (TSkinManage* m = WinSkinManager()) m->SetMdiMax(value);
  }
  HWND MdiClient() const override { return WinSkinManager() ? WinSkinManager()->MdiClient : nullptr; }
  void SetMdiClient(HWND wnd) override {
    if (TSkinManage* m = WinSkinManager()) m->MdiClient = wnd;
  }
  void SkinWindow(HWND wnd) override {
    if (TSkinManage* m = WinSkinManager()) m->SkinWindow(wnd);
  }
  void ReleaseWindow(HWND wnd) override {
    if (TSkinManage* m = WinSkinManager()) m->ReleaseWindow(wnd);
  }
  // The icon image of the first main skin that has one.
  const TBitmap* MainIconBitmap() const override {
    if (TSkinManage* m = WinSkinManager())
      for (const TSkinData* data : m->SkinDataList())
        if (data->SkinFormtype == sfMainform && !data->IconBitmap.Empty()) return &data->IconBitmap;
    return nullptr;
  }
};

}  // namespace

std::vector<HWND> TScreenHost::FormWindows() {
  std::vector<HWND> result;
  if (!Screen) return result;
  for (int i = 0; i < Screen->FormCount(); ++i) result.push_back(Screen->Forms(i)->Handle());
  return result;
}

THostForm TScreenHost::FindHostForm(HWND wnd) {
  if (!Screen) return {};
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->Handle() == wnd) {
      // Only TForm has what the form skinner takes over; others are plain windows.
      auto* full = dynamic_cast<TForm*>(form);
      return {full != nullptr, full, form->Tag()};
    }
  }
  return {};
}

HWND TScreenHost::OwnerWindow(const TSkinData& data) {
  auto* control = dynamic_cast<TWinControl*>(data.Owner());
  return control ? control->Handle() : nullptr;
}

void InstallWinSkinManager() {
  static TManagerFrameLink link;
  UseWinSkinManager([] { return std::make_unique<TScreenHost>(); },
                    [](TSkinData* data) { return std::make_unique<TWinSkinFormAdapter>(data); });
  SetFrameManagerLink(&link);
}

}  // namespace pelorin
