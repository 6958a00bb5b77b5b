// Scroll-bar controls, whose whole window is one bar: the framework's
// TScrollBar and plain "ScrollBar" windows (SBS_HORZ, SBS_VERT). The system
// drags and repeats; the skinner paints after every change. Win32 build only.
#pragma once

#include "controls/win/SkinScrollBar.h"

namespace pelorin {

class TSkinScControl : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;
  void ApplySkinChange(TSkinData* skinData) override;

  int PressedPart() const { return pressedPart_; }
  const TBarMetrics& Metrics() const { return metrics_; }
  bool Vertical() const;

private:
  bool Skinned() const;
  void ComputeThumb(int length);
  // The press the system's tracking loop runs with, from where it landed.
  int PartAt(LPARAM clientPoint);
  int pressedPart_ = ppNone;
  TBarMetrics metrics_;
  TBarCache cache_;
};

}  // namespace pelorin
