// Components with one property of every kind, for the form reading and
// writing tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/core/Collection.h"
#include "host/core/Component.h"
#include "host/core/Filer.h"

namespace pelorin::testing {

using TClickEvent = std::function<void(TObject* sender)>;
using TCountEvent = std::function<int(TObject* sender, int count)>;

enum TAlign { alNone, alTop, alClient };

class TTestFont : public TPersistent {
public:
  std::string ClassName() const override { return "TTestFont"; }
  std::string Name;
  int Size = 8;
  uint32_t Style = 0;
  void DefineProperties(TFiler& filer) override {
    filer.DefineString("Name", [this] { return Name; }, [this](const std::string& v) { Name = v; }, "");
    filer.DefineInteger("Size", [this] { return Size; }, [this](int64_t v) { Size = static_cast<int>(v); }, 8);
    filer.DefineSet("Style", {"fsBold", "fsItalic"}, [this] { return Style; }, [this](uint32_t v) { Style = v; }, 0);
  }
};

class TTestItem : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;
  std::string ClassName() const override { return "TTestItem"; }
  std::string Caption;
  std::vector<uint8_t> Data;
  TClickEvent OnClick;
  void DefineProperties(TFiler& filer) override {
    filer.DefineString("Caption", [this] { return Caption; }, [this](const std::string& v) { Caption = v; }, "");
    filer.DefineEvent("OnClick", OnClick);
    // Bytes alone, like a stored skin item.
    filer.DefineBinaryProperty(
        "Data", [this](TStream& s) { Data.resize(static_cast<size_t>(s.GetSize())); s.ReadBuffer(Data.data(), s.GetSize()); },
        [this](TStream& s) { s.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size())); }, !Data.empty());
  }
};

// Records what the reader does to it, in the order it happens.
class TWidget : public TComponent {
public:
  explicit TWidget(TComponent* owner) : TComponent(owner), Items(this, MakeCollectionItem<TTestItem>) {}
  std::string ClassName() const override { return "TWidget"; }

  int Left = 0;
  bool Visible = true;
  TAlign Align = alNone;
  uint32_t Anchors = 3;
  std::string Caption;
  TTestFont Font;
  TOwnedCollection Items;
  TWidget* Buddy = nullptr;
  TClickEvent OnClick;
  TCountEvent OnCount;
  std::vector<std::string> Lines;
  std::vector<uint8_t> Blob;  // stored as a 4-byte length and the bytes
  TComponent* Parent = nullptr;

  TComponentState StateWhileRead = 0;
  TWidget* BuddyWhenLoaded = nullptr;

  TTestItem* Item(int i) const { return static_cast<TTestItem*>(Items.Items(i)); }

  void DefineProperties(TFiler& filer) override {
    TComponent::DefineProperties(filer);
    filer.DefineInteger("Left", [this] { return Left; }, [this](int64_t v) {
      Left = static_cast<int>(v);
      StateWhileRead = ComponentState();
    }, 0);
    filer.DefineBoolean("Visible", [this] { return Visible; }, [this](bool v) { Visible = v; }, true);
    filer.DefineEnum("Align", {"alNone", "alTop", "alClient"}, [this] { return int(Align); },
                     [this](int v) { Align = TAlign(v); }, alNone);
    filer.DefineSet("Anchors", {"akLeft", "akTop", "akRight", "akBottom"}, [this] { return Anchors; },
                    [this](uint32_t v) { Anchors = v; }, 3);
    filer.DefineString("Caption", [this] { return Caption; }, [this](const std::string& v) { Caption = v; }, "");
    filer.DefineObject("Font", Font);
    filer.DefineCollection("Items", Items);
    filer.DefineComponent<TWidget>("Buddy", [this] { return Buddy; }, [this](TWidget* w) { Buddy = w; });
    filer.DefineEvent("OnClick", OnClick);
    filer.DefineEvent("OnCount", OnCount);
    filer.DefineStrings("Lines.Strings", [this] { return Lines; }, [this](const std::vector<std::string>& v) { Lines = v; });
    filer.DefineBinaryProperty("Blob", [this](TStream& s) {
      const int32_t n = s.ReadInt32LE();
      if (n < 0 || n > s.Remaining()) throw EReadError(SReadError);
      Blob.resize(static_cast<size_t>(n));
      s.ReadBuffer(Blob.data(), static_cast<int64_t>(Blob.size()));
    }, [this](TStream& s) {
      s.WriteInt32LE(static_cast<int32_t>(Blob.size()));
      s.WriteBuffer(Blob.data(), static_cast<int64_t>(Blob.size()));
    }, true);
  }

  void SetParentComponent(TComponent* parent) override { Parent = parent; }
  // Children are the components of the root whose parent this is.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override {
    for (int i = 0; i < root->ComponentCount(); ++i)
      if (auto* w = dynamic_cast<TWidget*>(root->Components(i)); w && w->Parent == this) proc(w);
  }
  void Loaded() override {
    TComponent::Loaded();
    BuddyWhenLoaded = Buddy;
    LogLoaded(Owner(), Name());
  }
  static void LogLoaded(TComponent* form, const std::string& name);
};

class TTestForm : public TComponent {
public:
  explicit TTestForm(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TTestForm"; }
  std::vector<std::string> Log;
  int Width = 0;
  TWidget* Focused = nullptr;

  void ButtonClick(TObject* sender) { Log.push_back("click " + static_cast<TComponent*>(sender)->Name()); }
  int Count(TObject*, int count) { return count * 2; }

  void DefineProperties(TFiler& filer) override {
    TComponent::DefineProperties(filer);
    filer.DefineInteger("Width", [this] { return Width; }, [this](int64_t v) { Width = static_cast<int>(v); });
    filer.DefineComponent<TWidget>("Focused", [this] { return Focused; }, [this](TWidget* w) { Focused = w; });
  }
  // Top-level widgets only; nested ones are written by their parents.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override {
    for (int i = 0; i < ComponentCount(); ++i)
      if (auto* w = dynamic_cast<TWidget*>(Components(i)); !w || w->Parent == this || !w->Parent) proc(Components(i));
    (void)root;
  }
  void Loaded() override {
    TComponent::Loaded();
    Log.push_back("Loaded " + Name());
  }
};

inline void TWidget::LogLoaded(TComponent* form, const std::string& name) {
  if (auto* f = dynamic_cast<TTestForm*>(form)) f->Log.push_back("Loaded " + name);
}

inline void RegisterTestClasses() {
  RegisterComponentClass<TTestForm>("TTestForm");
  RegisterComponentClass<TWidget>("TWidget");
  RegisterMethod("TTestForm", "ButtonClick", &TTestForm::ButtonClick);
  RegisterMethod("TTestForm", "Count", &TTestForm::Count);
}

}  // namespace pelorin::testing
