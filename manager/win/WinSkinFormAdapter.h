// The real form skinner (TWinSkinForm) behind the Windows manager's interface,
// the host framework's forms as the manager sees them, and the call that puts
// both to work (programs that link pelorin::pelorin get it before main).
#pragma once

#include "formframe/WinSkinForm.h"
#include "manager/win/WinSkinManage.h"

namespace pelorin {

// The real form skinner behind the manager's interface: TWinSkinForm is the
// skinner, this only adapts it.
class TWinSkinFormAdapter : public TManagedWindowSkinner {
public:
  explicit TWinSkinFormAdapter(TSkinData* data) : form_(data) {}
  TWinSkinForm& SkinForm() { return form_; }

  HWND Handle() const override { return form_.Handle() ? form_.Handle() : wnd_; }
  TSkinData* SkinData() const override { return form_.SkinData(); }
  void SetSkinData(TSkinData* data) override { form_.SetSkinData(data); }
  void AttachForm(TForm* form, HWND wnd) override {
    wnd_ = wnd;
    form_.AttachForm(form);
  }
  void AttachWindow(HWND wnd) override {
    wnd_ = wnd;
    form_.AttachWindow(wnd);
  }
  void Detach() override { form_.Detach(); }
  void MarkDetaching() override { form_.SetStage(stDetach); }
  void ClearSysButtons() override { form_.ClearSysButtons(); }
  void RemoveRegion() override { form_.RemoveRegion(); }
  void BuildRegion() override { form_.BuildRegion(); }
  bool HasRegion() const override { return form_.HasRegion(); }
  void ApplySkinChange() override { form_.ApplySkinChange(); }
  void SetSysStyles(bool restore) override { form_.SetSysStyles(restore); }
  void FrameChanged() override { form_.FrameChanged(); }
  TSkinnerMdiRole MdiRole() const override {
    switch (form_.MdiRole()) {
      case mrFrame: return TSkinnerMdiRole::Frame;
      case mrChild: return TSkinnerMdiRole::Child;
      default: return TSkinnerMdiRole::None;
    }
  }
  bool Minimized() const override { return form_.WindowState() == nwMinimized; }
  void SetNormalState() override { form_.SetWindowState(nwNormal); }

private:
  TWinSkinForm form_;
  HWND wnd_ = nullptr;
};

// The host framework's forms as the manager sees them (through Screen).
class TScreenHost : public TManagerHost {
public:
  std::vector<HWND> FormWindows() override;
  THostForm FindHostForm(HWND wnd) override;
  HWND OwnerWindow(const TSkinData& data) override;
};

// From now on the first skin data creates a TSkinManage over Screen and
// TWinSkinForm, and the form skinners reach it for MDI state.
void InstallWinSkinManager();

}  // namespace pelorin
