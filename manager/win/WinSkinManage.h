// TSkinManage: the Windows skin manager. A WH_CBT thread hook offers every
// activated top-level window to SkinWindow and releases skinners of destroyed
// windows; deferred requests run from a one-shot 250 ms timer.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "manager/ManagerRules.h"
#include "manager/win/ActionTimer.h"
#include "manager/win/ManagerHost.h"

namespace pelorin {

class TSkinManage : public TSkinManageCore {
public:
  // Installs the hook on the calling thread (the user-interface thread).
  TSkinManage(std::unique_ptr<TManagerHost> host, TFormSkinnerFactory factory);
  // Unhooks, then detaches and frees every skinner.
  ~TSkinManage() override;

  void RemoveSkinData(TSkinData* data) override;
  // Only the skinners drawing with data.
  void ClearSysButtons(const TSkinData* data) override;

  // Gives wnd a form skinner when it qualifies; false when it is left alone
  // (LastRefusal says why).
  bool SkinWindow(HWND wnd);
  // Detaches and frees the skinner of wnd; false when it had none.
  bool ReleaseWindow(HWND wnd);
  bool IsTracked(HWND wnd) const { return FindSkinner(wnd) != nullptr; }
  TManagedWindowSkinner* FindSkinner(HWND wnd) const;
  // The first sfMainform skin data's FormSkinCheck answers; true without one.
  bool AskFormSkin(const std::string& className);
  // The skin data wnd takes (loaded or not), or nullptr.
  TSkinData* FindSkinData(HWND wnd);
  TSkinRefusal LastRefusal() const { return lastRefusal_; }

  // Carries out the pending request (the timer's event).
  void DoAction();
  bool ActionScheduled() const { return timer_.Enabled(); }

  bool MdiMax() const { return mdiMax_; }
  void SetMdiMax(bool value);
  HWND MdiClient = nullptr;
  const DWORD WinVersion;

  // Popup menu windows get their own skinners elsewhere; these are the hook's
  // calls for them.
  void AttachPopupMenu(HWND wnd);
  void ReleasePopupMenu(HWND wnd);

  // The hook's events, public for the hook procedure.
  LRESULT HookEvent(int code, WPARAM wParam, LPARAM lParam);

protected:
  void ScheduleAction() override;

private:
  bool Refuse(TSkinRefusal why) {
    lastRefusal_ = why;
    return false;
  }
  void DetachAndFree(TManagedWindowSkinner* skinner, bool windowGoing);
  void SkinAll();
  void UnskinAll();
  void SkinChanged();

  std::unique_ptr<TManagerHost> host_;
  TFormSkinnerFactory factory_;
  TActionTimer timer_;
  HHOOK hook_ = nullptr;
  bool mdiMax_ = false;
  TSkinRefusal lastRefusal_ = TSkinRefusal::None;
};

// Makes EnsureSkinManager create a TSkinManage with host and factory.
void UseWinSkinManager(std::function<std::unique_ptr<TManagerHost>()> host, TFormSkinnerFactory factory);

// The manager as TSkinManage, or nullptr (none, or the portable core).
TSkinManage* WinSkinManager();

}  // namespace pelorin
