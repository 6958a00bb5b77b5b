// The skin data component: loading skins and the requests to the skin manager.
#include "skinmodel/WinSkinData.h"

#include <filesystem>
#include <system_error>

#include "host/core/Filer.h"
#include "manager/ManagerCore.h"
#include "skinmodel/WinSkinStore.h"

namespace pelorin {

TSkinData::TSkinData(TComponent* owner) : TComponent(owner) {
  if (!Designing()) EnsureSkinManager().AddSkinData(this);
}

TSkinData::~TSkinData() {
  if (TSkinManageCore* manager = SkinManager()) manager->RemoveSkinData(this);
}

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (Designing() || Reading() || SkinFormtype != sfMainform) return;
  TSkinManageCore* manager = SkinManager();
  if (!manager) return;
  if (!value)
    manager->PostAction(maUnskinAll);
  else if (!Empty)
    manager->PostAction(maSkinAll);
}

void TSkinData::SetSkinFile(const std::string& value) {
  Empty = true;
  skinFile_ = value;
  if (Designing()) {
    // The designer embeds the file's bytes when the form is saved instead.
    if (!value.empty() && SkinStream.GetSize() > 0) SkinStream.Clear();
    return;
  }
  loadError_ = {};
  if (value.empty()) return;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(std::filesystem::path(value), ec))
    return LoadFailed(value, std::filesystem::exists(std::filesystem::path(value), ec) ? "not a file"
                                                                                        : "the file does not exist");
  {
    TFileStream file(value, fmOpenRead | fmShareDenyNone);
    SkinStream.Clear();
    SkinStream.CopyFrom(file, 0);
    SkinStream.SetPosition(0);
  }
  LoadSkin(value);
  SkinChanged();
}

std::string TSkinData::SkinStore() const {
  return Designing() && SkinStream.GetSizeConst() > 0 ? "(Good)" : "(none)";
}

void TSkinData::LoadFromStore(TSkinStore& store, int index) {
  if (index >= store.Store()->Count()) return;
  TSkinCollectionItem* item = store.Store()->Item(index);  // a negative index raises here
  Empty = true;
  SkinStream.Assign(item->Data.Memory(), item->Data.Bytes().size());
  LoadSkin("skin store item " + std::to_string(index));
  SkinChanged();
}

void TSkinData::LoadSkin(const std::string& source) {
  Empty = true;
  loadError_ = {};
  // Nothing stored is no skin, not a damaged archive.
  if (Designing() || SkinStream.GetSize() == 0) return;
  SkinStream.SetPosition(0);
  try {
    if (!LoadSkinArchive(SkinStream)) LoadFailed(source, "not a skin archive this version reads (refused)");
  } catch (const std::exception& e) {
    LoadFailed(source, e.what());
    throw;
  }
}

void TSkinData::LoadFailed(const std::string& source, const std::string& reason) {
  loadError_ = {source, reason};
  if (OnLoadError) OnLoadError(this, loadError_);
}

void TSkinData::SkinChanged() {
  if (Designing() || Reading() || SkinFormtype != sfMainform) return;
  TSkinManageCore* manager = SkinManager();
  if (!manager) return;
  manager->PendingSkinData = this;
  manager->PostAction(maSkinChanged);
}

void TSkinData::RecordsReplacing() {
  // Whatever kind of component this is: its old records are about to go.
  if (TSkinManageCore* manager = SkinManager()) manager->ClearSysButtons(this);
}

void TSkinData::FormSkinCheck(const std::string& aName, bool& doSkin) {
  // Print previews, month calendars and frames never look right skinned.
  if (aName == "TQRStandardPreview" || aName == "SysMonthCal32" || aName.rfind("Tfr", 0) == 0) {
    doSkin = false;
    return;
  }
  if (OnFormSkin) OnFormSkin(this, aName, doSkin);
}

void TSkinData::DoSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::ReadSkinStream(TStream& stream) {
  int32_t n = stream.ReadInt32LE();
  SkinStream.Clear();
  if (n >= 1) {
    // A length beyond the data is a damaged form: refuse it before allocating.
    if (n > stream.Remaining()) throw EReadError(SReadError);
    SkinStream.SetSize(n);
    stream.ReadBuffer(SkinStream.Memory(), n);
    SkinStream.SetPosition(0);
  }
  if (!Designing()) LoadSkin("stored skin");
}

void TSkinData::WriteSkinStream(TStream& stream) const {
  const auto size = static_cast<int32_t>(SkinStream.GetSizeConst());
  stream.WriteInt32LE(size);
  if (size >= 1) stream.WriteBuffer(SkinStream.Memory(), size);
}

void TSkinData::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBoolean("Active", [this] { return active_; }, [this](bool v) { SetActive(v); });
  filer.DefineInteger("DisableTag", [this] { return DisableTag; }, [this](int64_t v) { DisableTag = static_cast<int>(v); });
  std::vector<std::string> controls;
  for (int i = 0; i < SkinControlTypeCount; ++i) controls.push_back(SkinControlTypeName(TSkinControlType(i)));
  filer.DefineSet("SkinControls", std::move(controls), [this] { return SkinControls.Bits(); },
                  [this](uint32_t bits) { SkinControls = TSkinControlTypes::FromBits(bits); });
  filer.DefineString("SkinFile", [this] { return skinFile_; }, [this](const std::string& v) { SetSkinFile(v); });
  filer.DefineString("SkinStore", [this] { return SkinStore(); }, [](const std::string&) {});
  filer.DefineEnum("SkinFormtype", {"sfMainform", "sfOnlyThisForm", "sfDialog"}, [this] { return int(SkinFormtype); },
                   [this](int v) { SkinFormtype = TSkinFormType(v); });
  filer.DefineEvent("OnFormSkin", OnFormSkin);
  filer.DefineEvent("OnSkinChanged", OnSkinChanged);
  filer.DefineBinaryProperty("SkinStream", [this](TStream& s) { ReadSkinStream(s); },
                             [this](TStream& s) { WriteSkinStream(s); }, true);
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (Designing() || !active_) return;
  if (Empty) {
    active_ = false;
    return;
  }
  if (TSkinManageCore* manager = SkinManager()) manager->PostAction(maSkinAll);
}

}  // namespace pelorin
