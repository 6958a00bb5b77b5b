// Standard controls over the system's BUTTON, EDIT, LISTBOX, COMBOBOX and
// SCROLLBAR classes, and the windowless TLabel.
#pragma once

#include "host/core/StringList.h"
#include "host/win/Controls.h"

namespace pelorin {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TButtonControl : public TWinControl {
public:
  explicit TButtonControl(TComponent* owner);
  std::string ClassName() const override { return "TButtonControl"; }
  bool DialogChar(unsigned ch) override;

protected:
  void CreateParams(TCreateParams& params) override;
};

class TButton : public TButtonControl {
public:
  explicit TButton(TComponent* owner);
  std::string ClassName() const override { return "TButton"; }
  void DefineProperties(TFiler& filer) override;
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  // Given to the parent form when clicked (mrNone: nothing).
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int v) { modalResult_ = v; }
  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
public:
  explicit TCustomCheckBox(TComponent* owner);
  std::string ClassName() const override { return "TCustomCheckBox"; }
  void DefineProperties(TFiler& filer) override;
  bool Checked() const { return State() == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const;
  void SetState(TCheckBoxState state);
  // taLeftJustify puts the text on the left of the box.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void WndProc(TMessage& message) override;

  TCheckBoxState state_ = cbUnchecked;
  TAlignment alignment_ = taRightJustify;
  bool allowGrayed_ = false;
};

class TCheckBox : public TCustomCheckBox {
public:
  using TCustomCheckBox::TCustomCheckBox;
  std::string ClassName() const override { return "TCheckBox"; }
};

class TRadioButton : public TButtonControl {
public:
  explicit TRadioButton(TComponent* owner);
  std::string ClassName() const override { return "TRadioButton"; }
  void DefineProperties(TFiler& filer) override;
  bool Checked() const { return checked_; }
  // Checking one unchecks the other radio buttons of the same parent.
  void SetChecked(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void WndProc(TMessage& message) override;

  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TLabel : public TGraphicControl {
public:
  explicit TLabel(TComponent* owner);
  std::string ClassName() const override { return "TLabel"; }
  void DefineProperties(TFiler& filer) override;
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);

protected:
  void Paint() override;
  void TextChanged() override { AdjustBounds(); }
  void AdjustBounds();

private:
  bool transparent_ = false, autoSize_ = true, wordWrap_ = false;
  TAlignment alignment_ = taLeftJustify;
};

class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* owner);
  std::string ClassName() const override { return "TCustomEdit"; }
  void DefineProperties(TFiler& filer) override;
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void WndProc(TMessage& message) override;

  bool readOnly_ = false;
  int maxLength_ = 0;
};

class TEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
  std::string ClassName() const override { return "TEdit"; }
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo : public TCustomEdit {
public:
  explicit TCustomMemo(TComponent* owner);
  std::string ClassName() const override { return "TCustomMemo"; }
  void DefineProperties(TFiler& filer) override;
  // The text as lines (CR LF or LF separated).
  TStringList Lines() const;
  void SetLines(const TStringList& lines);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle s);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);

protected:
  void CreateParams(TCreateParams& params) override;

  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
public:
  using TCustomMemo::TCustomMemo;
  std::string ClassName() const override { return "TMemo"; }
};

// Shared by list and combo boxes: the item strings, kept by the control and
// pushed into its window whenever it is made.
class TCustomListBox : public TWinControl {
public:
  explicit TCustomListBox(TComponent* owner);
  std::string ClassName() const override { return "TCustomListBox"; }
  void DefineProperties(TFiler& filer) override;
  const TStringList& Items() const { return items_; }
  void SetItems(const TStringList& items);
  int AddItem(const std::string& item);
  void ClearItems();
  int ItemIndex() const;
  void SetItemIndex(int index);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void WndProc(TMessage& message) override;

  TStringList items_;
  int itemIndex_ = -1;
};

class TListBox : public TCustomListBox {
public:
  using TCustomListBox::TCustomListBox;
  std::string ClassName() const override { return "TListBox"; }
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TCustomComboBox : public TWinControl {
public:
  explicit TCustomComboBox(TComponent* owner);
  std::string ClassName() const override { return "TCustomComboBox"; }
  void DefineProperties(TFiler& filer) override;
  const TStringList& Items() const { return items_; }
  void SetItems(const TStringList& items);
  int AddItem(const std::string& item);
  int ItemIndex() const;
  void SetItemIndex(int index);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle s);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int n) { dropDownCount_ = n; }
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void WndProc(TMessage& message) override;

  TStringList items_;
  int itemIndex_ = -1;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
};

class TComboBox : public TCustomComboBox {
public:
  using TCustomComboBox::TCustomComboBox;
  std::string ClassName() const override { return "TComboBox"; }
};

class TCustomGroupBox : public TWinControl {
public:
  explicit TCustomGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TCustomGroupBox"; }

protected:
  void CreateParams(TCreateParams& params) override;
  TRect AdjustClientRect() const override;
};

class TGroupBox : public TCustomGroupBox {
public:
  using TCustomGroupBox::TCustomGroupBox;
  std::string ClassName() const override { return "TGroupBox"; }
};

enum TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
public:
  explicit TScrollBar(TComponent* owner);
  std::string ClassName() const override { return "TScrollBar"; }
  void DefineProperties(TFiler& filer) override;
  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind k);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int PageSize() const { return pageSize_; }
  void SetParams(int position, int min, int max);
  void SetPosition(int p) { SetParams(p, min_, max_); }
  void SetPageSize(int p);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int v) { smallChange_ = v; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int v) { largeChange_ = v; }
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void WndProc(TMessage& message) override;

private:
  void PushInfo();
  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0, smallChange_ = 1, largeChange_ = 1;
};

}  // namespace pelorin
