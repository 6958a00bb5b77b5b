// TSkinControl: the base of every control skinner. It sees each message of
// its window before and after the window's own handler, keeps the hot and
// pressed bits, and paints the control from the skin, composed off screen
// and put on the window in one blit. Win32 build only.
#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <string>

#include "controls/ButtonFrames.h"
#include "controls/ControlHost.h"
#include "controls/win/LookCache.h"
#include "host/core/Bitmap.h"
#include "host/core/Geometry.h"
#include "host/win/Messages.h"
#include "skinbase/SkinnerRegistry.h"

namespace pelorin {

class TSkinData;
class TDataSkinObject;
class TWinControl;
class TControl;
class TWindowSubclass;
class TCanvas;

class TSkinControl : public TWindowSkinner {
public:
  // The state a framework control's hook shares with the skinner.
  struct THookCell;

  explicit TSkinControl(TControlSkinnerHost& owner);
  ~TSkinControl() override;
  TSkinControl(const TSkinControl&) = delete;
  TSkinControl& operator=(const TSkinControl&) = delete;

  // A framework control, reached through its WindowProc. With changeColor
  // the control shows the skin's face colour until detached. False when the
  // control has no window or already has a skinner.
  virtual bool AttachControl(TWinControl* control, TSkinData* skinData, bool changeColor);
  // Any window, through a comctl32 subclass.
  virtual bool AttachWindow(HWND wnd, TSkinData* skinData);
  // Gives the window its own procedure back; safe to run more than once.
  virtual void Detach();
  // True lets the window's own handler run.
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);
  // Paints the whole window now on its window DC.
  virtual void PaintNow();
  virtual void Paint(HDC dc, const TRect& rect);

  // Before phase, the window's own handler (unless filtered), after phase.
  void SkinWindowProc(TMessage& message);
  void CallPrevious(TMessage& message);
  // Repaints now, without erasing (only windows with a parent).
  void InvalidateNow();
  void SendMouseLeave();
  // A new skin: face colour for recoloured controls, then a repaint.
  virtual void ApplySkinChange(TSkinData* skinData);
  // The next paint composes the look anew instead of reusing the last one.
  void ForgetLook() { look_.Clear(); }

  bool Attached() const { return hook_ != nullptr || subclass_ != nullptr; }
  HWND Handle() const { return handle_; }
  TWinControl* Control() const { return control_; }
  TSkinData* SkinData() const { return skin_; }
  uint8_t State() const { return state_; }
  bool Hot() const { return (state_ & ssHot) != 0; }
  bool Pressed() const { return (state_ & ssPressed) != 0; }
  bool Focused() const { return focused_; }
  bool Enabled() const { return enabled_; }
  const std::wstring& Caption() const { return caption_; }
  // The control's font (followed through WM_SETFONT), or the stock GUI font.
  HFONT Font() const { return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
  // The window rectangle (screen) at the last full paint.
  const TRect& WindowRect() const { return windowRect_; }

  // Shared painting routines.
  // WM_PAINT of skinners that draw the whole control themselves.
  void HandlePaintMessage(TMessage& message);
  // For a skinner that draws every pixel of its control: paints on WM_PAINT
  // and swallows WM_ERASEBKGND; true when the message was one of those (the
  // window's own handler must then not run).
  bool PaintWholeControl(TMessage& message);
  void FillBackground(HDC dc, const TRect& rect);
  // The element's frame over the face colour into the shared buffer, grown
  // to rect (which starts at the origin); the element's style decides the rest.
  void DrawElementFace(const TRect& rect, const TDataSkinObject& element, int frame);
  // rect's size of the shared buffer put on dc at rect's top-left in one blit.
  void BlitBuffer(HDC dc, const TRect& rect);
  static void DrawCaption(HDC dc, const TRect& rect, int format, bool enabled, const std::wstring& text);
  static void DrawCaptionCentered(HDC dc, const TRect& rect, const std::wstring& text, int alignment, bool enabled);
  // The whole frame frameIndex of a strip of frameCount stretched over rect, keyed.
  static void DrawStretchedFrame(TBitmap& target, const TRect& rect, int frameCount, int frameIndex,
                                 const TBitmap& image);
  // Glyph index (1-based) of a strip of numGlyphs, keyed by its bottom-left pixel.
  static void DrawGlyph(TBitmap& target, TPoint at, int numGlyphs, int index, const TBitmap& glyph);
  static void DrawArrow(TCanvas& canvas, int x, int y, int direction);
  // (top, bottom) colours of a one-pixel bevel; kind 1 is lowered.
  static std::pair<COLORREF, COLORREF> BevelColors(int kind);

protected:
  TControlSkinnerHost& Owner() const { return owner_; }
  void SetState(uint8_t bit, bool on) { state_ = on ? uint8_t(state_ | bit) : uint8_t(state_ & ~bit); }
  // The enabled state read again before painting. Focus and caption follow
  // their messages instead (WM_SETFOCUS, WM_KILLFOCUS, WM_SETTEXT): asking the
  // window for them costs more than the whole paint.
  void RefreshFacts();
  // Focus, caption and enabled state read from the window (at attach).
  void ReadWindowFacts();
  void ReadCaption();
  static TBitmap& Buffer();
  HDC BufferDC() { return static_cast<HDC>(Buffer().DC()); }
  // Lets the after phase notice that the skinner went away meanwhile.
  std::shared_ptr<bool> Alive() const { return alive_; }
  TControl* hookedControl_ = nullptr;  // the control whose WindowProc we hold
  // The last composed look; cleared by a skin change and at detach.
  TLookCache look_;

  // Detaches, then has the control repaint itself in its own look (for
  // skinners that draw over the whole control).
  void DetachAndRepaint();
  // Installs the WindowProc hook on a framework control.
  void HookWindowProc(TControl* control);
  void UnhookWindowProc();
  // The hooked control was freed: forget it without touching it.
  void ForgetControl();
  bool Register(TWindowKey key);
  // Skinners without a window of their own store their skin here.
  void SetSkinDataOnly(TSkinData* skinData) { skin_ = skinData; }

private:
  static LRESULT SubclassProc(void* self, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  TControlSkinnerHost& owner_;
  TSkinData* skin_ = nullptr;
  HWND handle_ = nullptr;
  TWinControl* control_ = nullptr;
  std::shared_ptr<THookCell> hook_;
  std::unique_ptr<TWindowSubclass> subclass_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  uint8_t state_ = 0;
  bool enabled_ = true;
  bool focused_ = false;
  bool changeColor_ = false;
  bool savedDoubleBuffered_ = false;
  TWindowKey key_ = nullptr;  // what the registry knows this skinner by
  TColor savedColor_ = 0;
  std::wstring caption_;
  HFONT font_ = nullptr;
  TRect windowRect_;
};

}  // namespace pelorin
