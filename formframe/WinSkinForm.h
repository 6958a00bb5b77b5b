// TWinSkinForm: the per-window skinner of a top-level window's frame. It takes
// over the non-client area (size, painting, hit testing, title-bar buttons)
// and gives everything back on Detach. Win32 build only.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/ControlHost.h"
#include "formframe/FrameLayout.h"
#include "formframe/FrameMetrics.h"
#include "formframe/FrameTypes.h"
#include "formframe/TitleButtons.h"
#include "host/core/Bitmap.h"
#include "host/core/Geometry.h"
#include "host/win/Messages.h"
#include "skinbase/SkinMessages.h"
#include "skinbase/SkinnerRegistry.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin {

class TSkinData;
class TForm;
class TCustomGrid;
class TLabel;
class TWindowSubclass;
class TFont;
class TWinSkinForm;
class TWinSkinMenu;
class TSkinMenuItems;
class TSkinControl;
class TCanvas;

// What the frame needs of the Windows skin manager. The manager installs it;
// without it a skinner works on its own (no MDI sharing, no re-offering).
struct TFrameManagerLink {
  virtual ~TFrameManagerLink() = default;
  // An MDI child is shown maximised.
  virtual bool MdiMax() const { return false; }
  virtual void SetMdiMax(bool) {}
  virtual HWND MdiClient() const { return nullptr; }
  virtual void SetMdiClient(HWND) {}
  // A new MDI child to offer to the manager, a destroyed one to release.
  virtual void SkinWindow(HWND) {}
  virtual void ReleaseWindow(HWND) {}
  // The main skin's icon image, for windows that have no icon when their own
  // skin has none either (the application's icon comes after it).
  virtual const TBitmap* MainIconBitmap() const { return nullptr; }
};
// The link in force (never null: a do-nothing link when none was set).
TFrameManagerLink& FrameManagerLink();
// Installs link (not owned; nullptr puts the do-nothing link back).
void SetFrameManagerLink(TFrameManagerLink* link);

// A title-bar button on a live window: paints itself on the window DC when
// its state changes.
class TWinSysButton : public TNCObject {
public:
  TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& skinButton);
  const TDataSkinSysButton& SkinButton() const { return *skinButton_; }
  // The image the button shows: the window icon for icon buttons without an
  // image of their own (the skin's record is shared and left untouched).
  const TBitmap& Image() const;
  int FrameCount() const;
  void Paint() override;

private:
  TWinSkinForm& form_;
  const TDataSkinSysButton* skinButton_;
  bool showsIcon_ = false;
};

class TWinSkinForm : public TWindowSkinner, public TNCObjectOwner, public TControlSkinnerHost {
public:
  explicit TWinSkinForm(TSkinData* skinData);
  ~TWinSkinForm() override;
  TWinSkinForm(const TWinSkinForm&) = delete;
  TWinSkinForm& operator=(const TWinSkinForm&) = delete;

  // A host framework form: its WindowProc is hooked, its colour set to the
  // skin's button face, then the window is attached.
  void AttachForm(TForm* form);
  // Any top-level window (message boxes, standard dialogs). Nothing happens
  // when this skinner is already attached.
  void AttachWindow(HWND hwnd);
  // Gives back window procedure, styles, size, region and form colour.
  void Detach();
  // A new skin: re-measure, drop the region, recolour, refit, rebuild region.
  void ApplySkinChange();
  // Frees the title-bar button objects (their skin records are going away).
  void ClearSysButtons();

  // Measures the frame from the skin and makes the title-bar buttons.
  void LoadSkinMetrics();
  // Window region from the borders' key-coloured pixels (or a rectangle).
  void BuildRegion();
  void RemoveRegion();
  // restore = true puts the system caption buttons' styles back.
  void SetSysStyles(bool restore);
  // Resizes the window so the client area keeps its measured size.
  void FitFrame(int menuLines);
  // Makes the system recompute and repaint the frame.
  void FrameChanged();
  // The frame drawn on dc (window coordinates), or on the window DC when null.
  void PaintFrame(HDC dc = nullptr);

  HWND Handle() const { return wnd_; }
  TForm* Form() const { return form_; }
  TSkinData* SkinData() const { return skin_; }
  void SetSkinData(TSkinData* skinData);

  TSkinFormStage Stage() const { return stage_; }
  void SetStage(TSkinFormStage stage) { stage_ = stage; }
  TMdiRole MdiRole() const { return mdiRole_; }
  TNCWindowState WindowState() const { return facts_.State; }
  void SetWindowState(TNCWindowState state) { facts_.State = state; }
  TFrameKind FrameKind() const { return facts_.Kind; }
  bool HasRegion() const { return regionSet_; }
  bool IsActive() const { return facts_.Active; }
  bool Attached() const { return subclass_ != nullptr; }
  // Frame sizes in pixels (the menu bar height included).
  const TFrameMetrics& Metrics() const { return metrics_; }
  const std::vector<std::unique_ptr<TWinSysButton>>& SysButtons() const { return buttons_; }
  // The skinned menu bar, or none.
  TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
  // Where the caption text (with its back image margins) went at the last
  // layout (a paint or a button search).
  const TRect& CaptionTextRect() const { return captionTextRect_; }
  const TBitmap& FormIcon() const { return formIcon_; }
  // How many times a region was built (tests: moves must not rebuild).
  int RegionBuilds() const { return regionBuilds_; }
  int DisableTag = 99;

  // The control skinners of this form; they go with the form skinner.
  void AdoptControlSkinner(std::unique_ptr<TSkinControl> skinner) override;
  TSkinControl* HotControl() const override { return hotControl_; }
  void SetHotControl(TSkinControl* skinner) override { hotControl_ = skinner; }
  bool ReleasingSkin() const override { return stage_ == stDetach; }
  bool RepaintsAll() const override { return stage_ == stReskin; }
  TCanvas& SharedCanvas() override;
  const std::vector<std::unique_ptr<TSkinControl>>& ControlSkinners() const { return controlSkinners_; }

private:
  friend class TWinSysButton;
  static LRESULT FrameProc(void* self, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT MdiClientProc(void* self, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  LRESULT SkinWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  bool PassTwo(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT MdiClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  bool InPassTwo() const;
  bool Painting() const { return stage_ == stActive || stage_ == stReskin; }
  void Activate();
  void UpdateWindowState();
  void LoadFormIcon();
  void CreateCaptionFont();
  void HostFormHook(TMessage& message);
  // The host form's grids show their fixed cells in the skin's face colour
  // and its labels in the default text colour take the skin's text colour
  // (dark text stays legible on a dark skin) while skinned; Restore gives
  // each the colour it had before, and a label its parent's font.
  void ColourOwnedControls();
  void RestoreOwnedControls();

  // Layout and painting
  // The frame laid out for a window of this size in its current state; the
  // buttons take their places and visibility from it.
  TFrameLayout LayOutNow(TSize window);
  TSize WindowSize() const;
  // The window text with the caption suffix, read again only after WM_SETTEXT.
  const std::wstring& CaptionText();
  // The caption text's size in the caption font, measured when text or font change.
  TSize CaptionTextSize();
  void PaintTitleBar(TBitmap& frame, const TFrameLayout& layout);
  void DrawCaptionText(TBitmap& target, const TRect& draw, TColor colour);
  TRect ClientInWindow() const;

  // Title-bar buttons and the mouse
  // Lays the buttons out for the window's current size first.
  TWinSysButton* FindSysButtonAt(TPoint p);
  TPoint NCPointFromScreen(TPoint screen) const;
  bool HandleNCMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void DoSysButtonAction(TPoint screen);
  void HoverTick();
  void SetHoverTimer(bool on);
  void Restore();
  bool HasMaximizedMDIChild() const;
  void SendToMdiChild(UINT command);

  // Menu bar and menu items (FrameMenuBar.cpp).
  void AttachMenuBar();
  // A menu set on the window after skinning: its skinned bar is made now.
  void MenuArrived();
  void DetachMenuBar();
  void PrepareMenus(bool on);
  int MenuBarHeight() const;
  void PaintMenuBarInto(TBitmap& frame, int width);
  void PaintMdiButtons(TBitmap& bar);
  // Controls: the buttons for now; the classification of every control kind
  // takes these over.
  void AttachControls();
  void AttachChildWindows();
  void DropDetachedSkinners();
  // The hot button notices the mouse left it (hover timer, deactivation).
  void LeaveHotControl(bool always);
  void FreeControlSkinners();

  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  bool destroyed_ = false;
  std::vector<std::unique_ptr<TSkinControl>> controlSkinners_;
  TSkinControl* hotControl_ = nullptr;
  std::unique_ptr<TCanvas> sharedCanvas_;
  bool frameApplied_ = false;  // the window was resized to the skinned frame
  HRGN savedRegion_ = nullptr;  // the window's own region before skinning
  TSkinData* skin_ = nullptr;
  TForm* form_ = nullptr;
  HWND wnd_ = nullptr;
  std::unique_ptr<TWindowSubclass> subclass_;
  std::unique_ptr<TWindowSubclass> mdiClientSubclass_;
  HWND mdiClient_ = nullptr;
  HWND lastMdiChild_ = nullptr;
  TWndMethod savedFormProc_;
  bool consumed_ = false;
  bool hoverOn_ = false;
  std::unique_ptr<TFont> captionFont_;
  std::string captionSuffix_ = "   ";
  std::wstring caption_;  // the window text and suffix, valid while captionKnown_
  bool captionKnown_ = false;
  TSize captionSize_{};  // caption_ measured, valid while captionSizeKnown_
  bool captionSizeKnown_ = false;

  TFrameFacts facts_;  // styles, kind, active: what visibility rules read
  TFrameMetrics metrics_;
  TRect clientRect_;
  int systemTitleHeight_ = 0;  // the system's caption and frame height
  TRect captionTextRect_;
  TSize unskinnedFrame_{};
  TSize regionSize_{};
  HMENU windowMenu_ = nullptr;
  HMENU systemMenu_ = nullptr;
  TColor savedFormColor_ = 0;
  // Looked up only for grids and labels the form owns.
  std::map<const TCustomGrid*, TColor> savedGridColors_;
  struct TSavedLabelFont {
    TColor Color;
    bool ParentFont;
  };
  std::map<const TLabel*, TSavedLabelFont> savedLabelFonts_;
  bool regionSet_ = false;
  int regionBuilds_ = 0;
  TMdiRole mdiRole_ = mrNoMdi;
  TSkinFormStage stage_ = stNone;
  std::vector<std::unique_ptr<TWinSysButton>> buttons_;
  std::vector<TTitleButtonInput> buttonInputs_;  // the layout's view of buttons_
  std::unique_ptr<TWinSkinMenu> menuBar_;
  std::unique_ptr<TSkinMenuItems> menuItems_;
  TBitmap formIcon_;
  // The composed title before the buttons, and what it was composed for.
  TBitmap titleCache_;
  bool titleCacheValid_ = false;
  bool titleCacheActive_ = false;
  std::wstring titleCacheText_;
};

}  // namespace pelorin
