// Component ownership, naming, state flags, notifications and Assign.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/Component.h"

using namespace pelorin;

namespace {

// Logs its own destruction and every notification it receives.
class TProbe : public TComponent {
public:
  TProbe(TComponent* owner, const std::string& name, std::vector<std::string>& log) : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~TProbe() override { log_.push_back("~" + Name() + (HasState(csDestroying) ? "!" : "")); }
  std::string ClassName() const override { return "TProbe"; }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove) {
      log_.push_back(Name() + ":-" + c->Name());
      if (c == watched) watched = nullptr;
      if (c == trigger && victim) {
        TComponent* v = victim;
        victim = nullptr;
        delete v;  // a receiver freeing another component must be safe
      }
    }
  }
  void Loaded() override {
    TComponent::Loaded();
    log_.push_back("loaded " + Name());
  }
  TComponent* watched = nullptr;
  TComponent* trigger = nullptr;
  TComponent* victim = nullptr;

private:
  std::vector<std::string>& log_;
};

class TPair : public TPersistent {
public:
  std::string ClassName() const override { return "TPair"; }
  void Assign(const TPersistent& source) override {
    if (auto* p = dynamic_cast<const TPair*>(&source)) {
      a = p->a;
      return;
    }
    TPersistent::Assign(source);
  }
  int a = 0;
};

class TOther : public TPersistent {
public:
  std::string ClassName() const override { return "TOther"; }
};

}  // namespace

TEST(Component, OwnerFreesOwnedInReverseOrderAndNamesAreChecked) {
  std::vector<std::string> log;
  auto* form = new TProbe(nullptr, "Form", log);
  auto* a = new TProbe(form, "A", log);
  new TProbe(form, "B", log);
  new TProbe(a, "Inner", log);
  new TProbe(form, "C", log);
  EXPECT_EQ(form->ComponentCount(), 3);
  EXPECT_EQ(form->FindComponent("b"), form->Components(1));
  EXPECT_EQ(form->FindComponent("Inner"), nullptr);  // only direct children
  EXPECT_EQ(form->FindComponent(""), nullptr);
  EXPECT_THROW(form->Components(3), EListError);
  EXPECT_THROW(form->Components(-1), EListError);
  EXPECT_THROW(new TProbe(form, "a", log), EComponentError);  // rejected, and freed again
  EXPECT_EQ(form->ComponentCount(), 3);
  EXPECT_THROW(a->SetName("9lives"), EComponentError);
  EXPECT_THROW(a->SetName("C"), EComponentError);
  a->SetName("a");  // a case change of the own name is no conflict
  EXPECT_THROW(a->InsertComponent(form), EComponentError);
  log.clear();
  delete form;
  // Children see csDestroying; each goes last-in first-out, with its own children.
  EXPECT_EQ(log, (std::vector<std::string>{"~Form", "~C!", "~B!", "~a!", "~Inner!"}));
}

TEST(Component, RemovalNotifiesOwnerFamilyAndFreeNotificationLinks) {
  std::vector<std::string> log;
  auto* form = new TProbe(nullptr, "Form", log);
  auto* a = new TProbe(form, "A", log);
  auto* b = new TProbe(form, "B", log);
  auto* outsider = new TProbe(nullptr, "Out", log);
  outsider->watched = b;
  b->FreeNotification(outsider);
  b->FreeNotification(a);  // a sibling with a link hears it only once
  delete b;
  EXPECT_EQ(log, (std::vector<std::string>{"~B", "A:-B", "Form:-B", "Out:-B"}));
  EXPECT_EQ(outsider->watched, nullptr);
  EXPECT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(a->ComponentIndex(), 0);

  // The link works both ways and can be dropped.
  log.clear();
  a->FreeNotification(outsider);
  delete outsider;
  EXPECT_EQ(log, (std::vector<std::string>{"~Out", "A:-Out"}));
  auto* other = new TProbe(nullptr, "Other", log);
  a->FreeNotification(other);
  a->RemoveFreeNotification(other);
  log.clear();
  delete other;
  EXPECT_EQ(log, (std::vector<std::string>{"~Other"}));

  // A receiver that frees a sibling while the owner broadcasts.
  auto* c = new TProbe(form, "C", log);
  auto* d = new TProbe(form, "D", log);
  a->trigger = c;
  a->victim = d;
  delete c;
  EXPECT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->Components(0), a);
  delete form;
}

TEST(Component, InsertRemoveStateAndLoaded) {
  std::vector<std::string> log;
  TProbe first(nullptr, "First", log);  // an owner-less component may live anywhere
  TProbe second(nullptr, "Second", log);
  auto* x = new TProbe(&first, "X", log);
  second.SetDesigning(true);
  second.InsertComponent(x);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(x->Owner(), &second);
  EXPECT_TRUE(x->HasState(csDesigning));
  auto* y = new TProbe(&second, "Y", log);
  EXPECT_TRUE(y->ComponentState() & csDesigning);
  second.SetDesigning(false);
  EXPECT_FALSE(x->HasState(csDesigning));

  y->Loading();
  EXPECT_TRUE(y->HasState(csLoading));
  y->Loaded();
  EXPECT_FALSE(y->HasState(csLoading));
  EXPECT_EQ(log.back(), "loaded Y");

  second.RemoveComponent(x);
  EXPECT_EQ(x->Owner(), nullptr);
  EXPECT_EQ(second.ComponentCount(), 1);
  delete x;
}

TEST(Persistent, AssignCopiesKnownClassesAndRefusesOthers) {
  TPair p, q;
  q.a = 7;
  p.Assign(q);
  EXPECT_EQ(p.a, 7);
  TOther o;
  try {
    p.Assign(o);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TOther to a TPair");
  }
  EXPECT_THROW(o.Assign(p), EConvertError);
}
