// TSkinData: the component that holds an application's current skin, loads it
// from a file, from its stored bytes or from a skin store, and tells the skin
// manager when skinning starts, stops or must be redone.
#pragma once

#include <functional>
#include <string>

#include "host/core/Component.h"
#include "host/core/Streams.h"
#include "skinmodel/SkinModel.h"
#include "skinmodel/SkinTypes.h"

namespace pelorin {

class TSkinStore;

// Why the last load left a skin data component without a skin. Source names
// where the bytes came from (the skin file, "stored skin", "skin store item
// N"); Reason is empty after a load that worked or when no skin was asked for.
struct TSkinLoadError {
  std::string Source;
  std::string Reason;
  explicit operator bool() const { return !Reason.empty(); }
  // "<source>: <reason>", for a status line or a log.
  std::string Text() const { return Source.empty() ? Reason : Source + ": " + Reason; }
};
using TSkinLoadErrorEvent = std::function<void(TObject* sender, const TSkinLoadError& error)>;

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
  // A load failed (missing file, refused or damaged archive): the component
  // stays Empty and the program stays unskinned; this says why. Errors that
  // the load raises still reach the caller after the event.
  TSkinLoadErrorEvent OnLoadError;
  const TSkinLoadError& LoadError() const { return loadError_; }

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
  // Decompresses and parses SkinStream (at run time only); source names the
  // bytes in a load error.
  void LoadSkin(const std::string& source);
  // Announces a newly loaded skin to the manager.
  void SkinChanged();
  // The skinners drawing with this skin let go of its title-bar buttons.
  void RecordsReplacing() override;

private:
  bool Designing() const { return HasState(csDesigning); }
  bool Reading() const { return HasState(csLoading) || HasState(csReading); }

  void LoadFailed(const std::string& source, const std::string& reason);

  std::string skinFile_;
  bool active_ = false;
  TSkinLoadError loadError_;
};

}  // namespace pelorin
