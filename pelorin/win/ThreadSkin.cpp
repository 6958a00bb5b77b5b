// The plain entry point on Windows: a skin data component of its own, the
// Windows skin manager carrying out its requests at once instead of after
// its timer, and the thread's open windows offered to it.
#include <windows.h>

#include <exception>

#include "manager/win/WinSkinFormAdapter.h"
#include "pelorin/SkinLoading.h"
#include "skinmodel/WinSkinData.h"
#include "skinmodel/WinSkinStore.h"

namespace pelorin {

struct TThreadSkin::TState {
  std::unique_ptr<TSkinData> Data;
  DWORD Thread = 0;
  bool OwnsManager = false;
};

namespace {

// One running skin per program: the manager and its hook are per program.
const TThreadSkin* gRunning = nullptr;

TSkinError Fail(TSkinErrorCode code, const std::string& source, std::string reason) {
  return {code, source, std::move(reason)};
}

TSkinError ReadResource(const TSkinSource& source, TSkinBytes& bytes) {
  auto module = static_cast<HMODULE>(source.Module());
  if (!module) module = GetModuleHandleW(nullptr);
  const wchar_t* name = source.ResourceName().empty() ? MAKEINTRESOURCEW(source.ResourceId())
                                                      : source.ResourceName().c_str();
  const wchar_t* type = source.ResourceType().empty() ? MAKEINTRESOURCEW(source.ResourceTypeId())
                                                      : source.ResourceType().c_str();
  HRSRC info = FindResourceW(module, name, type);
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return Fail(TSkinErrorCode::ResourceNotFound, source.Describe(), "the module has no such resource");
  const auto* first = static_cast<const std::uint8_t*>(data);
  bytes.assign(first, first + SizeofResource(module, info));
  return {};
}

TSkinError ReadSource(const TSkinSource& source, TSkinBytes& bytes) {
  switch (source.Kind()) {
    case TSkinSource::TKind::File: return ReadSkinFile(source.Path(), bytes);
    case TSkinSource::TKind::Memory: bytes = source.Bytes(); return {};
    case TSkinSource::TKind::Resource: return ReadResource(source, bytes);
  }
  return {};
}

// Gives data the skin in bytes (already checked) and announces it.
void LoadInto(TSkinData& data, const TSkinBytes& bytes) {
  TSkinStore store(nullptr);
  store.Store()->AddItem()->Data.Assign(bytes.data(), bytes.size());
  data.LoadFromStore(store, 0);
}

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}

// The thread's open windows the manager would have skinned had they been
// activated after the start.
void SkinOpenWindows(TSkinManage& manager) {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND wnd : windows) {
    char name[100]{};
    GetClassNameA(wnd, name, sizeof name);
    if (!IsWindow(wnd) || !TakenAtStart(name, uint32_t(GetWindowLongPtrW(wnd, GWL_STYLE)))) continue;
    try {
      manager.SkinWindow(wnd);
    } catch (...) {
      // A window that cannot be skinned keeps its look; the others go on.
    }
  }
}

}  // namespace

TThreadSkin::TThreadSkin() = default;

TThreadSkin::~TThreadSkin() { (void)Stop(); }

bool TThreadSkin::Running() const { return state_ != nullptr; }

TSkinError TThreadSkin::Start(const TSkinSource& source) {
  const std::string name = source.Describe();
  if (state_ && state_->Thread != GetCurrentThreadId())
    return Fail(TSkinErrorCode::WrongThread, name, "the skin runs on another thread");
  if (!state_ && gRunning)
    return Fail(TSkinErrorCode::AlreadyRunning, name, "another skin of this program is running");
  TSkinBytes bytes;
  if (TSkinError error = ReadSource(source, bytes)) return error;
  if (TSkinError error = CheckSkinBytes(bytes, name)) return error;

  try {
    if (state_) {
      // Every skinner re-reads the new records now, not after the manager's delay.
      LoadInto(*state_->Data, bytes);
      if (TSkinManage* manager = WinSkinManager()) manager->DoAction();
      return {};
    }
    auto state = std::make_unique<TState>();
    state->Thread = GetCurrentThreadId();
    state->OwnsManager = SkinManager() == nullptr;
    if (state->OwnsManager) InstallWinSkinManager();
    state->Data = std::make_unique<TSkinData>(nullptr);
    LoadInto(*state->Data, bytes);
    TSkinManage* manager = WinSkinManager();
    if (state->Data->Empty || !manager) {
      const std::string reason = manager ? state->Data->LoadError().Reason : "no skin manager";
      state->Data.reset();
      if (state->OwnsManager) DestroySkinManager();
      return Fail(TSkinErrorCode::Damaged, name, reason);
    }
    state_ = std::move(state);
    gRunning = this;
    state_->Data->SetActive(true);
    manager->DoAction();
    SkinOpenWindows(*manager);
  } catch (const std::exception& e) {
    // Checked bytes do not fail here short of running out of memory.
    (void)Stop();
    return Fail(TSkinErrorCode::Damaged, name, e.what());
  }
  return {};
}

TSkinError TThreadSkin::Stop() {
  if (!state_) return {};
  if (state_->Thread != GetCurrentThreadId())
    return Fail(TSkinErrorCode::WrongThread, {}, "the skin runs on another thread");
  state_->Data->SetActive(false);
  TSkinManage* manager = WinSkinManager();
  if (manager) manager->DoAction();
  state_->Data.reset();
  // The hook and the timer window go too, unless the program has skin data of its own.
  if (state_->OwnsManager && manager && manager->SkinDataList().empty()) DestroySkinManager();
  state_.reset();
  if (gRunning == this) gRunning = nullptr;
  return {};
}

}  // namespace pelorin
