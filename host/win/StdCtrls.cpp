// Buttons, check boxes, radio buttons, labels, edits, memos, list and combo
// boxes, group boxes and scroll bars.
#include "host/win/StdCtrls.h"

#include <algorithm>

#include "host/win/Forms.h"
#include "host/win/Menus.h"
#include "host/win/platform/WideText.h"

namespace pelorin {

namespace {

LRESULT SendText(HWND wnd, UINT msg, WPARAM wParam, const std::string& text) {
  const std::wstring w = Utf8ToWide(text);
  return SendMessageW(wnd, msg, wParam, reinterpret_cast<LPARAM>(w.c_str()));
}

TCustomForm* ParentForm(TControl* control) {
  for (TControl* c = control; c; c = c->Parent())
    if (auto* f = dynamic_cast<TCustomForm*>(c)) return f;
  return nullptr;
}

}  // namespace

// --- buttons ---

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  color_ = clBtnFace;
  brush_.SetColor(color_);
  tabStop_ = true;
}

void TButtonControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = L"BUTTON";
}

bool TButtonControl::DialogChar(unsigned ch) {
  if (!IsAccel(ch, text_) || !enabled_ || !visible_) return false;
  if (HandleAllocated()) ::SetFocus(handle_);
  Click();
  return true;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  width_ = 75;
  height_ = 25;
}

void TButton::SetDefault(bool v) {
  if (v == default_) return;
  default_ = v;
  if (handle_) SendMessageW(handle_, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
  if (modalResult_ != 0)
    if (TCustomForm* form = ParentForm(this)) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) Click();
    return;
  }
  TButtonControl::WndProc(m);
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  width_ = 97;
  height_ = 17;
}

TCheckBoxState TCustomCheckBox::State() const {
  if (!handle_) return state_;
  const LRESULT s = SendMessageW(handle_, BM_GETCHECK, 0, 0);
  return s == BST_CHECKED ? cbChecked : s == BST_INDETERMINATE ? cbGrayed : cbUnchecked;
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
  if (state == State()) return;
  state_ = state;
  if (handle_) SendMessageW(handle_, BM_SETCHECK, state == cbChecked ? BST_CHECKED : state == cbGrayed ? BST_INDETERMINATE : BST_UNCHECKED, 0);
  Click();
}

void TCustomCheckBox::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  RecreateWnd();
}

void TCustomCheckBox::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.Style |= (allowGrayed_ ? BS_3STATE : BS_CHECKBOX) | (alignment_ == taLeftJustify ? BS_LEFTTEXT : 0);
}

void TCustomCheckBox::CreateWindowHandle() {
  SendMessageW(handle_, BM_SETCHECK, state_ == cbChecked ? BST_CHECKED : state_ == cbGrayed ? BST_INDETERMINATE : BST_UNCHECKED, 0);
}

void TCustomCheckBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    // The box toggles itself through SetState, so Click fires once.
    if (HIWORD(m.WParam) == BN_CLICKED) {
      switch (State()) {
        case cbUnchecked: SetState(cbChecked); break;
        case cbChecked: SetState(allowGrayed_ ? cbGrayed : cbUnchecked); break;
        case cbGrayed: SetState(cbUnchecked); break;
      }
    }
    return;
  }
  if (m.Msg == WM_NCDESTROY || m.Msg == WM_DESTROY) state_ = State();
  TButtonControl::WndProc(m);
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  width_ = 113;
  height_ = 17;
}

void TRadioButton::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  if (handle_) SendMessageW(handle_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
  if (v) {
    if (parent_)
      for (int i = 0; i < parent_->ControlCount(); ++i)
        if (auto* r = dynamic_cast<TRadioButton*>(parent_->Controls(i)); r && r != this) r->SetChecked(false);
    Click();
  }
}

void TRadioButton::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  RecreateWnd();
}

void TRadioButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.Style |= BS_RADIOBUTTON | (alignment_ == taLeftJustify ? BS_LEFTTEXT : 0);
}

void TRadioButton::CreateWindowHandle() { SendMessageW(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

void TRadioButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) SetChecked(true);
    return;
  }
  TButtonControl::WndProc(m);
}

// --- TLabel ---

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  width_ = 65;
  height_ = 17;
  color_ = clBtnFace;
}

void TLabel::SetTransparent(bool v) {
  transparent_ = v;
  Invalidate();
}
void TLabel::SetAutoSize(bool v) {
  autoSize_ = v;
  AdjustBounds();
}
void TLabel::SetAlignment(TAlignment a) {
  alignment_ = a;
  Invalidate();
}
void TLabel::SetWordWrap(bool v) {
  wordWrap_ = v;
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || wordWrap_) return;
  HDC dc = GetDC(nullptr);
  TCanvas c;
  c.SetHandle(dc);
  c.Font().Assign(font_);
  const int w = c.TextWidth(StripHotkey(text_));
  const int h = c.TextHeight(text_);
  ReleaseDC(nullptr, dc);
  SetBounds(left_, top_, w, h);
}

void TLabel::Paint() {
  TCanvas& c = Canvas();
  HDC dc = c.Handle();
  if (!transparent_) {
    c.Brush().SetColor(parent_ ? parent_->Color() : color_);
    c.FillRect(Rect(0, 0, width_, height_));
  }
  TDCStateGuard guard(dc);
  SelectObject(dc, font_.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(enabled_ ? font_.Color() : clGrayText));
  RECT r{0, 0, width_, height_};
  const UINT align = alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
  const std::wstring w = Utf8ToWide(text_);
  DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, align | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0));
}

// --- edits ---

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  width_ = 121;
  height_ = 21;
  tabStop_ = true;
}

void TCustomEdit::SetReadOnly(bool v) {
  readOnly_ = v;
  if (handle_) SendMessageW(handle_, EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetMaxLength(int v) {
  maxLength_ = std::max(v, 0);
  if (handle_) SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = L"EDIT";
  p.Style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWindowHandle() {
  if (maxLength_) SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == EN_CHANGE) {
      text_ = Text();
      if (OnChange) OnChange(this);
    }
    return;
  }
  if (m.Msg == WM_DESTROY) text_ = Text();
  TWinControl::WndProc(m);
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) {
  width_ = 185;
  height_ = 89;
}

TStringList TCustomMemo::Lines() const {
  TStringList lines;
  lines.SetText(Text());
  return lines;
}

void TCustomMemo::SetLines(const TStringList& lines) {
  std::string text;
  for (int i = 0; i < lines.Count(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  SetText(text);
}

void TCustomMemo::SetScrollBars(TScrollStyle s) {
  if (s == scrollBars_) return;
  scrollBars_ = s;
  text_ = Text();
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  text_ = Text();
  RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.Style &= ~DWORD(ES_AUTOHSCROLL);
  p.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | (wordWrap_ ? 0 : ES_AUTOHSCROLL);
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) p.Style |= WS_HSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.Style |= WS_VSCROLL;
}

// --- list and combo boxes ---

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner) {
  width_ = 121;
  height_ = 97;
  tabStop_ = true;
}

void TCustomListBox::SetItems(const TStringList& items) {
  items_ = items;
  if (handle_) {
    SendMessageW(handle_, LB_RESETCONTENT, 0, 0);
    CreateWindowHandle();
  }
}

int TCustomListBox::AddItem(const std::string& item) {
  const int index = items_.Add(item);
  if (handle_) SendText(handle_, LB_INSERTSTRING, static_cast<WPARAM>(index), item);
  return index;
}

void TCustomListBox::ClearItems() {
  items_.Clear();
  itemIndex_ = -1;
  if (handle_) SendMessageW(handle_, LB_RESETCONTENT, 0, 0);
}

int TCustomListBox::ItemIndex() const {
  return handle_ ? static_cast<int>(SendMessageW(handle_, LB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TCustomListBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < items_.Count() ? index : -1;
  if (handle_) SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TCustomListBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = L"LISTBOX";
  p.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | LBS_HASSTRINGS;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWindowHandle() {
  for (int i = 0; i < items_.Count(); ++i) SendText(handle_, LB_ADDSTRING, 0, items_[i]);
  if (itemIndex_ >= 0) SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TCustomListBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == LBN_SELCHANGE) {
      itemIndex_ = ItemIndex();
      Click();
    }
    return;
  }
  if (m.Msg == WM_DESTROY) itemIndex_ = ItemIndex();
  TWinControl::WndProc(m);
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
  width_ = 145;
  height_ = 21;
  tabStop_ = true;
}

void TCustomComboBox::SetItems(const TStringList& items) {
  const std::string text = Text();
  items_ = items;
  if (handle_) {
    SendMessageW(handle_, CB_RESETCONTENT, 0, 0);
    CreateWindowHandle();
    SetWindowTextW(handle_, Utf8ToWide(text).c_str());
  }
}

int TCustomComboBox::AddItem(const std::string& item) {
  const int index = items_.Add(item);
  if (handle_) SendText(handle_, CB_INSERTSTRING, static_cast<WPARAM>(index), item);
  return index;
}

int TCustomComboBox::ItemIndex() const {
  return handle_ ? static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TCustomComboBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < items_.Count() ? index : -1;
  if (itemIndex_ >= 0) text_ = items_[itemIndex_];
  if (handle_) SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle s) {
  if (s == style_) return;
  style_ = s;
  text_ = Text();
  RecreateWnd();
}

void TCustomComboBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = L"COMBOBOX";
  static constexpr DWORD styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  p.Style |= styles[style_] | WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
  // The window's height includes the drop-down list.
  if (style_ != csSimple) p.Height = height_ + dropDownCount_ * 16 + 2;
}

void TCustomComboBox::CreateWindowHandle() {
  for (int i = 0; i < items_.Count(); ++i) SendText(handle_, CB_ADDSTRING, 0, items_[i]);
  if (itemIndex_ >= 0) SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  else if (style_ != csDropDownList) SetWindowTextW(handle_, Utf8ToWide(text_).c_str());
}

void TCustomComboBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      switch (HIWORD(m.WParam)) {
        case CBN_SELCHANGE: {
          itemIndex_ = ItemIndex();
          if (itemIndex_ >= 0) {
            text_ = items_[itemIndex_];
            SetWindowTextW(handle_, Utf8ToWide(text_).c_str());
          }
          Click();
          if (OnChange) OnChange(this);
          break;
        }
        case CBN_EDITCHANGE:
          text_ = Text();
          if (OnChange) OnChange(this);
          break;
        default:
          break;
      }
      return;
    case WM_WINDOWPOSCHANGED: {
      // Keep the height of the edit part, not of the list.
      const int h = height_;
      TWinControl::WndProc(m);
      if (style_ != csSimple) height_ = h;
      return;
    }
    case WM_DESTROY:
      itemIndex_ = ItemIndex();
      text_ = Text();
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

// --- group box ---

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  width_ = 185;
  height_ = 105;
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

void TCustomGroupBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = L"BUTTON";
  p.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}

TRect TCustomGroupBox::AdjustClientRect() const {
  TRect r = ClientRect();
  return Rect(r.Left + 2, r.Top + 15, r.Right - 2, r.Bottom - 2);
}

// --- scroll bar ---

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  width_ = 121;
  height_ = GetSystemMetrics(SM_CYHSCROLL);
  tabStop_ = true;
}

void TScrollBar::SetKind(TScrollBarKind k) {
  if (k == kind_) return;
  kind_ = k;
  SetBounds(left_, top_, height_, width_);
  RecreateWnd();
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) throw Exception("Scroll bar property out of range");
  min_ = min;
  max_ = max;
  const int old = position_;
  position_ = std::clamp(position, min, max);
  PushInfo();
  if (position_ != old && OnChange) OnChange(this);
}

void TScrollBar::SetPageSize(int p) {
  pageSize_ = std::clamp(p, 0, max_ - min_ + 1);
  PushInfo();
}

void TScrollBar::PushInfo() {
  if (!handle_) return;
  SCROLLINFO si{sizeof si, SIF_ALL, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SetScrollInfo(handle_, SB_CTL, &si, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = L"SCROLLBAR";
  p.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWindowHandle() { PushInfo(); }

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    int pos = position_;
    switch (LOWORD(m.WParam)) {
      case SB_LINEUP: pos -= smallChange_; break;
      case SB_LINEDOWN: pos += smallChange_; break;
      case SB_PAGEUP: pos -= largeChange_; break;
      case SB_PAGEDOWN: pos += largeChange_; break;
      case SB_THUMBPOSITION:
      case SB_THUMBTRACK: {
        SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(handle_, SB_CTL, &si);
        pos = si.nTrackPos;
        break;
      }
      case SB_TOP: pos = min_; break;
      case SB_BOTTOM: pos = max_; break;
      default: break;
    }
    SetPosition(pos);
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace pelorin
