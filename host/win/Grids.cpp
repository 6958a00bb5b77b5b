// The owner-drawn string grid.
#include "host/win/Grids.h"

#include <windowsx.h>

#include <algorithm>

#include "host/win/platform/WideText.h"

namespace pelorin {

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  width_ = 320;
  height_ = 120;
  tabStop_ = true;
  color_ = clWindow;
  brush_.SetColor(color_);
}

void TCustomGrid::Changed() {
  fixedRows_ = std::clamp(fixedRows_, 0, std::max(rowCount_ - 1, 0));
  fixedCols_ = std::clamp(fixedCols_, 0, std::max(colCount_ - 1, 0));
  row_ = std::clamp(row_, fixedRows_, std::max(rowCount_ - 1, fixedRows_));
  col_ = std::clamp(col_, fixedCols_, std::max(colCount_ - 1, fixedCols_));
  topRow_ = std::clamp(topRow_, fixedRows_, std::max(rowCount_ - 1, fixedRows_));
  leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(colCount_ - 1, fixedCols_));
  UpdateScrollBars();
  Invalidate();
}

void TCustomGrid::SetRowCount(int n) {
  rowCount_ = std::max(n, 1);
  Changed();
}
void TCustomGrid::SetColCount(int n) {
  colCount_ = std::max(n, 1);
  Changed();
}
void TCustomGrid::SetFixedRows(int n) {
  if (n < 0 || n >= rowCount_) throw Exception("Fixed row count must be less than row count");
  fixedRows_ = n;
  topRow_ = n;  // scrolled back to the first scrolling row
  row_ = std::max(row_, n);
  Changed();
}
void TCustomGrid::SetFixedCols(int n) {
  if (n < 0 || n >= colCount_) throw Exception("Fixed column count must be less than column count");
  fixedCols_ = n;
  leftCol_ = n;
  col_ = std::max(col_, n);
  Changed();
}
void TCustomGrid::SetDefaultRowHeight(int h) {
  rowHeight_ = std::max(h, 1);
  Changed();
}
void TCustomGrid::SetDefaultColWidth(int w) {
  colWidth_ = std::max(w, 1);
  Changed();
}
void TCustomGrid::SetFixedColor(TColor c) {
  fixedColor_ = c;
  Invalidate();
}
void TCustomGrid::SetSelection(int col, int row) {
  col_ = col;
  row_ = row;
  Changed();
}

TRect TCustomGrid::CellRect(int col, int row) const {
  auto offset = [](int index, int fixed, int first, int size) {
    if (index < fixed) return index * size;
    if (index < first) return -1;
    return (fixed + index - first) * size;
  };
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return {};
  const int x = offset(col, fixedCols_, leftCol_, colWidth_ + 1);
  const int y = offset(row, fixedRows_, topRow_, rowHeight_ + 1);
  if (x < 0 || y < 0) return {};
  return Bounds(x, y, colWidth_, rowHeight_);
}

TPoint TCustomGrid::MouseCoord(int x, int y) const {
  auto index = [](int pos, int fixed, int first, int size, int count) {
    if (pos < 0) return -1;
    int i = pos / size;
    if (i >= fixed) i = first + (i - fixed);
    return i < count ? i : -1;
  };
  const int c = index(x, fixedCols_, leftCol_, colWidth_ + 1, colCount_);
  const int r = index(y, fixedRows_, topRow_, rowHeight_ + 1, rowCount_);
  if (c < 0 || r < 0) return {-1, -1};
  return {c, r};
}

void TCustomGrid::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  p.Style |= WS_HSCROLL | WS_VSCROLL;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::UpdateScrollBars() {
  if (!handle_) return;
  SCROLLINFO v{sizeof v, SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL, fixedRows_, rowCount_ - 1, 1, topRow_, 0};
  SCROLLINFO h{sizeof h, SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL, fixedCols_, colCount_ - 1, 1, leftCol_, 0};
  SetScrollInfo(handle_, SB_VERT, &v, TRUE);
  SetScrollInfo(handle_, SB_HORZ, &h, TRUE);
}

void TCustomGrid::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL: {
      const bool vert = m.Msg == WM_VSCROLL;
      int& first = vert ? topRow_ : leftCol_;
      switch (LOWORD(m.WParam)) {
        case SB_LINEUP:
        case SB_PAGEUP: --first; break;
        case SB_LINEDOWN:
        case SB_PAGEDOWN: ++first; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
          // wParam carries 16 bits; the bar holds the whole position.
          SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
          first = GetScrollInfo(handle_, vert ? SB_VERT : SB_HORZ, &si) ? si.nTrackPos : HIWORD(m.WParam);
          break;
        }
        default: break;
      }
      Changed();
      return;
    }
    case WM_LBUTTONDOWN: {
      if (handle_) ::SetFocus(handle_);
      const TPoint cell = MouseCoord(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) SetSelection(cell.X, cell.Y);
      break;
    }
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN:
      switch (m.WParam) {
        case VK_UP: SetSelection(col_, row_ - 1); return;
        case VK_DOWN: SetSelection(col_, row_ + 1); return;
        case VK_LEFT: SetSelection(col_ - 1, row_); return;
        case VK_RIGHT: SetSelection(col_ + 1, row_); return;
        default: break;
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

void TCustomGrid::Paint() {
  TCanvas& c = Canvas();
  c.Brush().SetColor(color_);
  c.FillRect(ClientRect());
  for (int row = 0; row < rowCount_; ++row)
    for (int col = 0; col < colCount_; ++col) {
      const TRect r = CellRect(col, row);
      if (r.IsEmpty() || r.Left > ClientWidth() || r.Top > ClientHeight()) continue;
      const bool fixed = row < fixedRows_ || col < fixedCols_;
      // Grid lines: one pixel right of and below every cell.
      c.Brush().SetColor(clBtnShadow);
      c.FillRect(Rect(r.Right, r.Top, r.Right + 1, r.Bottom + 1));
      c.FillRect(Rect(r.Left, r.Bottom, r.Right + 1, r.Bottom + 1));
      DrawCell(col, row, r, fixed, !fixed && row == row_ && col == col_);
    }
}

void TCustomGrid::DrawCell(int, int, const TRect& rect, bool fixed, bool selected) {
  Canvas().Brush().SetColor(fixed ? fixedColor_ : selected ? clHighlight : color_);
  Canvas().FillRect(rect);
  if (fixed) {
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawEdge(Canvas().Handle(), &r, BDR_RAISEDINNER, BF_RECT);
  }
}

std::string TStringGrid::Cells(int col, int row) const {
  auto it = cells_.find({col, row});
  return it == cells_.end() ? std::string() : it->second;
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) throw EListError("Grid index out of range");
  cells_[{col, row}] = text;
  const TRect r = CellRect(col, row);
  if (handle_ && !r.IsEmpty()) {
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    InvalidateRect(handle_, &rc, FALSE);
  }
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, bool fixed, bool selected) {
  TCustomGrid::DrawCell(col, row, rect, fixed, selected);
  const std::string text = Cells(col, row);
  if (text.empty()) return;
  TCanvas& c = Canvas();
  c.Font().Assign(font_);
  if (selected) c.Font().SetColor(clHighlightText);
  c.Brush().SetStyle(bsClear);
  c.TextRect(rect, rect.Left + 2, rect.Top + 2, text);
}

}  // namespace pelorin
