// TCollection and TCollectionItem: an ordered list of items of one class,
// created through the collection, each with an ID that is never reused.
#pragma once

#include <string>
#include <vector>

#include "host/core/Persistent.h"

namespace pelorin {

class TCollection;

class TCollectionItem : public TPersistent {
public:
  // Joins collection (when given) at its end and takes its next ID there, so a
  // derived constructor can already use ID().
  explicit TCollectionItem(TCollection* collection);
  // Leaves its collection.
  ~TCollectionItem() override;

  std::string ClassName() const override { return "TCollectionItem"; }
  TPersistent* GetOwner() const override;
  std::string GetNamePath() const override;

  TCollection* Collection() const { return collection_; }
  // Moves the item to another collection (nullptr: none); it takes a new ID there.
  void SetCollection(TCollection* collection);
  int ID() const { return id_; }
  // Position in the collection, -1 without one.
  int Index() const;
  // Moves the item to that position; EListError when it is out of range.
  virtual void SetIndex(int index);
  // Text the designer shows; the class name by default.
  virtual std::string DisplayName() const { return ClassName(); }

protected:
  // Tells the collection that this item (or, with allItems, the whole
  // collection) changed.
  void Changed(bool allItems);

private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = -1;
};

// Creates one item of a collection's item class inside that collection.
using TCollectionItemClass = TCollectionItem* (*)(TCollection* collection);
template <class TItem> TCollectionItem* MakeCollectionItem(TCollection* collection) { return new TItem(collection); }

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
public:
  // itemClass makes the items of Add; for example MakeCollectionItem<TMyItem>.
  explicit TCollection(TCollectionItemClass itemClass);
  // Deletes the items.
  ~TCollection() override;

  std::string ClassName() const override { return "TCollection"; }
  // Copies a collection's items: clears this one, then adds one item per
  // source item and assigns it from that item.
  void Assign(const TPersistent& source) override;

  TCollectionItemClass ItemClass() const { return itemClass_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError on a bad index.
  TCollectionItem* Items(int index) const;
  // A new item of the item class at the end.
  TCollectionItem* Add();
  // A new item at index (0 to Count).
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  // The item with that ID, or nullptr.
  TCollectionItem* FindItemID(int id) const;
  // The ID the next item gets.
  int NextID() const { return nextId_; }

  // While updates are pending Update is not called; EndUpdate of the last
  // level calls Update(nullptr) once.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

protected:
  // Called after an item changed (nullptr: the whole collection changed).
  virtual void Update(TCollectionItem* item);
  // Called when an item was added, is being removed or deleted.
  virtual void Notify(TCollectionItem* item, TCollectionNotification action);
  void Changed();

private:
  friend class TCollectionItem;
  TCollectionItem* NewItem();
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void CheckIndex(int index) const;

  TCollectionItemClass itemClass_;
  std::vector<TCollectionItem*> items_;
  int nextId_ = 0;
  int updateCount_ = 0;
};

// A collection that belongs to another object (its owner in the streaming sense).
class TOwnedCollection : public TCollection {
public:
  TOwnedCollection(TPersistent* owner, TCollectionItemClass itemClass) : TCollection(itemClass), owner_(owner) {}
  std::string ClassName() const override { return "TOwnedCollection"; }
  TPersistent* GetOwner() const override { return owner_; }
  TPersistent* Owner() const { return owner_; }

private:
  TPersistent* owner_;
};

}  // namespace pelorin
