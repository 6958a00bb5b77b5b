// TComponent: named objects with an owner that frees them, state flags for
// loading and design time, and notification of insertion and removal.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/Persistent.h"

namespace pelorin {

class EComponentError : public Exception { using Exception::Exception; };

enum TOperation { opInsert, opRemove };

// Flags of TComponent::ComponentState, combined as bits.
enum TComponentStateFlag : unsigned {
  csLoading = 0x001,
  csReading = 0x002,
  csWriting = 0x004,
  csDestroying = 0x008,
  csDesigning = 0x010,
  csAncestor = 0x020,
  csUpdating = 0x040,
  csFixups = 0x080,
  csFreeNotification = 0x100,
};
using TComponentState = unsigned;

class TComponent;
using TGetChildProc = std::function<void(TComponent* child)>;

class TComponent : public TPersistent {
public:
  // Components live on the heap: `new TFoo(owner)`; the owner deletes them.
  // The owner hears opInsert while the new component is still being
  // constructed, so a receiver must not rely on its derived type yet.
  explicit TComponent(TComponent* owner);
  // Tells the owner and every component that asked (FreeNotification) about
  // the removal, then deletes the owned components, last inserted first.
  ~TComponent() override;

  std::string ClassName() const override { return "TComponent"; }
  TPersistent* GetOwner() const override { return owner_; }
  std::string GetNamePath() const override { return name_; }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // Raises EListError on a bad index.
  TComponent* Components(int index) const;
  // Position in the owner's list, -1 without owner.
  int ComponentIndex() const;
  // Owned component of that name (ASCII case-insensitive), or nullptr.
  TComponent* FindComponent(std::string_view name) const;
  // Takes component over from its previous owner. Raises EComponentError when
  // its name is already used here or the ownership would become circular.
  void InsertComponent(TComponent* component);
  // Releases an owned component without deleting it; the caller owns it then.
  void RemoveComponent(TComponent* component);
  // Deletes every owned component, last inserted first.
  void DestroyComponents();

  const std::string& Name() const { return name_; }
  // A name is empty or an identifier, unique (ignoring case) within the owner;
  // otherwise EComponentError.
  virtual void SetName(const std::string& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  TComponentState ComponentState() const { return state_; }
  bool HasState(TComponentStateFlag flag) const { return (state_ & flag) != 0; }
  void SetDesigning(bool value, bool setChildren = true);
  // Marks this component and its owned components as being destroyed.
  void Destroying();
  // Marks the component as being loaded; Loaded ends it.
  void Loading() { state_ |= csLoading; }
  // Called once everything of a form file has been read; clears csLoading.
  virtual void Loaded();

  // Told about components inserted into or removed from the owner's family and
  // about the destruction of components linked with FreeNotification. The
  // default drops the free-notification link of a removed component and passes
  // the message on to the owned components.
  virtual void Notification(TComponent* component, TOperation operation);
  // Links this component and component both ways: whichever of them is
  // destroyed first tells the other through Notification(..., opRemove).
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Enumerates the components the form-file writer stores as children of this
  // one; root is the component being written. The default lists the owned
  // components without a parent component when this is the root, and none
  // otherwise.
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  // The component this one is written inside in a form file (a control's
  // parent, a menu item's item or menu), or none.
  virtual TComponent* ParentComponent() const { return nullptr; }
  // Called by the form-file reader with the object a component is nested in
  // (the root for top-level ones); controls take it as their parent. The
  // default ignores it.
  virtual void SetParentComponent(TComponent* parent);

  // Stores Tag (when not 0).
  void DefineProperties(TFiler& filer) override;

protected:
  // Raises EComponentError when component may not be renamed to newName here.
  virtual void ValidateRename(const TComponent* component, const std::string& newName) const;
  void IncludeState(TComponentState flags) { state_ |= flags; }
  void ExcludeState(TComponentState flags) { state_ &= ~flags; }

private:
  friend class TReader;
  friend class TWriter;

  std::string name_;
  int tag_ = 0;
  TComponentState state_ = 0;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
};

// True for a valid identifier: a letter or underscore, then letters, digits or underscores.
bool IsValidIdent(std::string_view name);

}  // namespace pelorin
