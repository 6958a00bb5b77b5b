// Common controls: rich edit, progress bar, track bar, up-down, status bar,
// tool bar, tab control, page control and tab sheets, list view, tree view
// and date-time picker, each over the system's own control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "host/core/StringList.h"
#include "host/win/StdCtrls.h"

namespace pelorin {

class TRichEdit : public TCustomMemo {
public:
  explicit TRichEdit(TComponent* owner);
  std::string ClassName() const override { return "TRichEdit"; }

protected:
  void CreateParams(TCreateParams& params) override;
};

// Min / Max / Position shared by the range controls.
class TRangeControl : public TWinControl {
public:
  explicit TRangeControl(TComponent* owner) : TWinControl(owner) {}
  void DefineProperties(TFiler& filer) override;
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const;
  void SetMin(int v) { SetRange(v, std::max(v, max_)); }
  void SetMax(int v) { SetRange(std::min(v, min_), v); }
  void SetRange(int min, int max);
  void SetPosition(int v);
  TNotifyEvent OnChange;

protected:
  void CreateWindowHandle() override { PushRange(); }
  virtual void PushRange() = 0;
  virtual int ReadPosition() const = 0;
  int min_ = 0, max_ = 100, position_ = 0;
};

class TProgressBar : public TRangeControl {
public:
  explicit TProgressBar(TComponent* owner);
  std::string ClassName() const override { return "TProgressBar"; }

protected:
  void CreateParams(TCreateParams& params) override;
  void PushRange() override;
  int ReadPosition() const override;
};

enum TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TRangeControl {
public:
  explicit TTrackBar(TComponent* owner);
  std::string ClassName() const override { return "TTrackBar"; }
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation o);

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void PushRange() override;
  int ReadPosition() const override;

private:
  TTrackBarOrientation orientation_ = trHorizontal;
};

class TUpDown : public TRangeControl {
public:
  explicit TUpDown(TComponent* owner);
  std::string ClassName() const override { return "TUpDown"; }

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void PushRange() override;
  int ReadPosition() const override;
};

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
  std::string Text;
  int Width = 50;
  TStatusPanelBevel Bevel = pbLowered;
  TAlignment Alignment = taLeftJustify;
};

class TStatusBar : public TWinControl {
public:
  explicit TStatusBar(TComponent* owner);
  std::string ClassName() const override { return "TStatusBar"; }
  void DefineProperties(TFiler& filer) override;
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  const TStatusPanel& Panel(int index) const { return panels_.at(static_cast<size_t>(index)); }
  void SetPanels(std::vector<TStatusPanel> panels);
  void SetPanelText(int index, const std::string& text);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool v);
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool v);
  // The text of the one panel shown while SimplePanel is set or there are no panels.
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;

private:
  void PushPanelText(int index);
  std::vector<TStatusPanel> panels_;
  std::string simpleText_;
  bool sizeGrip_ = true, simplePanel_ = false;
};

class TToolBar : public TWinControl {
public:
  explicit TToolBar(TComponent* owner);
  std::string ClassName() const override { return "TToolBar"; }
  void DefineProperties(TFiler& filer) override;
  bool Flat() const { return flat_; }
  void SetFlat(bool v);

protected:
  void CreateParams(TCreateParams& params) override;

private:
  bool flat_ = false;
};

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// Tabs over SysTabControl32; pages are laid out in its display area.
class TCustomTabControl : public TWinControl {
public:
  explicit TCustomTabControl(TComponent* owner);
  std::string ClassName() const override { return "TCustomTabControl"; }
  void DefineProperties(TFiler& filer) override;
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition p);
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void WndProc(TMessage& message) override;
  TRect AdjustClientRect() const override;
  // The tab captions and the selected one.
  virtual std::vector<std::string> TabCaptions() const = 0;
  virtual int SelectedTab() const = 0;
  virtual void TabSelected(int index) = 0;
  void UpdateTabs();

  bool multiLine_ = false;
  TTabPosition tabPosition_ = tpTop;
};

class TTabControl : public TCustomTabControl {
public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
  std::string ClassName() const override { return "TTabControl"; }
  const TStringList& Tabs() const { return tabs_; }
  void SetTabs(const TStringList& tabs);
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);

protected:
  std::vector<std::string> TabCaptions() const override;
  int SelectedTab() const override { return tabIndex_; }
  void TabSelected(int index) override;

private:
  TStringList tabs_;
  int tabIndex_ = -1;
};

class TPageControl;

class TTabSheet : public TWinControl {
public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  std::string ClassName() const override { return "TTabSheet"; }
  void DefineProperties(TFiler& filer) override;
  TPageControl* PageControl() const;
  void SetPageControl(TPageControl* pc);
  void SetParent(TWinControl* parent) override;
  int PageIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool v);

protected:
  void CreateParams(TCreateParams& params) override;
  void TextChanged() override;

private:
  bool tabVisible_ = true;
};

class TPageControl : public TCustomTabControl {
public:
  explicit TPageControl(TComponent* owner);
  std::string ClassName() const override { return "TPageControl"; }
  void DefineProperties(TFiler& filer) override;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

protected:
  std::vector<std::string> TabCaptions() const override;
  int SelectedTab() const override;
  void TabSelected(int index) override;

private:
  friend class TTabSheet;
  void AddPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PageChanged() { UpdateTabs(); }
  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

struct TListColumn {
  std::string Caption;
  int Width = 50;
};

class TCustomListView : public TWinControl {
public:
  explicit TCustomListView(TComponent* owner);
  std::string ClassName() const override { return "TCustomListView"; }
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle v);
  void AddColumn(const std::string& caption, int width);
  // Adds an item (caption and the texts of the further columns).
  int AddItem(const std::string& caption, const std::vector<std::string>& subItems = {});
  int ItemCount() const { return static_cast<int>(items_.size()); }

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;

private:
  void PushItem(int index);
  TViewStyle viewStyle_ = vsIcon;
  std::vector<TListColumn> columns_;
  std::vector<std::vector<std::string>> items_;
};

class TListView : public TCustomListView {
public:
  using TCustomListView::TCustomListView;
  std::string ClassName() const override { return "TListView"; }
};

class TCustomTreeView : public TWinControl {
public:
  explicit TCustomTreeView(TComponent* owner);
  std::string ClassName() const override { return "TCustomTreeView"; }
  // Adds a node under parent (-1: a root node); returns its index.
  int AddNode(int parent, const std::string& text);
  int NodeCount() const { return static_cast<int>(nodes_.size()); }

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;

private:
  struct TNode {
    int parent;
    std::string text;
    HTREEITEM item = nullptr;
  };
  void PushNode(TNode& node);
  std::vector<TNode> nodes_;
};

class TTreeView : public TCustomTreeView {
public:
  using TCustomTreeView::TCustomTreeView;
  std::string ClassName() const override { return "TTreeView"; }
};

enum TDTDateMode { dmComboBox, dmUpDown };
enum TDateTimeKind { dtkDate, dtkTime };

class TDateTimePicker : public TWinControl {
public:
  explicit TDateTimePicker(TComponent* owner);
  std::string ClassName() const override { return "TDateTimePicker"; }
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode m);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind k);
  SYSTEMTIME DateTime() const;
  void SetDateTime(const SYSTEMTIME& t);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;

private:
  TDTDateMode dateMode_ = dmComboBox;
  TDateTimeKind kind_ = dtkDate;
  SYSTEMTIME time_{};
  bool timeSet_ = false;
};

}  // namespace pelorin
