// Progress bars (framework and plain "msctls_progress32" windows) drawn from
// the skin's progress element: the trough, and over it the filled part of
// the range. Win32 build only.
#pragma once

#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinProgress : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinProgress() override;
  void Detach() override;
  bool BeforeMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;

private:
  bool HasImage() const;
};

}  // namespace pelorin
