// Ownership, naming and notification of TComponent.
#include "host/core/Component.h"

#include <algorithm>
#include <cstdio>

#include "host/core/Filer.h"
#include "host/core/StringList.h"

namespace pelorin {

namespace {

std::string ListIndexMessage(int index) {
  char text[64];
  std::snprintf(text, sizeof text, SListIndexError, index);
  return text;
}

bool EraseOne(std::vector<TComponent*>& list, const TComponent* item) {
  const auto it = std::find(list.begin(), list.end(), item);
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

}  // namespace

bool IsValidIdent(std::string_view name) {
  if (name.empty() || !IsIdentStart(name[0])) return false;
  return std::all_of(name.begin() + 1, name.end(), [](char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // The owner's family hears first; their default Notification drops any free
  // link to us, so a sibling that is also linked is told only once.
  if (owner_) owner_->RemoveComponent(this);
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    EraseOne(other->freeNotifies_, this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(ListIndexMessage(index));
  return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameTextAscii(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  for (const TComponent* up = this; up; up = up->owner_)
    if (up == component) throw EComponentError("A component cannot own itself or its owner");
  ValidateRename(component, component->name_);
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  if (HasState(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  EraseOne(components_, component);
  component->owner_ = nullptr;
  Notification(component, opRemove);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* c = components_.back();
    components_.pop_back();
    c->owner_ = nullptr;
    delete c;
  }
}

void TComponent::ValidateRename(const TComponent* component, const std::string& newName) const {
  const TComponent* existing = FindComponent(newName);
  if (existing && existing != component)
    throw EComponentError("A component named " + newName + " already exists");
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) throw EComponentError("'" + name + "' is not a valid component name");
  if (owner_) owner_->ValidateRename(this, name);
  name_ = name;
}

void TComponent::SetDesigning(bool value, bool setChildren) {
  if (value)
    state_ |= csDesigning;
  else
    state_ &= ~csDesigning;
  if (setChildren)
    for (TComponent* c : components_) c->SetDesigning(value, true);
}

void TComponent::Destroying() {
  if (HasState(csDestroying)) return;
  state_ |= csDestroying;
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::Loaded() { state_ &= ~csLoading; }

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  // A receiver may free components of this list; walk it from the end and
  // re-clamp the index after every call.
  size_t i = components_.size();
  while (i > 0) {
    --i;
    components_[i]->Notification(component, operation);
    i = std::min(i, components_.size());
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end())
    component->freeNotifies_.push_back(this);
  state_ |= csFreeNotification;
  component->state_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  EraseOne(freeNotifies_, component);
  EraseOne(component->freeNotifies_, this);
}

void TComponent::GetChildren(const TGetChildProc& proc, TComponent* root) {
  if (root != this) return;
  // The others are written inside their parent.
  for (TComponent* c : components_)
    if (!c->ParentComponent()) proc(c);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::DefineProperties(TFiler& filer) {
  TPersistent::DefineProperties(filer);
  filer.DefineInteger("Tag", [this] { return tag_; }, [this](int64_t v) { tag_ = static_cast<int>(v); }, 0);
}

}  // namespace pelorin
