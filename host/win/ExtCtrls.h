// TPanel, TRadioGroup, TScrollBox and TTimer.
#pragma once

#include "host/core/StringList.h"
#include "host/win/Forms.h"
#include "host/win/StdCtrls.h"

namespace pelorin {

enum TPanelBevel { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TCustomControl {
public:
  explicit TCustomPanel(TComponent* owner);
  std::string ClassName() const override { return "TCustomPanel"; }
  void DefineProperties(TFiler& filer) override;
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel b);
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel b);
  // The bevels' light and dark lines; clDefault draws the system's edges.
  TColor BevelHighlight() const { return bevelHighlight_; }
  TColor BevelShadow() const { return bevelShadow_; }
  void SetBevelColors(TColor highlight, TColor shadow);

protected:
  void Paint() override;
  TRect AdjustClientRect() const override;

  TPanelBevel bevelOuter_ = bvRaised;
  TPanelBevel bevelInner_ = bvNone;
  TColor bevelHighlight_ = clDefault;
  TColor bevelShadow_ = clDefault;
};

class TPanel : public TCustomPanel {
public:
  using TCustomPanel::TCustomPanel;
  std::string ClassName() const override { return "TPanel"; }
};

// A group box of radio buttons, one per item; the buttons are its Controls.
class TCustomRadioGroup : public TCustomGroupBox {
public:
  explicit TCustomRadioGroup(TComponent* owner);
  std::string ClassName() const override { return "TCustomRadioGroup"; }
  void DefineProperties(TFiler& filer) override;
  const TStringList& Items() const { return items_; }
  void SetItems(const TStringList& items);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int n);
  void SetBounds(int left, int top, int width, int height) override;

private:
  void UpdateButtons();
  void ArrangeButtons();
  TStringList items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
public:
  using TCustomRadioGroup::TCustomRadioGroup;
  std::string ClassName() const override { return "TRadioGroup"; }
};

class TScrollBox : public TScrollingWinControl {
public:
  explicit TScrollBox(TComponent* owner);
  std::string ClassName() const override { return "TScrollBox"; }

protected:
  void CreateParams(TCreateParams& params) override;
};

// Calls OnTimer every Interval milliseconds while Enabled (through the
// thread's message loop).
class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }
  void DefineProperties(TFiler& filer) override;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  TNotifyEvent OnTimer;
  void Timer();

private:
  void Update();
  bool enabled_ = true;
  unsigned interval_ = 1000;
  UINT_PTR id_ = 0;
};

}  // namespace pelorin
