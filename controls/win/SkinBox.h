// Panels, group boxes and radio groups keep their own painting in the skin's
// colours: the face colour (set when attached), for panels the skin's light
// and dark button colours for the bevels and, for group boxes, the skin's
// button text colour for the caption. Plain "Button" group boxes of
// dialogs are drawn by the skinner: etched frame and caption in those
// colours. Win32 build only.
#pragma once

#include "controls/win/WinSubClass.h"

namespace pelorin {

class TCustomPanel;

class TSkinBox : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  ~TSkinBox() override;
  // Remembers a group box's font colour and ParentFont to give them back.
  bool AttachControl(TWinControl* control, TSkinData* skinData, bool changeColor) override;
  void Detach() override;
  void ApplySkinChange(TSkinData* skinData) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;

private:
  void PaintPlainGroupBox(HDC dc);
  // The inside in the skin's face colour, around whatever lies on it.
  void EraseInside(HDC dc);
  void ColourBevels();
  bool groupBox_ = false;  // a framework group box whose font colour is ours
  TCustomPanel* panel_ = nullptr;  // a framework panel whose bevel colours are ours
  TColor savedHighlight_ = 0, savedShadow_ = 0;
  TColor savedFontColor_ = 0;
  bool savedParentFont_ = true;
};

}  // namespace pelorin
