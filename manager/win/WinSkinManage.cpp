// The Windows skin manager: hook events, the window tests, the choice of skin
// and the deferred skin, unskin and skin-change passes.
#include "manager/win/WinSkinManage.h"

#include <algorithm>

#include "menus/win/WinSkinPopMenu.h"
#include "skinbase/SkinMessages.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {

constexpr UINT kActionDelay = 250;

// The hook procedure has no context argument; there is one manager per process.
TSkinManage* gHookManager = nullptr;

LRESULT CALLBACK CBTHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (gHookManager) return gHookManager->HookEvent(code, wParam, lParam);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string ClassNameOf(HWND wnd) {
  char name[100]{};
  if (!wnd || GetClassNameA(wnd, name, sizeof name) <= 0) return {};
  return name;
}

}  // namespace

TSkinManage::TSkinManage(std::unique_ptr<TManagerHost> host, TFormSkinnerFactory factory)
    : WinVersion(GetVersion()),
      host_(std::move(host)),
      factory_(std::move(factory)),
      timer_(kActionDelay, [this] { DoAction(); }) {
  hook_ = SetWindowsHookExW(WH_CBT, CBTHookProc, nullptr, GetCurrentThreadId());
  gHookManager = this;
}

TSkinManage::~TSkinManage() {
  timer_.Stop();
  if (hook_) UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  if (gHookManager == this) gHookManager = nullptr;
  while (!FormSkinners().empty())
    DetachAndFree(static_cast<TManagedWindowSkinner*>(FormSkinners().back().get()), true);
  PopupMenuSkinners().Clear();
}

LRESULT TSkinManage::HookEvent(int code, WPARAM wParam, LPARAM lParam) {
  if (code < 0) return CallNextHookEx(hook_, code, wParam, lParam);
  HWND wnd = reinterpret_cast<HWND>(wParam);
  // Nothing may leave the hook as an exception: a window that cannot be
  // skinned is simply left as it is.
  try {
    switch (code) {
      case HCBT_CREATEWND: {
        // Scroll-bar controls and size grips are created like any other
        // window, also inside skinned windows: the form's control skinners
        // paint them once they are attached.
        if (ClassNameOf(wnd) == "#32768") AttachPopupMenu(wnd);
        // A control made after its window was skinned (a dialog adding
        // controls as it runs) is skinned once it exists.
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (create && create->lpcs && (create->lpcs->style & WS_CHILD) && create->lpcs->hwndParent) {
          HWND root = GetAncestor(create->lpcs->hwndParent, GA_ROOT);
          if (root && IsTracked(root)) PostMessageW(root, WM_SKIN_ATTACHCHILDREN, 0, 0);
        }
        break;
      }
      case HCBT_DESTROYWND:
        ReleasePopupMenu(wnd);
        ReleaseWindow(wnd);
        break;
      case HCBT_ACTIVATE:
        Started = true;
        SkinWindow(wnd);
        break;
      default:
        break;
    }
  } catch (...) {
  }
  return CallNextHookEx(hook_, code, wParam, lParam);
}

TManagedWindowSkinner* TSkinManage::FindSkinner(HWND wnd) const {
  if (!wnd) return nullptr;
  for (const auto& s : FormSkinners()) {
    auto* skinner = static_cast<TManagedWindowSkinner*>(s.get());
    if (skinner->Handle() == wnd) return skinner;
  }
  return nullptr;
}

bool TSkinManage::SkinWindow(HWND wnd) {
  TWindowFacts facts;
  facts.managerActive = Active;
  if (!Active) return Refuse(TSkinRefusal::Inactive);
  if (!IsWindow(wnd)) return Refuse(TSkinRefusal::EmptyRect);
  const THostForm host = host_->FindHostForm(wnd);
  facts.tracked = IsTracked(wnd);
  facts.childStyle = (GetWindowLongW(wnd, GWL_STYLE) & WS_CHILD) != 0;
  if (facts.childStyle) facts.parentClass = ClassNameOf(GetParent(wnd));
  RECT r{};
  GetWindowRect(wnd, &r);
  facts.width = r.right - r.left;
  facts.height = r.bottom - r.top;
  facts.hostForm = host.Found;
  facts.formTag = host.Tag;
  facts.className = ClassNameOf(wnd);
  if (TSkinRefusal why = CheckWindowFacts(facts); why != TSkinRefusal::None) return Refuse(why);
  if (!AskFormSkin(facts.className)) return Refuse(TSkinRefusal::FormSkinRefused);
  TSkinData* data = FindSkinData(wnd);
  if (!data || data->Empty) return Refuse(TSkinRefusal::NoSkinData);

  std::unique_ptr<TManagedWindowSkinner> created = factory_(data);
  if (!created) return Refuse(TSkinRefusal::NoSkinData);
  TManagedWindowSkinner* skinner = created.get();
  // Tracked before attaching, so that an activation during the attach does
  // not give the window a second skinner.
  AddFormSkinner(std::move(created));
  try {
    if (host.Found)
      skinner->AttachForm(host.Form, wnd);
    else
      skinner->AttachWindow(wnd);
  } catch (...) {
    RemoveFormSkinner(skinner);
    throw;
  }
  PostMessageW(wnd, WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
  lastRefusal_ = TSkinRefusal::None;
  return true;
}

bool TSkinManage::ReleaseWindow(HWND wnd) {
  TManagedWindowSkinner* skinner = FindSkinner(wnd);
  if (!skinner) return false;
  DetachAndFree(skinner, true);
  return true;
}

void TSkinManage::DetachAndFree(TManagedWindowSkinner* skinner, bool windowGoing) {
  // Out of the list first: Detach may send messages that come back here.
  std::unique_ptr<TManagedSkinner> owned = RemoveFormSkinner(skinner);
  if (!owned) return;
  if (windowGoing) skinner->MarkDetaching();
  skinner->Detach();
}

bool TSkinManage::AskFormSkin(const std::string& className) {
  bool doSkin = true;
  for (TSkinData* data : SkinDataList()) {
    if (data->SkinFormtype == sfMainform) {
      data->FormSkinCheck(className, doSkin);
      break;
    }
  }
  return doSkin;
}

TSkinData* TSkinManage::FindSkinData(HWND wnd) {
  const auto& list = SkinDataList();
  std::vector<TSkinDataFacts> facts;
  facts.reserve(list.size());
  for (TSkinData* data : list) {
    TSkinDataFacts f{data->SkinFormtype, 0};
    // Only these compare owner windows; asking others would create windows.
    if (data->SkinFormtype == sfOnlyThisForm) f.ownerWindow = reinterpret_cast<std::uintptr_t>(host_->OwnerWindow(*data));
    facts.push_back(f);
  }
  const int index = FindSkinDataIndex(facts, reinterpret_cast<std::uintptr_t>(wnd), ClassNameOf(wnd));
  return index < 0 ? nullptr : list[static_cast<size_t>(index)];
}

void TSkinManage::RemoveSkinData(TSkinData* data) {
  // Skinners only point at their skin data: none may outlive it.
  for (size_t i = FormSkinners().size(); i-- > 0;) {
    if (i >= FormSkinners().size()) continue;
    auto* skinner = static_cast<TManagedWindowSkinner*>(FormSkinners()[i].get());
    if (skinner->SkinData() == data) DetachAndFree(skinner, false);
  }
  PopupMenuSkinners().ReleaseSkin(data);
  TSkinManageCore::RemoveSkinData(data);
}

void TSkinManage::ScheduleAction() { timer_.Start(); }

void TSkinManage::DoAction() {
  timer_.Stop();
  switch (PendingAction()) {
    case maSkinAll: SkinAll(); break;
    case maUnskinAll: UnskinAll(); break;
    case maSkinChanged: SkinChanged(); break;
    default: break;
  }
}

void TSkinManage::SkinAll() {
  Active = true;
  const std::vector<HWND> windows = host_->FormWindows();
  for (size_t i = windows.size(); i-- > 0;) {
    try {
      SkinWindow(windows[i]);
    } catch (...) {
      // One window that cannot be skinned does not stop the others.
    }
  }
}

void TSkinManage::UnskinAll() {
  Active = false;
  while (!FormSkinners().empty()) {
    auto* skinner = static_cast<TManagedWindowSkinner*>(FormSkinners().back().get());
    HWND wnd = skinner->Handle();
    DetachAndFree(skinner, false);
    // The frame as well as the client area: the system draws its own again.
    if (IsWindow(wnd)) RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  }
}

void TSkinManage::ClearSysButtons(const TSkinData* data) {
  for (const auto& s : FormSkinners()) {
    auto& skinner = static_cast<TManagedWindowSkinner&>(*s);
    if (skinner.SkinData() == data) skinner.ClearSysButtons();
  }
}

void TSkinManage::SkinChanged() {
  // Each skinner re-reads the skin once: its buttons, metrics and region.
  // Over a snapshot, skipping skinners released meanwhile.
  std::vector<TManagedWindowSkinner*> snapshot;
  for (const auto& s : FormSkinners()) snapshot.push_back(static_cast<TManagedWindowSkinner*>(s.get()));
  for (TManagedWindowSkinner* skinner : snapshot) {
    const bool alive = std::any_of(FormSkinners().begin(), FormSkinners().end(),
                                   [skinner](const auto& p) { return p.get() == skinner; });
    if (alive) skinner->ApplySkinChange();
  }
  if (TSkinData* data = PendingSkinData) {
    PendingSkinData = nullptr;
    data->DoSkinChanged();
  }
}

void TSkinManage::SetMdiMax(bool value) {
  if (value == mdiMax_) return;
  mdiMax_ = value;
  for (const auto& s : FormSkinners()) {
    auto& skinner = static_cast<TManagedWindowSkinner&>(*s);
    if (skinner.MdiRole() != TSkinnerMdiRole::Child) continue;
    if (value) {
      if (skinner.HasRegion()) skinner.RemoveRegion();
      skinner.SetSysStyles(true);
    } else if (skinner.Minimized()) {
      skinner.SetSysStyles(true);
    } else {
      skinner.SetNormalState();
      skinner.BuildRegion();
      skinner.SetSysStyles(false);
      if (!skinner.HasRegion()) skinner.FrameChanged();
    }
  }
}

// Popup menu windows get a frame skinner whenever a skin is loaded.
void TSkinManage::AttachPopupMenu(HWND wnd) {
  if (!Active || PopupMenuSkinners().Find(wnd)) return;
  TSkinData* data = FindSkinData(wnd);
  if (data && !data->Empty) PopupMenuSkinners().Attach(wnd, data, &Active);
}
void TSkinManage::ReleasePopupMenu(HWND wnd) { PopupMenuSkinners().Release(wnd); }

void UseWinSkinManager(std::function<std::unique_ptr<TManagerHost>()> host, TFormSkinnerFactory factory) {
  SetSkinManagerFactory([host = std::move(host), factory = std::move(factory)]() -> std::unique_ptr<TSkinManageCore> {
    return std::make_unique<TSkinManage>(host(), factory);
  });
}

TSkinManage* WinSkinManager() { return dynamic_cast<TSkinManage*>(SkinManager()); }

}  // namespace pelorin
