// Menus: TMenuItem trees, TMainMenu and TPopupMenu, the native menus built
// from them, shortcuts and accelerators, and TImageList for their images.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/core/Bitmap.h"
#include "host/core/Component.h"
#include "host/win/Controls.h"

namespace pelorin {

class TMenu;
class TCustomForm;

// A key code with scShift / scCtrl / scAlt bits.
using TShortCut = uint16_t;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0 };
TShortCut ShortCut(uint16_t key, TShortCut shift);
// "Ctrl+S", "Shift+F5", "Alt+Ctrl+Del"; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);
// The accelerator of a caption: the character after a single '&' (UTF-16
// unit, upper-cased), or 0.
unsigned GetHotkey(const std::string& caption);
// True when ch is the caption's accelerator (case-insensitive).
bool IsAccel(unsigned ch, const std::string& caption);
// The caption without accelerator marks ("&&" becomes "&").
std::string StripHotkey(const std::string& caption);

class TImageList : public TComponent {
public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;
  std::string ClassName() const override { return "TImageList"; }
  void DefineProperties(TFiler& filer) override;
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size clears the list.
  void SetSize(int width, int height);
  int Count() const { return static_cast<int>(images_.size()); }
  // Adds image, cut into Width-wide pieces when wider; pixels of mask colour
  // are see-through. Returns the index of the first image added.
  int AddMasked(const TBitmap& image, TColor maskColor);
  int Add(const TBitmap& image) { return AddMasked(image, clNone); }
  void Clear();
  const TBitmap& Image(int index) const { return images_.at(static_cast<size_t>(index)); }
  // Draws image index with its transparency; out-of-range indexes draw nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  // A system image list with the same images.
  HIMAGELIST Handle();
  TNotifyEvent OnChange;

private:
  void Changed();
  int width_ = 16, height_ = 16;
  std::vector<TBitmap> images_;
  HIMAGELIST handle_ = nullptr;
};

using TMenuDrawItemEvent = std::function<void(TObject* sender, TCanvas& canvas, TRect rect, bool selected)>;
using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas& canvas, int& width, int& height)>;
enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }
  void DefineProperties(TFiler& filer) override;
  // An item read nested in a menu or an item joins its items.
  void SetParentComponent(TComponent* parent) override;
  TComponent* ParentComponent() const override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == "-"; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut sc);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool v);

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out (the caller owns it then, unless a component owner does).
  void Remove(TMenuItem* item);
  void Clear();
  // The menu the item tree belongs to.
  TMenu* GetParentMenu() const;
  // The command id of WM_COMMAND (unique in the process).
  UINT Command() const { return command_; }
  // The native submenu of an item with children (built on demand).
  HMENU Handle();
  // Depth-first search of this item and its descendants.
  TMenuItem* Find(UINT value, TFindItemKind kind);

  virtual void Click();
  // Owner-drawing: the events, or the default look.
  void DrawItem(TCanvas& canvas, const TRect& rect, bool selected);
  void MeasureItem(TCanvas& canvas, int& width, int& height);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

private:
  friend class TMenu;
  void Changed();
  void AppendTo(HMENU menu, bool ownerDraw);
  void FreeHandle();

  std::string caption_;
  TShortCut shortCut_ = 0;
  int imageIndex_ = -1;
  bool checked_ = false, enabled_ = true, visible_ = true, default_ = false, radioItem_ = false;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  UINT command_ = 0;
  HMENU handle_ = nullptr;
};

class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  std::string ClassName() const override { return "TMenu"; }
  void DefineProperties(TFiler& filer) override;
  // The root item; its children are the menu's items.
  TMenuItem* Items() const { return items_; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool v);
  // The native menu, built on demand and rebuilt after every change.
  HMENU Handle();
  // By command id, submenu handle or shortcut, anywhere in the tree.
  TMenuItem* FindItem(UINT value, TFindItemKind kind) { return items_->Find(value, kind); }
  // A WM_KEYDOWN that is the shortcut of an enabled item clicks it.
  bool IsShortCut(const MSG& msg);
  void Notification(TComponent* component, TOperation operation) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
  virtual HMENU CreateMenuHandle() = 0;
  // Told after the native menu was rebuilt.
  virtual void MenuChanged() {}

private:
  friend class TMenuItem;
  void Changed();
  TMenuItem* items_;
  TImageList* images_ = nullptr;
  bool ownerDraw_ = false;
  HMENU handle_ = nullptr;
};

class TMainMenu : public TMenu {
public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  std::string ClassName() const override { return "TMainMenu"; }
  // The form showing this menu (set by TCustomForm::SetMenu).
  void SetWindow(TCustomForm* form) { form_ = form; }
  TCustomForm* Window() const { return form_; }

protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  void MenuChanged() override;

private:
  TCustomForm* form_ = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  std::string ClassName() const override { return "TPopupMenu"; }
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment a) { alignment_ = a; }
  // Shows the menu at screen point (x, y), waits, and clicks the chosen item.
  void Popup(int x, int y);
  TNotifyEvent OnPopup;

protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }

private:
  TPopupAlignment alignment_ = paLeft;
};

// Routes WM_COMMAND from menus and WM_DRAWITEM / WM_MEASUREITEM for menu
// items to the TMenuItem they concern; false when none does.
bool DispatchMenuMessage(TMessage& message);

}  // namespace pelorin
