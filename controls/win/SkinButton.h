// Push buttons: framework TButton controls and plain dialog "Button" windows
// take the skin's button image and caption colours, and the skinner takes
// over the click. Win32 build only.
#pragma once

#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinButton : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;

protected:
  // The frame the button shows now.
  virtual int Frame() const;
  TButtonColours CaptionColours() const;
  // This skinner becomes the form's one hot button.
  void BecomeHot();
  void LoseHot();

private:
  void Release(LPARAM lParam);
  // The click: posted after a mouse release, sent for a program's BM_CLICK.
  void Notify(bool post);
  bool tracking_ = false;  // the press began on this button and holds the capture
};

}  // namespace pelorin
