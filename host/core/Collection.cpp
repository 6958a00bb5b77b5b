// Items, IDs, ordering and update notification of TCollection.
#include "host/core/Collection.h"

#include <algorithm>
#include <cstdio>

namespace pelorin {

// --- TCollectionItem

TCollectionItem::TCollectionItem(TCollection* collection) {
  // No notification here: the derived part of the item does not exist yet.
  // Add and Insert notify once the item is complete.
  if (collection) collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
  if (collection_) collection_->RemoveItem(this);
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

std::string TCollectionItem::GetNamePath() const {
  if (!collection_) return ClassName();
  return collection_->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection == collection_) return;
  if (collection_) {
    collection_->Notify(this, cnExtracting);
    collection_->RemoveItem(this);
  }
  if (collection) {
    collection->InsertItem(this);
    collection->Notify(this, cnAdded);
    collection->Changed();
  }
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || current == index) return;
  collection_->CheckIndex(index);
  auto& items = collection_->items_;
  const auto from = items.begin() + current;
  const auto to = items.begin() + index;
  if (current < index)
    std::rotate(from, from + 1, to + 1);
  else
    std::rotate(to, from, from + 1);
  Changed(true);
}

void TCollectionItem::Changed(bool allItems) {
  if (collection_ && collection_->updateCount_ == 0) collection_->Update(allItems ? nullptr : this);
}

// --- TCollection

TCollection::TCollection(TCollectionItemClass itemClass) : itemClass_(itemClass) {}

TCollection::~TCollection() {
  ++updateCount_;  // no Update calls while the collection is taken apart
  while (!items_.empty()) delete items_.back();
}

void TCollection::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCollection*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  try {
    Clear();
    for (const TCollectionItem* item : other->items_) Add()->Assign(*item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    char text[64];
    std::snprintf(text, sizeof text, SListIndexError, index);
    throw EListError(text);
  }
}

TCollectionItem* TCollection::Items(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::NewItem() {
  if (!itemClass_) throw Exception("The collection has no item class");
  return itemClass_(this);
}

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = NewItem();
  Notify(item, cnAdded);
  Changed();
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  if (index != Count()) CheckIndex(index);
  TCollectionItem* item = NewItem();
  std::rotate(items_.begin() + index, items_.end() - 1, items_.end());
  Notify(item, cnAdded);
  Changed();
  return item;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = Items(index);
  Notify(item, cnDeleting);
  delete item;
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) {
    TCollectionItem* item = items_.back();
    Notify(item, cnDeleting);
    delete item;
  }
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : items_)
    if (item->id_ == id) return item;
  return nullptr;
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::InsertItem(TCollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
  item->id_ = nextId_++;
}

void TCollection::RemoveItem(TCollectionItem* item) {
  const auto it = std::find(items_.begin(), items_.end(), item);
  if (it != items_.end()) items_.erase(it);
  item->collection_ = nullptr;
  Changed();
}

}  // namespace pelorin
