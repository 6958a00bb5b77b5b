// The portable core of the skin manager: the single instance, registration of
// skin data components, the requests they post and the tracked form skinners.
// The Windows manager derives from it and carries the requests out.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace pelorin {

class TSkinData;

enum TManagerAction : int { maNone = 0, maSkinAll = 1, maUnskinAll = 2, maSkinChanged = 3 };

// What the core needs of a form skinner: it must let go of the title-bar
// button objects that point into a skin about to be replaced.
class TManagedSkinner {
public:
  virtual ~TManagedSkinner() = default;
  virtual void ClearSysButtons() = 0;
};

class TSkinManageCore {
public:
  TSkinManageCore() = default;
  virtual ~TSkinManageCore();
  TSkinManageCore(const TSkinManageCore&) = delete;
  TSkinManageCore& operator=(const TSkinManageCore&) = delete;

  // Registered skin data, in order of creation (not owned).
  void AddSkinData(TSkinData* data);
  // The Windows manager also lets go of the skinners that draw with data.
  virtual void RemoveSkinData(TSkinData* data);
  const std::vector<TSkinData*>& SkinDataList() const { return skinData_; }

  // Records a request. Once started, it waits for ScheduleAction's deferral
  // (the latest request wins); before, skinning is only switched on or off.
  void PostAction(TManagerAction action);
  TManagerAction PendingAction() const { return pending_; }
  // Every request posted so far, oldest first.
  const std::vector<TManagerAction>& PostedActions() const { return posted_; }

  // Windows are skinned only while Active; Started once the first window
  // activation was seen.
  bool Active = false;
  bool Started = false;
  // The skin data whose skin change is still to be announced.
  TSkinData* PendingSkinData = nullptr;

  // Form skinners, one per skinned top-level window, owned.
  void AddFormSkinner(std::unique_ptr<TManagedSkinner> skinner);
  std::unique_ptr<TManagedSkinner> RemoveFormSkinner(TManagedSkinner* skinner);
  const std::vector<std::unique_ptr<TManagedSkinner>>& FormSkinners() const { return formSkinners_; }
  // The records of data are about to be replaced: its skinners drop their
  // title-bar button objects. The core cannot tell which skin a skinner draws
  // with, so all of them drop theirs; the Windows manager asks only data's.
  virtual void ClearSysButtons(const TSkinData* data);

protected:
  // Platform hook: defer the pending action (the Windows manager starts its
  // one-shot timer). The portable core keeps it pending.
  virtual void ScheduleAction() {}

private:
  std::vector<TSkinData*> skinData_;
  std::vector<std::unique_ptr<TManagedSkinner>> formSkinners_;
  std::vector<TManagerAction> posted_;
  TManagerAction pending_ = maNone;
};

using TSkinManagerFactory = std::function<std::unique_ptr<TSkinManageCore>()>;

// The single manager, or nullptr before the first skin data created at run time.
TSkinManageCore* SkinManager();
// The manager, created through the factory when there is none yet.
TSkinManageCore& EnsureSkinManager();
// Ends the manager (program end; tests between cases).
void DestroySkinManager();
// Installs what EnsureSkinManager creates (empty: the portable core).
void SetSkinManagerFactory(TSkinManagerFactory factory);

}  // namespace pelorin
