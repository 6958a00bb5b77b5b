// Status bars (framework and plain "msctls_statusbar32" windows) drawn whole
// from the skin's status bar element: image panels, or one-pixel bevels when
// the skin has no image. Win32 build only.
#pragma once

#include <vector>

#include "controls/StatusPanels.h"
#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinStatusBar : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinStatusBar() override;
  void Detach() override;
  bool BeforeMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;

private:
  // The panels as the framework control or the system bar describes them.
  std::vector<TStatusPanelView> Panels() const;
  void DrawImagePanel(HDC dc, const TRect& rect, const TStatusPanelView& panel);
  void DrawBevelPanel(HDC dc, const TRect& rect, const TStatusPanelView& panel);
  void DrawPanelText(HDC dc, const TRect& rect, const TStatusPanelView& panel);
};

}  // namespace pelorin
