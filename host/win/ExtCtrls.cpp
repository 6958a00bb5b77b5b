// Panels, radio groups, scroll boxes and timers.
#include "host/win/ExtCtrls.h"

#include <algorithm>
#include <map>

#include "host/win/platform/WideText.h"

namespace pelorin {

// --- TCustomPanel ---

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  width_ = 185;
  height_ = 41;
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

void TCustomPanel::SetBevelOuter(TPanelBevel b) {
  bevelOuter_ = b;
  AlignControls();
  Invalidate();
}
void TCustomPanel::SetBevelInner(TPanelBevel b) {
  bevelInner_ = b;
  AlignControls();
  Invalidate();
}

void TCustomPanel::SetBevelColors(TColor highlight, TColor shadow) {
  if (highlight == bevelHighlight_ && shadow == bevelShadow_) return;
  bevelHighlight_ = highlight;
  bevelShadow_ = shadow;
  Invalidate();
}

TRect TCustomPanel::AdjustClientRect() const {
  const int inset = (bevelOuter_ != bvNone) + (bevelInner_ != bvNone);
  return ClientRect().Inflate(-inset, -inset);
}

void TCustomPanel::Paint() {
  TCanvas& c = Canvas();
  RECT r{0, 0, ClientWidth(), ClientHeight()};
  c.Brush().SetColor(color_);
  c.FillRect(Rect(r.left, r.top, r.right, r.bottom));
  const bool own = bevelHighlight_ != clDefault || bevelShadow_ != clDefault;
  for (TPanelBevel b : {bevelOuter_, bevelInner_}) {
    if (b == bvNone) continue;
    if (!own) {
      DrawEdge(c.Handle(), &r, b == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      continue;
    }
    // One-pixel lines as the system's edge draws them, in the given colours.
    const TColor light = bevelHighlight_ == clDefault ? clBtnHighlight : bevelHighlight_;
    const TColor dark = bevelShadow_ == clDefault ? clBtnShadow : bevelShadow_;
    const TColor topLeft = b == bvRaised ? light : dark, bottomRight = b == bvRaised ? dark : light;
    c.Brush().SetColor(topLeft);
    c.FillRect(Rect(r.left, r.top, r.right, r.top + 1));
    c.FillRect(Rect(r.left, r.top, r.left + 1, r.bottom));
    c.Brush().SetColor(bottomRight);
    c.FillRect(Rect(r.left, r.bottom - 1, r.right, r.bottom));
    c.FillRect(Rect(r.right - 1, r.top, r.right, r.bottom));
    InflateRect(&r, -1, -1);
  }
  if (text_.empty()) return;
  HDC dc = c.Handle();
  TDCStateGuard guard(dc);
  SelectObject(dc, font_.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(font_.Color()));
  const std::wstring w = Utf8ToWide(text_);
  DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// --- TCustomRadioGroup ---

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {}

void TCustomRadioGroup::SetItems(const TStringList& items) {
  items_ = items;
  if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
  UpdateButtons();
}

void TCustomRadioGroup::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < items_.Count() ? index : -1;
  updating_ = true;
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == itemIndex_);
  updating_ = false;
}

void TCustomRadioGroup::SetColumns(int n) {
  columns_ = std::clamp(n, 1, 16);
  ArrangeButtons();
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
  TCustomGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

void TCustomRadioGroup::UpdateButtons() {
  // The buttons belong to the group (no owner), so they go with it.
  while (buttons_.size() > static_cast<size_t>(items_.Count())) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  while (buttons_.size() < static_cast<size_t>(items_.Count())) {
    auto* b = new TRadioButton(nullptr);
    const size_t index = buttons_.size();
    b->OnClick = [this, index](TObject*) {
      if (updating_) return;
      itemIndex_ = static_cast<int>(index);
      Click();
    };
    b->SetParent(this);
    buttons_.push_back(b);
  }
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetCaption(items_[static_cast<int>(i)]);
  SetItemIndex(itemIndex_);
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const TRect area = AdjustClientRect().Inflate(-6, -2);
  const int rows = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
  const int colWidth = area.Width() / columns_;
  const int rowHeight = std::max(area.Height() / std::max(rows, 1), 1);
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const int col = static_cast<int>(i) / rows, row = static_cast<int>(i) % rows;
    buttons_[i]->SetBounds(area.Left + col * colWidth, area.Top + row * rowHeight + (rowHeight - 17) / 2,
                           colWidth, 17);
  }
}

// --- TScrollBox ---

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  width_ = 185;
  height_ = 41;
  autoScroll_ = true;
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

void TScrollBox::CreateParams(TCreateParams& p) {
  TScrollingWinControl::CreateParams(p);
  p.Style |= WS_CLIPCHILDREN;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

// --- TTimer ---

namespace {

std::map<UINT_PTR, TTimer*> liveTimers;

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = liveTimers.find(id);
  if (it == liveTimers.end()) return;
  try {
    it->second->Timer();
  } catch (...) {
    HandleWindowException();
  }
}

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Update(); }

TTimer::~TTimer() {
  enabled_ = false;
  Update();
}

void TTimer::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Update();
}

void TTimer::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Update();
}

void TTimer::Update() {
  if (id_) {
    KillTimer(nullptr, id_);
    liveTimers.erase(id_);
    id_ = 0;
  }
  if (enabled_ && interval_ > 0 && !HasState(csDesigning)) {
    id_ = SetTimer(nullptr, 0, interval_, TimerProc);
    if (!id_) throw EOutOfResources("Not enough timers available");
    liveTimers[id_] = this;
  }
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

}  // namespace pelorin
