// Collections: items made by the collection, IDs, ordering, Assign and updates.
#include <gtest/gtest.h>

#include <string>

#include "host/core/Collection.h"

using namespace pelorin;

namespace {

class TNamedItem : public TCollectionItem {
public:
  explicit TNamedItem(TCollection* c) : TCollectionItem(c), name("Item" + std::to_string(ID())) {}
  std::string ClassName() const override { return "TNamedItem"; }
  void Assign(const TPersistent& source) override {
    if (auto* other = dynamic_cast<const TNamedItem*>(&source)) return void(name = other->name);
    TCollectionItem::Assign(source);
  }
  std::string name;
};

class TCounting : public TOwnedCollection {
public:
  explicit TCounting(TPersistent* owner) : TOwnedCollection(owner, MakeCollectionItem<TNamedItem>) {}
  int updates = 0;
  int added = 0;

protected:
  void Update(TCollectionItem*) override { ++updates; }
  void Notify(TCollectionItem*, TCollectionNotification action) override { added += action == cnAdded; }
};

std::string Names(const TCollection& c) {
  std::string s;
  for (int i = 0; i < c.Count(); ++i) s += static_cast<TNamedItem*>(c.Items(i))->name + " ";
  return s;
}

}  // namespace

TEST(Collection, IdsAreNeverReusedAndIndexMovesItems) {
  TCounting c(nullptr);
  for (int i = 0; i < 4; ++i) c.Add();
  c.Delete(1);
  delete c.Items(0);  // an item freed directly leaves its collection
  EXPECT_EQ(c.Add()->ID(), 4);
  EXPECT_EQ(c.FindItemID(1), nullptr);
  EXPECT_EQ(c.FindItemID(3)->Index(), 1);
  c.Clear();
  EXPECT_EQ(c.Add()->ID(), 5);

  for (int i = 0; i < 3; ++i) c.Add();
  c.Items(0)->SetIndex(2);
  EXPECT_EQ(Names(c), "Item6 Item7 Item5 Item8 ");
  c.Items(3)->SetIndex(0);
  EXPECT_EQ(Names(c), "Item8 Item6 Item7 Item5 ");
  EXPECT_THROW(c.Items(0)->SetIndex(4), EListError);
  EXPECT_EQ(c.Insert(1)->Index(), 1);
  EXPECT_THROW(c.Items(-1), EListError);
  EXPECT_THROW(c.Delete(c.Count()), EListError);
}

TEST(Collection, AssignCopiesItemsInsideOneUpdate) {
  TCounting owner(nullptr);
  TCounting source(&owner);
  EXPECT_EQ(source.Owner(), &owner);
  for (int i = 0; i < 3; ++i) source.Add();
  static_cast<TNamedItem*>(source.Items(2))->name = "Last";
  TCounting dest(nullptr);
  dest.Add();
  dest.updates = dest.added = 0;
  dest.Assign(source);
  EXPECT_EQ(Names(dest), "Item0 Item1 Last ");
  EXPECT_EQ(dest.Items(0)->ID(), 1);  // copies take IDs of their own collection
  EXPECT_EQ(dest.updates, 1);
  EXPECT_EQ(dest.added, 3);

  dest.BeginUpdate();
  dest.BeginUpdate();
  dest.Add();
  dest.EndUpdate();
  EXPECT_EQ(dest.updates, 1);
  dest.EndUpdate();
  EXPECT_EQ(dest.updates, 2);

  TOwnedCollection plain(nullptr, MakeCollectionItem<TCollectionItem>);
  plain.Add();
  EXPECT_THROW(dest.Assign(plain), EConvertError);  // an item class that cannot assign
  EXPECT_EQ(dest.UpdateCount(), 0);
  try {
    dest.Assign(*source.Items(0));
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TNamedItem to a TOwnedCollection");
  }
  source.Items(0)->SetCollection(&plain);
  EXPECT_EQ(source.Count(), 2);
  EXPECT_EQ(plain.Items(1)->ID(), 1);
}
