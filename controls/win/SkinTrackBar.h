// Track bars (framework and plain "msctls_trackbar32" windows): the system
// draws the channel and the tics, the skin the thumb, through the bar's
// custom-draw notifications. Win32 build only.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "controls/win/WinSubClass.h"
#include "paint/win/GdiHandles.h"

namespace pelorin {

class TSkinTrackBar : public TSkinControl {
public:
  explicit TSkinTrackBar(TControlSkinnerHost& owner);
  ~TSkinTrackBar() override;
  // A plain bar notifies its parent and asks it for its colours, so the
  // skinner listens there too.
  bool AttachWindow(HWND wnd, TSkinData* skinData) override;
  void Detach() override;
  bool BeforeMessage(TMessage& message) override;

private:
  static LRESULT ParentProc(void* self, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  void DrawThumb(const NMCUSTOMDRAW& draw);
  bool IsOurCustomDraw(LPARAM lParam) const;
  // The plain bar's background, answered to its parent's colour question.
  HBRUSH FaceBrush();
  std::unique_ptr<TWindowSubclass> parentHook_;
  TGdiObject<HBRUSH> faceBrush_;
  TColor brushColor_ = 0;
};

}  // namespace pelorin
