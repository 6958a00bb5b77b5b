// Component ownership, naming, state flags and notifications.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/core/Component.h"

using namespace pelorin;

namespace {

// Logs its destruction ("!" when csDestroying is set) and every removal it hears of.
class TProbe : public TComponent {
public:
  TProbe(TComponent* owner, const std::string& name, std::vector<std::string>& log) : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~TProbe() override { log_.push_back("~" + Name() + (HasState(csDestroying) ? "!" : "")); }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op != opRemove) return;
    log_.push_back(Name() + ":-" + c->Name());
    if (c == trigger) delete std::exchange(victim, nullptr);  // freeing another one here must be safe
  }
  TComponent* trigger = nullptr;
  TComponent* victim = nullptr;

private:
  std::vector<std::string>& log_;
};

}  // namespace

TEST(Component, OwnerFreesOwnedInReverseOrderAndNamesAreChecked) {
  std::vector<std::string> log;
  auto* form = new TProbe(nullptr, "Form", log);
  auto* a = new TProbe(form, "A", log);
  new TProbe(form, "B", log);
  new TProbe(a, "Inner", log);
  new TProbe(form, "C", log);
  EXPECT_EQ(form->FindComponent("b"), form->Components(1));
  EXPECT_EQ(form->FindComponent("Inner"), nullptr);  // only direct children
  EXPECT_THROW(form->Components(3), EListError);
  EXPECT_THROW(new TProbe(form, "a", log), EComponentError);  // refused, and gone again
  EXPECT_EQ(form->ComponentCount(), 3);
  EXPECT_THROW(a->SetName("9lives"), EComponentError);
  a->SetName("a");  // a case change of its own name is no conflict
  EXPECT_THROW(a->InsertComponent(form), EComponentError);
  log.clear();
  delete form;
  EXPECT_EQ(log, (std::vector<std::string>{"~Form", "~C!", "~B!", "~a!", "~Inner!"}));
}

TEST(Component, RemovalReachesOwnerFamilyAndFreeNotificationLinks) {
  std::vector<std::string> log;
  auto* form = new TProbe(nullptr, "Form", log);
  auto* a = new TProbe(form, "A", log);
  auto* b = new TProbe(form, "B", log);
  auto* outsider = new TProbe(nullptr, "Out", log);
  b->FreeNotification(outsider);
  b->FreeNotification(a);  // a linked sibling hears it only once
  delete b;
  EXPECT_EQ(log, (std::vector<std::string>{"~B", "A:-B", "Form:-B", "Out:-B"}));

  log.clear();
  a->FreeNotification(outsider);  // the link works both ways
  auto* other = new TProbe(nullptr, "Other", log);
  a->FreeNotification(other);
  a->RemoveFreeNotification(other);
  delete outsider;
  delete other;
  EXPECT_EQ(log, (std::vector<std::string>{"~Out", "A:-Out", "~Other"}));

  auto* c = new TProbe(form, "C", log);
  a->trigger = c;
  a->victim = new TProbe(form, "D", log);
  delete c;
  ASSERT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->Components(0), a);
  delete form;
}

TEST(Component, InsertRemoveDesigningAndLoading) {
  std::vector<std::string> log;
  TProbe first(nullptr, "First", log), second(nullptr, "Second", log);  // owner-less ones may live anywhere
  auto* x = new TProbe(&first, "X", log);
  second.SetDesigning(true);
  second.InsertComponent(x);
  EXPECT_TRUE(first.ComponentCount() == 0 && x->HasState(csDesigning));
  EXPECT_TRUE((new TProbe(&second, "Y", log))->ComponentState() & csDesigning);
  second.SetDesigning(false);
  x->Loading();
  x->Loaded();
  EXPECT_FALSE(x->HasState(csDesigning) || x->HasState(csLoading));
  second.RemoveComponent(x);
  EXPECT_EQ(x->Owner(), nullptr);
  delete x;
}
