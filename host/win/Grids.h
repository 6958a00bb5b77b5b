// TStringGrid: a grid of text cells drawn by the framework itself, with fixed
// rows and columns and scrolling by whole cells.
#pragma once

#include <map>

#include "host/win/Controls.h"

namespace pelorin {

class TCustomGrid : public TCustomControl {
public:
  explicit TCustomGrid(TComponent* owner);
  std::string ClassName() const override { return "TCustomGrid"; }
  void DefineProperties(TFiler& filer) override;
  int RowCount() const { return rowCount_; }
  void SetRowCount(int n);
  int ColCount() const { return colCount_; }
  void SetColCount(int n);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int n);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int n);
  int DefaultRowHeight() const { return rowHeight_; }
  void SetDefaultRowHeight(int h);
  int DefaultColWidth() const { return colWidth_; }
  void SetDefaultColWidth(int w);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor c);
  int Row() const { return row_; }
  int Col() const { return col_; }
  void SetSelection(int col, int row);
  int TopRow() const { return topRow_; }
  int LeftCol() const { return leftCol_; }
  // The cell under a client point (-1, -1 outside the cells).
  TPoint MouseCoord(int x, int y) const;
  // The client rectangle of a cell as drawn now (empty when scrolled out).
  TRect CellRect(int col, int row) const;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override { UpdateScrollBars(); }
  void WndProc(TMessage& message) override;
  void Paint() override;
  virtual void DrawCell(int col, int row, const TRect& rect, bool fixed, bool selected);
  void Changed();
  void UpdateScrollBars();

  int rowCount_ = 5, colCount_ = 5, fixedRows_ = 1, fixedCols_ = 1;
  int rowHeight_ = 24, colWidth_ = 64;
  TColor fixedColor_ = clBtnFace;
  int row_ = 1, col_ = 1, topRow_ = 1, leftCol_ = 1;
};

class TStringGrid : public TCustomGrid {
public:
  explicit TStringGrid(TComponent* owner) : TCustomGrid(owner) {}
  std::string ClassName() const override { return "TStringGrid"; }
  // Cells outside the grid read as empty; writing one raises EListError.
  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& text);

protected:
  void DrawCell(int col, int row, const TRect& rect, bool fixed, bool selected) override;

private:
  std::map<std::pair<int, int>, std::string> cells_;
};

}  // namespace pelorin
