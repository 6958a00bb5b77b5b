// TSkinStore: a component keeping several compressed skins (the bytes of .skn
// files) under unique names, so an application can switch skins without files.
#pragma once

#include <memory>
#include <string>

#include "host/core/Collection.h"
#include "host/core/Component.h"
#include "host/core/Streams.h"

namespace pelorin {

class TSkinCollectionItem : public TCollectionItem {
public:
  // Named "SkinItem" + its ID.
  explicit TSkinCollectionItem(TCollection* collection);
  ~TSkinCollectionItem() override;
  std::string ClassName() const override { return "TSkinCollectionItem"; }

  // Copies another item's name (unchecked) and bytes; other sources go to
  // the inherited assign.
  void Assign(const TPersistent& source) override;
  std::string DisplayName() const override { return name_; }

  const std::string& Name() const { return name_; }
  // Names are unique within the collection (case-sensitive); a clash raises
  // Exception "The name X is already used." and keeps the old name.
  void SetName(const std::string& value);

  // Placeholder text for a design-time editor; writing it does nothing.
  std::string SkinData() const { return "Load Skin"; }
  void SetSkinData(const std::string&) {}

  // The stored skin.
  TMemoryStream Data;
  int32_t DataSize() const { return static_cast<int32_t>(Data.GetSizeConst()); }

  // Defined binary property "DataStream": exactly the bytes of Data.
  void ReadDataStream(TStream& stream);
  void WriteDataStream(TStream& stream) const;
  void DefineProperties(TFiler& filer) override;

private:
  std::string name_;
};

class TSkinCollection : public TOwnedCollection {
public:
  explicit TSkinCollection(TPersistent* owner)
      : TOwnedCollection(owner, MakeCollectionItem<TSkinCollectionItem>) {}
  std::string ClassName() const override { return "TSkinCollection"; }
  TSkinCollectionItem* Item(int index) const { return static_cast<TSkinCollectionItem*>(Items(index)); }
  TSkinCollectionItem* AddItem() { return static_cast<TSkinCollectionItem*>(Add()); }
};

class TSkinStore : public TComponent {
public:
  explicit TSkinStore(TComponent* owner);
  ~TSkinStore() override;
  std::string ClassName() const override { return "TSkinStore"; }

  TSkinCollection* Store() const { return store_.get(); }
  // Copies value's items into the store's own collection; nullptr is ignored.
  void SetStore(const TSkinCollection* value);
  void DefineProperties(TFiler& filer) override;

private:
  std::unique_ptr<TSkinCollection> store_;
};

// Makes TSkinData and TSkinStore known to the form-file reader.
void RegisterSkinModelClasses();

}  // namespace pelorin
