// TSkinData: the component that holds an application's current skin, loads it
// from a file, from its stored bytes or from a skin store, and tells the skin
// manager when skinning starts, stops or must be redone.
#pragma once

#include <string>

#include "host/core/Component.h"
#include "host/core/Streams.h"
#include "skinmodel/SkinModel.h"
#include "skinmodel/SkinTypes.h"

namespace pelorin {

class TSkinStore;

class TSkinData : public TComponent, public TSkinModel {
public:
  // At run time the first one creates the skin manager; each registers there.
  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;
  std::string ClassName() const override { return "TSkinData"; }

  bool Active() const { return active_; }
  // Asks the manager to skin (when a skin is loaded) or unskin everything;
  // only a run-time sfMainform component outside form reading asks.
  void SetActive(bool value);

  int DisableTag = 99;
  TSkinControlTypes SkinControls = TSkinControlTypes::All();
  TSkinFormType SkinFormtype = sfMainform;
  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;

  const std::string& SkinFile() const { return skinFile_; }
  // Marks the skin empty, then, at run time and if the file exists, loads it
  // and announces the change. A missing file leaves the old records but Empty.
  void SetSkinFile(const std::string& value);

  // Status text only: "(Good)" in the designer with an embedded skin, else "(none)".
  std::string SkinStore() const;
  void SetSkinStore(const std::string&) {}

  // The compressed skin as loaded (.skn bytes).
  TMemoryStream SkinStream;

  // Takes the index-th stored skin of store; an index at or past the end does
  // nothing, a negative one raises EListError.
  void LoadFromStore(TSkinStore& store, int index);

  // The manager's question before it skins a window of class aName.
  void FormSkinCheck(const std::string& aName, bool& doSkin);
  // The manager has finished re-skinning: fires OnSkinChanged.
  void DoSkinChanged();

  // Defined binary property "SkinStream": a signed 32-bit length, then the bytes.
  void ReadSkinStream(TStream& stream);
  void WriteSkinStream(TStream& stream) const;
  void DefineProperties(TFiler& filer) override;

  void Loaded() override;

protected:
  // Decompresses and parses SkinStream (at run time only).
  void LoadSkin();
  // Announces a newly loaded skin to the manager.
  void SkinChanged();
  // The skinners drawing with this skin let go of its title-bar buttons.
  void RecordsReplacing() override;

private:
  bool Designing() const { return HasState(csDesigning); }
  bool Reading() const { return HasState(csLoading) || HasState(csReading); }

  std::string skinFile_;
  bool active_ = false;
};

}  // namespace pelorin
