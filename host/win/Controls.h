// TControl, TWinControl, TGraphicControl and TCustomControl: the control tree,
// the replaceable WindowProc, window handles made on demand, and the routing
// of mouse, paint and reflected messages.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/core/Component.h"
#include "host/win/Graphics.h"
#include "host/win/Messages.h"

namespace pelorin {

class TWinControl;
LRESULT CALLBACK ControlWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
using TNotifyEvent = std::function<void(TObject* sender)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TMouseButton { mbLeft, mbRight, mbMiddle };

class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }
  void DefineProperties(TFiler& filer) override;
  // A control read nested in a windowed control takes it as its parent.
  void SetParentComponent(TComponent* parent) override;
  TComponent* ParentComponent() const override;

  // Every message to the control goes through WindowProc; by default it is
  // bound to WndProc. Replace it to filter the control's messages.
  const TWndMethod& WindowProc() const { return windowProc_; }
  void SetWindowProc(TWndMethod proc);
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  virtual void SetBounds(int left, int top, int width, int height);
  virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);
  TFont& Font() { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& text) { SetText(text); }
  virtual std::string Text() const { return text_; }
  virtual void SetText(const std::string& text);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v) { showHint_ = v; }
  bool MouseInControl() const { return mouseInControl_; }

  // Repaints now or later; graphic controls repaint their part of the parent.
  virtual void Invalidate();
  void Repaint();
  virtual void Click();
  // Alt+ch pressed on the form: a control with that accelerator acts and
  // returns true.
  virtual bool DialogChar(unsigned ch) { (void)ch; return false; }

  TNotifyEvent OnClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  virtual void WndProc(TMessage& message);
  // What happens to a message nobody handled.
  virtual void DefaultHandler(TMessage& message);
  // Told about every change of Font; one not copied from the parent ends ParentFont.
  void FontChanged();
  void InheritFont(const TFont& font);
  virtual void TextChanged() {}

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  bool parentFont_ = true;
  bool inheritingFont_ = false;  // the font is being copied from the parent
  bool showHint_ = false;
  bool mouseInControl_ = false;
  bool pressed_ = false;
  TColor color_ = clWindow;
  TFont font_;
  std::string text_;
  std::string hint_;

private:
  friend class TWinControl;
  friend LRESULT CALLBACK ControlWndProc(HWND, UINT, WPARAM, LPARAM);
  TWndMethod windowProc_;
};

// Everything needed to create the window of a windowed control.
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  HMENU Menu = nullptr;  // child id for child windows
  std::wstring WinClassName;  // the framework class name
  std::wstring BaseClassName;  // the system class superclassed; empty for own classes
  UINT ClassStyle = CS_DBLCLKS;
  HCURSOR Cursor = nullptr;
};

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }
  // Its controls that root owns, so they are written inside it.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  // The window, created (with the parent's) when first asked for. Raises
  // EOutOfResources when Windows refuses to create it.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window; it is made again on demand.
  void DestroyHandle();
  // Recreates the window so that new styles take effect.
  void RecreateWnd();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  bool ContainsControl(const TControl* control) const;
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool v) { doubleBuffered_ = v; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v) { tabStop_ = v; }
  bool Focused() const;
  void SetFocus();

  void SetBounds(int left, int top, int width, int height) override;
  TRect ClientRect() const override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetColor(TColor color) override;
  std::string Text() const override;
  void SetText(const std::string& text) override;
  void Invalidate() override;
  // Lays out the children with an Align other than alNone.
  void AlignControls();
  // The brush of Color, for WM_CTLCOLOR* and background erasing.
  HBRUSH BrushHandle() { return brush_.Handle(); }
  // The framework control of a window, or nullptr.
  static TWinControl* FindControl(HWND wnd);

protected:
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Called once the window exists (and its children), to push state into it.
  virtual void CreateWindowHandle() {}
  // Called before the window goes, to read state out of it.
  virtual void DestroyWnd() {}
  // Draws the control itself on dc (WM_PAINT with a DC in wParam by default).
  virtual void PaintWindow(HDC dc);
  // Whether WM_PAINT goes through PaintWindow and the graphic children.
  virtual bool OwnPaint() const;
  // The area children are aligned in (client coordinates).
  virtual TRect AdjustClientRect() const { return ClientRect(); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  bool doubleBuffered_ = false;
  bool tabStop_ = false;
  TBrush brush_;

private:
  friend LRESULT CALLBACK ControlWndProc(HWND, UINT, WPARAM, LPARAM);
  friend class TControl;
  void PaintHandler(TMessage& message);
  void PaintControls(HDC dc);
  bool RouteMouseToGraphic(TMessage& message);
  TControl* GraphicControlAt(POINT p) const;
  void SetMouseControl(TControl* control);
  bool ReflectToChild(TMessage& message);
  void TrackMouse();

  TControl* mouseControl_ = nullptr;
  TControl* captureControl_ = nullptr;
  bool aligning_ = false;
};

// A canvas on a control: the paint DC during WM_PAINT, otherwise one fetched
// from the window (or the parent's window for graphic controls).
class TControlCanvas : public TCanvas {
public:
  explicit TControlCanvas(TControl* control) : control_(control) {}
  ~TControlCanvas() override { FreeHandle(); }
  void FreeHandle();

protected:
  void CreateHandle() override;

private:
  TControl* control_;
  HWND ownWnd_ = nullptr;
  HDC ownDC_ = nullptr;
};

// Windowless controls painted by their parent.
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* owner);
  std::string ClassName() const override { return "TGraphicControl"; }
  TCanvas& Canvas() { return canvas_; }

protected:
  void WndProc(TMessage& message) override;
  virtual void Paint() {}
  TControlCanvas canvas_{this};
};

// Windowed controls that paint themselves on a canvas.
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* owner);
  std::string ClassName() const override { return "TCustomControl"; }
  TCanvas& Canvas() { return canvas_; }

protected:
  void PaintWindow(HDC dc) override;
  bool OwnPaint() const override { return true; }
  virtual void Paint() {}
  TControlCanvas canvas_{this};
};

// Reports an exception that escaped a message handler (the application's
// handler once there is an application object).
void HandleWindowException();
void SetWindowExceptionHandler(std::function<void()> handler);

}  // namespace pelorin
