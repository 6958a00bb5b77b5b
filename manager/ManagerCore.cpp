// The portable skin manager core and its single instance.
#include "manager/ManagerCore.h"

#include <algorithm>

namespace pelorin {

namespace {

// A plain pointer: skin data destroyed during static destruction may still
// ask for the manager after the guard below has ended it.
TSkinManageCore* gSkinManager = nullptr;

TSkinManagerFactory& Factory() {
  static TSkinManagerFactory factory;
  return factory;
}

struct TManagerGuard {
  ~TManagerGuard() { DestroySkinManager(); }
};

}  // namespace

TSkinManageCore::~TSkinManageCore() {
  // Last attached first, as windows are released.
  while (!formSkinners_.empty()) formSkinners_.pop_back();
}

void TSkinManageCore::AddSkinData(TSkinData* data) {
  if (data && std::find(skinData_.begin(), skinData_.end(), data) == skinData_.end()) skinData_.push_back(data);
}

void TSkinManageCore::RemoveSkinData(TSkinData* data) {
  std::erase(skinData_, data);
  // Never announce a change to a component that is gone.
  if (PendingSkinData == data) PendingSkinData = nullptr;
}

void TSkinManageCore::PostAction(TManagerAction action) {
  posted_.push_back(action);
  pending_ = action;
  if (Started) {
    ScheduleAction();
    return;
  }
  if (action == maSkinAll) Active = true;
  if (action == maUnskinAll) Active = false;
}

void TSkinManageCore::AddFormSkinner(std::unique_ptr<TManagedSkinner> skinner) {
  if (skinner) formSkinners_.push_back(std::move(skinner));
}

std::unique_ptr<TManagedSkinner> TSkinManageCore::RemoveFormSkinner(TManagedSkinner* skinner) {
  auto it = std::find_if(formSkinners_.begin(), formSkinners_.end(),
                         [skinner](const auto& p) { return p.get() == skinner; });
  if (it == formSkinners_.end()) return nullptr;
  std::unique_ptr<TManagedSkinner> result = std::move(*it);
  formSkinners_.erase(it);
  return result;
}

void TSkinManageCore::ClearSysButtons(const TSkinData*) {
  for (auto& skinner : formSkinners_) skinner->ClearSysButtons();
}

TSkinManageCore* SkinManager() { return gSkinManager; }

TSkinManageCore& EnsureSkinManager() {
  static TManagerGuard guard;
  if (!gSkinManager) {
    std::unique_ptr<TSkinManageCore> created = Factory() ? Factory()() : nullptr;
    gSkinManager = created ? created.release() : new TSkinManageCore;
  }
  return *gSkinManager;
}

void DestroySkinManager() {
  TSkinManageCore* manager = gSkinManager;
  gSkinManager = nullptr;
  delete manager;
}

void SetSkinManagerFactory(TSkinManagerFactory factory) { Factory() = std::move(factory); }

}  // namespace pelorin
