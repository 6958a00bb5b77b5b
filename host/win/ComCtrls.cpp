// The common controls over comctl32 and the rich edit library.
#include "host/win/ComCtrls.h"

#include <algorithm>

#include "host/win/platform/WideText.h"

namespace pelorin {

// --- TRichEdit ---

TRichEdit::TRichEdit(TComponent* owner) : TCustomMemo(owner) {}

void TRichEdit::CreateParams(TCreateParams& p) {
  TCustomMemo::CreateParams(p);
  p.BaseClassName = L"RichEdit20W";
}

// --- range controls ---

int TRangeControl::Position() const { return handle_ ? ReadPosition() : position_; }

void TRangeControl::SetRange(int min, int max) {
  if (max < min) throw Exception("Property value out of range");
  min_ = min;
  max_ = max;
  position_ = std::clamp(position_, min, max);
  if (handle_) PushRange();
}

void TRangeControl::SetPosition(int v) {
  v = std::clamp(v, min_, max_);
  const bool changed = v != Position();
  position_ = v;
  if (handle_) PushRange();
  if (changed && OnChange) OnChange(this);
}

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner) {
  width_ = 150;
  height_ = 16;
}

void TProgressBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = PROGRESS_CLASSW;
}

void TProgressBar::PushRange() {
  SendMessageW(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageW(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

int TProgressBar::ReadPosition() const { return static_cast<int>(SendMessageW(handle_, PBM_GETPOS, 0, 0)); }

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner) {
  width_ = 150;
  height_ = 45;
  max_ = 10;
  tabStop_ = true;
  // The bar's background is the face of the window it sits on.
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

void TTrackBar::SetOrientation(TTrackBarOrientation o) {
  if (o == orientation_) return;
  orientation_ = o;
  RecreateWnd();
}

void TTrackBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = TRACKBAR_CLASSW;
  p.Style |= TBS_AUTOTICKS | (orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::PushRange() {
  SendMessageW(handle_, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(handle_, TBM_SETRANGEMAX, TRUE, max_);
  SendMessageW(handle_, TBM_SETPOS, TRUE, position_);
}

int TTrackBar::ReadPosition() const { return static_cast<int>(SendMessageW(handle_, TBM_GETPOS, 0, 0)); }

void TTrackBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    const int pos = ReadPosition();
    if (pos != position_) {
      position_ = pos;
      if (OnChange) OnChange(this);
    }
    return;
  }
  TRangeControl::WndProc(m);
}

TUpDown::TUpDown(TComponent* owner) : TRangeControl(owner) {
  width_ = 17;
  height_ = 25;
}

void TUpDown::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = UPDOWN_CLASSW;
  p.Style |= UDS_ARROWKEYS;
}

void TUpDown::PushRange() {
  SendMessageW(handle_, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageW(handle_, UDM_SETPOS32, 0, position_);
}

int TUpDown::ReadPosition() const { return static_cast<int>(SendMessageW(handle_, UDM_GETPOS32, 0, 0)); }

void TUpDown::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    position_ = ReadPosition();
    Click();
    if (OnChange) OnChange(this);
    return;
  }
  TRangeControl::WndProc(m);
}

// --- TStatusBar ---

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  height_ = 19;
  width_ = 200;
  align_ = alBottom;
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

void TStatusBar::SetPanels(std::vector<TStatusPanel> panels) {
  panels_ = std::move(panels);
  if (handle_) CreateWindowHandle();
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
  panels_.at(static_cast<size_t>(index)).Text = text;
  if (handle_) PushPanelText(index);
}

void TStatusBar::PushPanelText(int index) {
  // The system bar shows the bevel by drawing flags and the alignment by
  // leading tabs (one centres, two put the text on the right).
  const TStatusPanel& panel = panels_.at(static_cast<size_t>(index));
  const WPARAM bevel = panel.Bevel == pbNone ? SBT_NOBORDERS : panel.Bevel == pbRaised ? SBT_POPOUT : 0;
  const std::wstring tabs = panel.Alignment == taCenter ? L"\t" : panel.Alignment == taRightJustify ? L"\t\t" : L"";
  const std::wstring text = tabs + Utf8ToWide(panel.Text);
  SendMessageW(handle_, SB_SETTEXTW, static_cast<WPARAM>(index) | bevel, reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::SetSimpleText(const std::string& text) {
  simpleText_ = text;
  if (handle_)
    SendMessageW(handle_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
}

void TStatusBar::SetSizeGrip(bool v) {
  if (v == sizeGrip_) return;
  sizeGrip_ = v;
  RecreateWnd();
}

void TStatusBar::SetSimplePanel(bool v) {
  simplePanel_ = v;
  if (handle_) SendMessageW(handle_, SB_SIMPLE, v || panels_.empty(), 0);
}

void TStatusBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = STATUSCLASSNAMEW;
  // Our own alignment places the bar.
  p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | (sizeGrip_ ? SBARS_SIZEGRIP : 0);
}

void TStatusBar::CreateWindowHandle() {
  std::vector<int> edges;
  int x = 0;
  for (const TStatusPanel& panel : panels_) edges.push_back(x += std::max(panel.Width, 0));
  if (!edges.empty()) {
    SendMessageW(handle_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < panels_.size(); ++i) PushPanelText(static_cast<int>(i));
  }
  // Without panels the system bar shows its simple text too.
  SendMessageW(handle_, SB_SIMPLE, simplePanel_ || panels_.empty(), 0);
  SendMessageW(handle_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Utf8ToWide(simpleText_).c_str()));
}

// --- TToolBar ---

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  height_ = 29;
  width_ = 150;
  align_ = alTop;
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

void TToolBar::SetFlat(bool v) {
  if (v == flat_) return;
  flat_ = v;
  if (handle_) {
    const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, v ? style | TBSTYLE_FLAT : style & ~LONG_PTR(TBSTYLE_FLAT));
    InvalidateRect(handle_, nullptr, TRUE);
  }
}

void TToolBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = TOOLBARCLASSNAMEW;
  p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | WS_CLIPCHILDREN | (flat_ ? TBSTYLE_FLAT : 0);
}

// --- tab controls ---

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  width_ = 289;
  height_ = 193;
  tabStop_ = true;
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

void TCustomTabControl::SetMultiLine(bool v) {
  if (v == multiLine_) return;
  multiLine_ = v;
  RecreateWnd();
}

void TCustomTabControl::SetTabPosition(TTabPosition p) {
  if (p == tabPosition_) return;
  tabPosition_ = p;
  RecreateWnd();
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = WC_TABCONTROLW;
  p.Style |= WS_CLIPCHILDREN | (multiLine_ ? TCS_MULTILINE : 0);
  // Side tabs need several rows to fit.
  switch (tabPosition_) {
    case tpBottom: p.Style |= TCS_BOTTOM; break;
    case tpLeft: p.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: p.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    default: break;
  }
}

void TCustomTabControl::CreateWindowHandle() { UpdateTabs(); }

void TCustomTabControl::UpdateTabs() {
  if (!handle_) return;
  SendMessageW(handle_, TCM_DELETEALLITEMS, 0, 0);
  const std::vector<std::string> captions = TabCaptions();
  for (size_t i = 0; i < captions.size(); ++i) {
    std::wstring text = Utf8ToWide(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(handle_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(SelectedTab()), 0);
  AlignControls();
}

TRect TCustomTabControl::AdjustClientRect() const {
  TRect r = ClientRect();
  if (!handle_) return r;
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
  return Rect(rc.left, rc.top, rc.right, rc.bottom);
}

void TCustomTabControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
    if (hdr->code == static_cast<UINT>(TCN_SELCHANGE)) {
      TabSelected(static_cast<int>(SendMessageW(handle_, TCM_GETCURSEL, 0, 0)));
      if (OnChange) OnChange(this);
    }
    return;
  }
  TWinControl::WndProc(m);
}

void TTabControl::SetTabs(const TStringList& tabs) {
  tabs_ = tabs;
  if (tabIndex_ >= tabs_.Count()) tabIndex_ = tabs_.Count() - 1;
  if (tabIndex_ < 0 && tabs_.Count() > 0) tabIndex_ = 0;
  UpdateTabs();
}

void TTabControl::SetTabIndex(int index) {
  tabIndex_ = index >= 0 && index < tabs_.Count() ? index : -1;
  if (handle_) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

std::vector<std::string> TTabControl::TabCaptions() const {
  std::vector<std::string> out;
  for (int i = 0; i < tabs_.Count(); ++i) out.push_back(tabs_[i]);
  return out;
}

void TTabControl::TabSelected(int index) { tabIndex_ = index; }

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  align_ = alClient;
  visible_ = false;
  color_ = clBtnFace;
  brush_.SetColor(color_);
}

TTabSheet::~TTabSheet() {
  if (TPageControl* pc = PageControl()) pc->RemovePage(this);
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(parent_); }

void TTabSheet::SetPageControl(TPageControl* pc) { SetParent(pc); }

void TTabSheet::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (TPageControl* old = PageControl()) old->RemovePage(this);
  TWinControl::SetParent(parent);
  if (TPageControl* pc = PageControl()) pc->AddPage(this);
}

int TTabSheet::PageIndex() const {
  TPageControl* pc = PageControl();
  if (!pc) return -1;
  for (int i = 0; i < pc->PageCount(); ++i)
    if (pc->Pages(i) == this) return i;
  return -1;
}

void TTabSheet::SetTabVisible(bool v) {
  tabVisible_ = v;
  if (TPageControl* pc = PageControl()) pc->PageChanged();
}

void TTabSheet::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style |= WS_CLIPCHILDREN;
}

void TTabSheet::TextChanged() {
  if (TPageControl* pc = PageControl()) pc->PageChanged();
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

void TPageControl::AddPage(TTabSheet* page) {
  pages_.push_back(page);
  if (!activePage_) SetActivePage(page);
  else page->SetVisible(false);
  UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  if (activePage_ == page) {
    activePage_ = nullptr;
    if (!pages_.empty()) SetActivePage(pages_.front());
  }
  UpdateTabs();
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this) return;
  activePage_ = page;
  for (TTabSheet* p : pages_) p->SetVisible(p == page);
  if (page && page->HandleAllocated()) BringWindowToTop(page->Handle());
  if (handle_) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(SelectedTab()), 0);
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

std::vector<std::string> TPageControl::TabCaptions() const {
  std::vector<std::string> out;
  for (TTabSheet* p : pages_)
    if (p->TabVisible()) out.push_back(p->Caption());
  return out;
}

int TPageControl::SelectedTab() const {
  int tab = 0;
  for (TTabSheet* p : pages_) {
    if (p == activePage_) return p->TabVisible() ? tab : -1;
    if (p->TabVisible()) ++tab;
  }
  return -1;
}

void TPageControl::TabSelected(int index) {
  int tab = 0;
  for (TTabSheet* p : pages_) {
    if (!p->TabVisible()) continue;
    if (tab++ == index) {
      SetActivePage(p);
      return;
    }
  }
}

// --- TListView ---

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
  width_ = 250;
  height_ = 150;
  tabStop_ = true;
}

void TCustomListView::SetViewStyle(TViewStyle v) {
  if (v == viewStyle_) return;
  viewStyle_ = v;
  RecreateWnd();
}

void TCustomListView::AddColumn(const std::string& caption, int width) {
  columns_.push_back({caption, width});
  if (handle_) RecreateWnd();
}

int TCustomListView::AddItem(const std::string& caption, const std::vector<std::string>& subItems) {
  std::vector<std::string> texts{caption};
  texts.insert(texts.end(), subItems.begin(), subItems.end());
  items_.push_back(std::move(texts));
  const int index = ItemCount() - 1;
  if (handle_) PushItem(index);
  return index;
}

void TCustomListView::PushItem(int index) {
  const auto& texts = items_[static_cast<size_t>(index)];
  for (size_t col = 0; col < texts.size(); ++col) {
    std::wstring w = Utf8ToWide(texts[col]);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.iSubItem = static_cast<int>(col);
    item.pszText = w.data();
    SendMessageW(handle_, col == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
}

void TCustomListView::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = WC_LISTVIEWW;
  static constexpr DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  p.Style |= styles[viewStyle_] | LVS_SHAREIMAGELISTS;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWindowHandle() {
  for (size_t i = 0; i < columns_.size(); ++i) {
    std::wstring w = Utf8ToWide(columns_[i].Caption);
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = columns_[i].Width;
    col.pszText = w.data();
    SendMessageW(handle_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
  }
  for (int i = 0; i < ItemCount(); ++i) PushItem(i);
}

// --- TTreeView ---

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner) {
  width_ = 121;
  height_ = 97;
  tabStop_ = true;
}

int TCustomTreeView::AddNode(int parent, const std::string& text) {
  if (parent >= NodeCount()) throw EListError("Tree node index out of bounds");
  nodes_.push_back({parent < 0 ? -1 : parent, text});
  if (handle_) PushNode(nodes_.back());
  return NodeCount() - 1;
}

void TCustomTreeView::PushNode(TNode& node) {
  std::wstring w = Utf8ToWide(node.text);
  TVINSERTSTRUCTW ins{};
  ins.hParent = node.parent < 0 ? TVI_ROOT : nodes_[static_cast<size_t>(node.parent)].item;
  ins.hInsertAfter = TVI_LAST;
  ins.item.mask = TVIF_TEXT;
  ins.item.pszText = w.data();
  node.item = reinterpret_cast<HTREEITEM>(SendMessageW(handle_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
}

void TCustomTreeView::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = WC_TREEVIEWW;
  p.Style |= TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWindowHandle() {
  for (TNode& node : nodes_) PushNode(node);
}

// --- TDateTimePicker ---

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  width_ = 186;
  height_ = 21;
  tabStop_ = true;
}

void TDateTimePicker::SetDateMode(TDTDateMode m) {
  if (m == dateMode_) return;
  time_ = DateTime();
  timeSet_ = true;
  dateMode_ = m;
  RecreateWnd();
}

void TDateTimePicker::SetKind(TDateTimeKind k) {
  if (k == kind_) return;
  time_ = DateTime();
  timeSet_ = true;
  kind_ = k;
  RecreateWnd();
}

SYSTEMTIME TDateTimePicker::DateTime() const {
  if (!handle_) return time_;
  SYSTEMTIME t{};
  SendMessageW(handle_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
  return t;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& t) {
  time_ = t;
  timeSet_ = true;
  if (handle_) SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time_));
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = DATETIMEPICK_CLASSW;
  if (kind_ == dtkTime) p.Style |= DTS_TIMEFORMAT;
  else if (dateMode_ == dmUpDown) p.Style |= DTS_UPDOWN;
}

void TDateTimePicker::CreateWindowHandle() {
  if (timeSet_) SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time_));
}

}  // namespace pelorin
