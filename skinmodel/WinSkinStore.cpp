// The skin store and its items.
#include "skinmodel/WinSkinStore.h"

#include "host/core/Filer.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

TSkinCollectionItem::TSkinCollectionItem(TCollection* collection)
    : TCollectionItem(collection), name_("SkinItem" + std::to_string(ID())) {}

TSkinCollectionItem::~TSkinCollectionItem() = default;

void TSkinCollectionItem::Assign(const TPersistent& source) {
  if (const auto* item = dynamic_cast<const TSkinCollectionItem*>(&source)) {
    if (item == this) return;
    name_ = item->name_;
    Data.Assign(item->Data.Memory(), item->Data.Bytes().size());
    return;
  }
  TCollectionItem::Assign(source);
}

void TSkinCollectionItem::SetName(const std::string& value) {
  if (value == name_) return;
  if (TCollection* owner = Collection()) {
    for (int i = 0; i < owner->Count(); ++i) {
      const auto* other = static_cast<const TSkinCollectionItem*>(owner->Items(i));
      if (other != this && other->name_ == value) throw Exception("The name " + value + " is already used.");
    }
  }
  name_ = value;
}

void TSkinCollectionItem::ReadDataStream(TStream& stream) {
  Data.Clear();
  Data.CopyFrom(stream, 0);
  Data.SetPosition(0);
}

void TSkinCollectionItem::WriteDataStream(TStream& stream) const {
  if (Data.GetSizeConst() > 0) stream.WriteBuffer(Data.Memory(), Data.GetSizeConst());
}

void TSkinCollectionItem::DefineProperties(TFiler& filer) {
  TCollectionItem::DefineProperties(filer);
  filer.DefineString("Name", [this] { return name_; }, [this](const std::string& v) { SetName(v); });
  filer.DefineString("SkinData", [this] { return SkinData(); }, [](const std::string&) {});
  filer.DefineBinaryProperty("DataStream", [this](TStream& s) { ReadDataStream(s); },
                             [this](TStream& s) { WriteDataStream(s); }, true);
}

void TSkinStore::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineCollection("Store", *store_);
}

void RegisterSkinModelClasses() {
  RegisterComponentClass<TSkinData>("TSkinData");
  RegisterComponentClass<TSkinStore>("TSkinStore");
}

TSkinStore::TSkinStore(TComponent* owner) : TComponent(owner), store_(std::make_unique<TSkinCollection>(this)) {}

TSkinStore::~TSkinStore() = default;

void TSkinStore::SetStore(const TSkinCollection* value) {
  if (value && value != store_.get()) store_->Assign(*value);
}

}  // namespace pelorin
