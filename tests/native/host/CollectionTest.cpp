// Collections: item creation through the collection, IDs, ordering, Assign
// and the update protocol.
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
    if (auto* other = dynamic_cast<const TNamedItem*>(&source)) {
      name = other->name;
      return;
    }
    TCollectionItem::Assign(source);
  }
  std::string name;
};

class TCounting : public TOwnedCollection {
public:
  explicit TCounting(TPersistent* owner, TCollectionItemClass cls = MakeCollectionItem<TNamedItem>)
      : TOwnedCollection(owner, cls) {}
  int updates = 0;
  int added = 0;
  int deleting = 0;

protected:
  void Update(TCollectionItem*) override { ++updates; }
  void Notify(TCollectionItem*, TCollectionNotification action) override {
    added += action == cnAdded;
    deleting += action == cnDeleting;
  }
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
  EXPECT_EQ(Names(c), "Item0 Item1 Item2 Item3 ");
  c.Delete(1);
  delete c.Items(0);  // an item freed directly leaves its collection
  EXPECT_EQ(c.Add()->ID(), 4);
  EXPECT_EQ(c.FindItemID(1), nullptr);
  EXPECT_EQ(c.FindItemID(3)->Index(), 1);
  c.Clear();
  EXPECT_EQ(c.Count(), 0);
  EXPECT_EQ(c.Add()->ID(), 5);
  EXPECT_EQ(c.Items(0)->Collection(), &c);
  EXPECT_EQ(c.Items(0)->GetOwner(), &c);

  c.Clear();
  for (int i = 0; i < 4; ++i) c.Add();  // Item6 .. Item9
  c.Items(0)->SetIndex(2);
  EXPECT_EQ(Names(c), "Item7 Item8 Item6 Item9 ");
  c.Items(3)->SetIndex(0);
  EXPECT_EQ(Names(c), "Item9 Item7 Item8 Item6 ");
  EXPECT_THROW(c.Items(0)->SetIndex(4), EListError);
  EXPECT_EQ(c.Insert(1)->Index(), 1);
  EXPECT_THROW(c.Insert(9), EListError);
  try {
    c.Items(-1);
    FAIL() << "no error";
  } catch (const EListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
  }
  EXPECT_THROW(c.Items(c.Count()), EListError);
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
  dest.updates = dest.added = dest.deleting = 0;
  dest.Assign(source);
  EXPECT_EQ(Names(dest), "Item0 Item1 Last ");
  EXPECT_EQ(dest.Items(0)->ID(), 1);  // copies get new IDs of their own collection
  EXPECT_EQ(dest.updates, 1);
  EXPECT_EQ(dest.added, 3);
  EXPECT_EQ(dest.deleting, 1);

  dest.BeginUpdate();
  dest.BeginUpdate();
  dest.Add();
  dest.Items(0)->SetIndex(1);
  dest.EndUpdate();
  EXPECT_EQ(dest.updates, 1);
  dest.EndUpdate();
  EXPECT_EQ(dest.updates, 2);

  TOwnedCollection plain(nullptr, MakeCollectionItem<TCollectionItem>);
  plain.Add();
  EXPECT_THROW(dest.Assign(plain), EConvertError);  // item classes that cannot assign
  EXPECT_EQ(dest.UpdateCount(), 0);
  EXPECT_THROW(dest.Assign(*source.Items(0)), EConvertError);  // not a collection

  TCollectionItem* moved = source.Items(0);
  moved->SetCollection(&plain);
  EXPECT_EQ(source.Count(), 2);
  EXPECT_EQ(moved->ID(), 1);
  EXPECT_EQ(moved->Index(), 1);
}
