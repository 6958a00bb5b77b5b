// TWinSkinForm: taking over a window, the replacement window procedure with
// its two passes, activation, fitting and giving the window back.
#include "formframe/WinSkinForm.h"

#include <commctrl.h>

#include "controls/Classification.h"
#include "controls/win/AttachControls.h"
#include "controls/win/WinSubClass.h"
#include "skinbase/win/WinGeometry.h"
#include "skinbase/win/WindowSubclass.h"
#include "host/win/Forms.h"
#include "host/win/Graphics.h"
#include "host/win/Grids.h"
#include "host/win/Messages.h"
#include "host/win/StdCtrls.h"
#include "menus/win/WinSkinMenu.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
TFrameManagerLink defaultLink;
TFrameManagerLink* currentLink = &defaultLink;

constexpr UINT_PTR HoverTimerId = 0x50E1;
// Posted when a menu was given to the window after it was skinned.
const UINT MenuArrivedMessage = RegisterWindowMessageW(L"Pelorin.Frame.MenuArrived");


std::string WindowClassName(HWND wnd) {
  char name[100] = {};
  GetClassNameA(wnd, name, sizeof name);
  return name;
}

bool IsFrameCommand(WPARAM command) {
  switch (command) {
    case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW:
    case SC_PREVWINDOW: case SC_CLOSE: case SC_RESTORE: return true;
    default: return false;
  }
}
}  // namespace

TFrameManagerLink& FrameManagerLink() { return *currentLink; }
void SetFrameManagerLink(TFrameManagerLink* link) { currentLink = link ? link : &defaultLink; }

TWinSkinForm::TWinSkinForm(TSkinData* skinData) : skin_(skinData) {}

TWinSkinForm::~TWinSkinForm() {
  *alive_ = false;
  Detach();
  FreeControlSkinners();
  WindowSkinners().Remove(wnd_, this);
  ClearSysButtons();
  if (savedRegion_) DeleteObject(savedRegion_);
}

void TWinSkinForm::AdoptControlSkinner(std::unique_ptr<TSkinControl> skinner) {
  if (skinner) controlSkinners_.push_back(std::move(skinner));
}

TCanvas& TWinSkinForm::SharedCanvas() {
  if (!sharedCanvas_) sharedCanvas_ = std::make_unique<TCanvas>();
  return *sharedCanvas_;
}

void TWinSkinForm::DropDetachedSkinners() {
  // A control's window destroyed (or made again) has left its skinner
  // detached: it goes, so the list never grows with re-created windows.
  std::erase_if(controlSkinners_, [this](const std::unique_ptr<TSkinControl>& s) {
    if (s->Attached()) return false;
    if (hotControl_ == s.get()) hotControl_ = nullptr;
    return true;
  });
}

void TWinSkinForm::AttachControls() {
  if (!form_) return;
  DropDetachedSkinners();
  pelorin::AttachControls(*this, *form_, skin_);
  // Windows a program made itself on the form (scroll bars, size grips).
  pelorin::AttachChildWindows(*this, wnd_, skin_);
}

void TWinSkinForm::AttachChildWindows() {
  DropDetachedSkinners();
  pelorin::AttachChildWindows(*this, wnd_, skin_);
}

void TWinSkinForm::FreeControlSkinners() {
  // Each gives its control back as it goes; the list is moved out first so a
  // skinner's detach never sees a half-cleared list.
  auto skinners = std::move(controlSkinners_);
  controlSkinners_.clear();
  skinners.clear();
  hotControl_ = nullptr;
}

void TWinSkinForm::SetSkinData(TSkinData* skinData) {
  skin_ = skinData;
  titleCacheValid_ = false;
}

void TWinSkinForm::ClearSysButtons() {
  CurrentObject = nullptr;
  buttonInputs_.clear();
  buttons_.clear();
}

void TWinSkinForm::AttachForm(TForm* form) {
  if (!form || subclass_) return;
  form_ = form;
  form->SetAutoScroll(false);
  savedFormProc_ = form->WindowProc();
  form->SetWindowProc([this](TMessage& m) { HostFormHook(m); });
  AttachWindow(form->Handle());
  if (!subclass_) {
    form->SetWindowProc(savedFormProc_);
    form_ = nullptr;
    return;
  }
  savedFormColor_ = form->Color();
  if (skin_) {
    form->SetColor(skin_->colors[csButtonFace]);
    ColourOwnedControls();
  }
  PrepareMenus(true);
}

void TWinSkinForm::AttachWindow(HWND hwnd) {
  // One skinner per window: a second would paint over the first and give
  // the wrong procedure back on detach.
  if (subclass_ || !hwnd || !IsWindow(hwnd) || WindowSkinners().Find(hwnd)) return;
  wnd_ = hwnd;
  destroyed_ = false;
  CreateCaptionFont();

  const auto style = static_cast<uint32_t>(GetWindowLongPtrW(wnd_, GWL_STYLE));
  const auto exStyle = static_cast<uint32_t>(GetWindowLongPtrW(wnd_, GWL_EXSTYLE));
  systemMenu_ = GetSystemMenu(wnd_, FALSE);
  LoadFormIcon();
  captionKnown_ = false;

  RECT wr, cr;
  GetWindowRect(wnd_, &wr);
  GetClientRect(wnd_, &cr);
  unskinnedFrame_ = {(wr.right - wr.left) - cr.right, (wr.bottom - wr.top) - cr.bottom};

  facts_.SavedStyles = SavedStylesFrom(style, systemMenu_ != nullptr);
  UpdateWindowState();
  for (HWND child = GetTopWindow(wnd_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowClassName(child) == "MDIClient") {
      mdiClient_ = child;
      mdiRole_ = mrFrame;
      FrameManagerLink().SetMdiClient(child);
      break;
    }
  }
  if (exStyle & WS_EX_MDICHILD) mdiRole_ = mrChild;
  facts_.Kind = FrameKindFromStyles(style, exStyle);
  windowMenu_ = GetMenu(wnd_);
  AttachMenuBar();

  // The window's own region comes back on Detach.
  HRGN saved = CreateRectRgn(0, 0, 0, 0);
  if (saved && GetWindowRgn(wnd_, saved) != ERROR) {
    savedRegion_ = saved;
  } else if (saved) {
    DeleteObject(saved);
  }

  subclass_ = std::make_unique<TWindowSubclass>(wnd_, &FrameProc, this);
  if (!subclass_->Installed()) {
    subclass_.reset();
    DetachMenuBar();
    return;
  }
  WindowSkinners().Add(wnd_, this);
  if (!(mdiRole_ == mrChild && FrameManagerLink().MdiMax())) SetSysStyles(false);
  if (mdiRole_ == mrFrame) mdiClientSubclass_ = std::make_unique<TWindowSubclass>(mdiClient_, &MdiClientProc, this);
  LoadSkinMetrics();
  if (form_) {
    AttachControls();
  } else {
    AttachChildWindows();
  }
  InvalidateRect(wnd_, nullptr, TRUE);
}

void TWinSkinForm::Detach() {
  FreeControlSkinners();
  if (!subclass_) return;
  SetHoverTimer(false);
  const bool windowAlive = !destroyed_ && IsWindow(wnd_);
  if (windowAlive) SetSysStyles(true);
  if (form_) form_->SetWindowProc(savedFormProc_);
  subclass_.reset();
  WindowSkinners().Remove(wnd_, this);
  if (form_) {
    PrepareMenus(false);
    if (stage_ != stDetach) {
      form_->SetColor(savedFormColor_);
      RestoreOwnedControls();
    }
    savedGridColors_.clear();
    savedLabelFonts_.clear();
  }
  mdiClientSubclass_.reset();
  DetachMenuBar();
  titleCache_.Clear();
  CurrentObject = nullptr;

  if (windowAlive) {
    // Only a window that was fitted to the skinned frame changes size back;
    // a maximised one is sized by the system.
    if (frameApplied_ && facts_.State == nwNormal) {
      RECT wr;
      GetWindowRect(wnd_, &wr);
      const TSize size = UnskinnedWindowSize({wr.right - wr.left, wr.bottom - wr.top}, unskinnedFrame_, metrics_);
      SetWindowPos(wnd_, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    } else {
      FrameChanged();
    }
    SetWindowRgn(wnd_, savedRegion_, TRUE);  // null gives the plain window back
    savedRegion_ = nullptr;
  }
  regionSet_ = false;
  frameApplied_ = false;
  stage_ = stage_ == stDetach ? stDetach : stNone;
}

void TWinSkinForm::CreateCaptionFont() {
  titleCacheValid_ = false;
  captionSizeKnown_ = false;
  captionFont_ = std::make_unique<TFont>();
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) captionFont_->SetLogFont(ncm.lfCaptionFont);
}

void TWinSkinForm::UpdateWindowState() {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  if (!GetWindowPlacement(wnd_, &wp)) return;
  if (IsIconic(wnd_)) {
    facts_.State = nwMinimized;
  } else if (IsZoomed(wnd_) || wp.showCmd == SW_SHOWMAXIMIZED) {
    facts_.State = nwMaximized;
  } else if (wp.showCmd == SW_SHOWMINIMIZED || wp.showCmd == SW_MINIMIZE || wp.showCmd == SW_SHOWMINNOACTIVE) {
    facts_.State = nwMinimized;
  } else {
    facts_.State = nwNormal;
  }
}

void TWinSkinForm::SetSysStyles(bool restore) {
  if (!wnd_) return;
  if (!restore && mdiRole_ == mrChild && FrameManagerLink().MdiMax()) return;
  const auto style = static_cast<uint32_t>(GetWindowLongPtrW(wnd_, GWL_STYLE));
  const uint32_t wanted = StyleWithSysStyles(style, facts_.SavedStyles, restore);
  if (wanted != style) SetWindowLongPtrW(wnd_, GWL_STYLE, static_cast<LONG_PTR>(wanted));
}

void TWinSkinForm::LoadSkinMetrics() {
  if (!skin_ || skin_->Empty || !wnd_) return;
  RECT cr;
  GetClientRect(wnd_, &cr);
  clientRect_ = ToRect(cr);
  // Read once per skin: asking at every paint costs a fair part of the paint.
  systemTitleHeight_ = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  // The menu bar's room, when there is one, lies under the title.
  metrics_ = MeasureFrame(*skin_, facts_.Kind, MenuBarHeight());
  titleCacheValid_ = false;  // another skin or another frame: the title is composed anew
  ClearSysButtons();
  for (const auto& entry : skin_->SysButtons) buttons_.push_back(std::make_unique<TWinSysButton>(*this, *entry));
}

void TWinSkinForm::FitFrame(int menuLines) {
  if (!wnd_) return;
  if (facts_.State == nwMaximized) {
    FrameChanged();
    return;
  }
  const TSize size = FittedWindowSize({clientRect_.Width(), clientRect_.Height()}, metrics_, menuLines);
  SetWindowPos(wnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::MenuArrived() {
  if (menuBar_ || destroyed_ || !subclass_ || mdiRole_ == mrChild || !skin_ || skin_->Empty) return;
  windowMenu_ = GetMenu(wnd_);
  if (!windowMenu_) return;
  AttachMenuBar();
  if (!menuBar_) return;
  // The bar takes its room from the client area, as the native bar did.
  metrics_ = MeasureFrame(*skin_, facts_.Kind, MenuBarHeight());
  titleCacheValid_ = false;
  FrameChanged();
  RedrawWindow(wnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TWinSkinForm::FrameChanged() {
  if (wnd_) SetWindowPos(wnd_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::Activate() {
  // A skin that failed to load has no frame to fit: the window keeps its own
  // until a loaded skin is applied.
  if (!skin_ || skin_->Empty) return;
  if (stage_ == stNone) {
    if (mdiRole_ == mrChild && FrameManagerLink().MdiMax()) {
      SetSysStyles(true);
    } else {
      stage_ = stActivating;
      frameApplied_ = true;
      FitFrame(0);
      stage_ = stActive;
      BuildRegion();
      RedrawWindow(wnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
  }
  stage_ = stActive;
  SetHoverTimer(facts_.Active);
}

void TWinSkinForm::ApplySkinChange() {
  if (!wnd_ || !subclass_ || !skin_ || skin_->Empty) return;
  // The client size to keep, from the window and the frame as painted now:
  // GetClientRect may already disagree with the old frame (a frame change
  // before this call makes the system recompute the client area).
  const TRect keptClient = stage_ == stNone ? TRect{} : ClientInWindow();
  // Drops the old title-bar buttons and makes the new skin's.
  LoadSkinMetrics();
  if (!keptClient.IsEmpty()) clientRect_ = Rect(0, 0, keptClient.Width(), keptClient.Height());
  RemoveRegion();
  const TColor face = skin_->colors[csButtonFace];
  if (form_) {
    form_->SetColor(face);
    for (int i = 0; i < form_->ComponentCount(); ++i)
      if (auto* owned = dynamic_cast<TCustomForm*>(form_->Components(i))) owned->SetColor(face);
    ColourOwnedControls();
  }
  stage_ = stReskin;
  // By index: a skinner may adopt another (a list view's new header) meanwhile.
  for (size_t i = 0; i < controlSkinners_.size(); ++i) controlSkinners_[i]->ApplySkinChange(skin_);
  // Controls made since the last attach, or families the old skin left out,
  // get their skinners now; those skinned already are left alone.
  if (form_) {
    AttachControls();
  } else {
    AttachChildWindows();
  }
  if (form_) PrepareMenus(true);
  frameApplied_ = true;
  FitFrame(1);
  // A resize has rebuilt the region for the new skin already (WM_SIZE while
  // re-skinning); a second build would only cost the window another repaint.
  if (!regionSet_) BuildRegion();
  stage_ = stActive;
  RedrawWindow(wnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::ColourOwnedControls() {
  const TColor face = skin_->colors[csButtonFace], text = skin_->colors[csButtonText];
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    TComponent* c = form_->Components(i);
    if (auto* grid = dynamic_cast<TCustomGrid*>(c)) {
      savedGridColors_.try_emplace(grid, grid->FixedColor());  // the colour before any skin
      grid->SetFixedColor(face);
    } else if (auto* label = dynamic_cast<TLabel*>(c); label && !DisabledByTag(label->Tag(), skin_->DisableTag)) {
      // A colour the designer chose is kept; only the default text colour follows the skin.
      const TColor own = label->Font().Color();
      const bool followed = savedLabelFonts_.count(label) != 0;
      if (!followed && own != clWindowText && own != clBtnText && own != clDefault) continue;
      if (!followed) savedLabelFonts_.emplace(label, TSavedLabelFont{own, label->ParentFont()});
      label->Font().SetColor(text);
    }
  }
}

void TWinSkinForm::RestoreOwnedControls() {
  // Only controls the form still owns: one freed meanwhile is never touched.
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    TComponent* c = form_->Components(i);
    if (auto* grid = dynamic_cast<TCustomGrid*>(c)) {
      if (auto it = savedGridColors_.find(grid); it != savedGridColors_.end()) grid->SetFixedColor(it->second);
    } else if (auto* label = dynamic_cast<TLabel*>(c)) {
      if (auto it = savedLabelFonts_.find(label); it != savedLabelFonts_.end()) {
        label->Font().SetColor(it->second.Color);
        if (it->second.ParentFont) label->SetParentFont(true);
      }
    }
  }
}

void TWinSkinForm::HostFormHook(TMessage& message) {
  consumed_ = false;
  switch (message.Msg) {
    case WM_SETTEXT:
      if (savedFormProc_) savedFormProc_(message);
      FrameChanged();
      consumed_ = true;
      return;
    case WM_SKIN_RESKIN:
      ApplySkinChange();
      return;
    case CM_DIALOGCHAR:
      // Alt and a key in any control of the form arrives here, never as the
      // form's system command: the skinned bar answers before the controls.
      if (menuBar_ && menuBar_->MenuKey(static_cast<unsigned>(message.WParam))) {
        message.Result = 1;
        consumed_ = true;
        return;
      }
      if (savedFormProc_) savedFormProc_(message);
      return;
    default:
      if (savedFormProc_) savedFormProc_(message);
  }
}

LRESULT TWinSkinForm::FrameProc(void* self, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  return static_cast<TWinSkinForm*>(self)->SkinWndProc(msg, wParam, lParam);
}

LRESULT TWinSkinForm::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Reads nothing of this object after the call: the old procedure may end
  // with the window destroyed and this skinner freed.
  return subclass_->CallNext(msg, wParam, lParam);
}

bool TWinSkinForm::InPassTwo() const {
  if (stage_ == stNone || facts_.State == nwMinimized) return false;
  return !(mdiRole_ == mrChild && facts_.State == nwMaximized);
}

TRect TWinSkinForm::ClientInWindow() const {
  const TSize size = WindowSize();
  return SkinnedClientRect(Rect(0, 0, size.cx, size.cy), metrics_);
}

LRESULT TWinSkinForm::SkinWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (destroyed_) return CallOld(msg, wParam, lParam);
  const std::shared_ptr<bool> alive = alive_;
  switch (msg) {
    case WM_NCACTIVATE:
      facts_.Active = wParam != 0;
      break;
    case WM_ACTIVATE:
      facts_.Active = LOWORD(wParam) != WA_INACTIVE;
      break;
    case WM_DESTROY:
      // From here on every message goes straight to the window's own procedure.
      destroyed_ = true;
      SetHoverTimer(false);
      mdiClientSubclass_.reset();
      return CallOld(msg, wParam, lParam);
    case WM_SIZE: {
      const LRESULT r = CallOld(msg, wParam, lParam);
      if (!*alive) return r;
      if (wParam == SIZE_RESTORED) facts_.State = nwNormal;
      if (wParam == SIZE_MINIMIZED) facts_.State = nwMinimized;
      if (wParam == SIZE_MAXIMIZED) facts_.State = nwMaximized;
      const bool mdiHeld = mdiRole_ == mrChild && (FrameManagerLink().MdiMax() || facts_.State == nwMaximized);
      if (facts_.State != nwMinimized && !mdiHeld && Painting()) BuildRegion();
      return r;
    }
    case WM_ERASEBKGND:
      if (!form_ && skin_ && skin_->FaceBrush.Exists()) {
        CallOld(msg, wParam, lParam);
        if (!*alive) return 1;
        RECT cr;
        GetClientRect(wnd_, &cr);
        FillRect(reinterpret_cast<HDC>(wParam), &cr, static_cast<HBRUSH>(skin_->FaceBrush.Handle()));
        return 1;
      }
      break;
    case WM_GETMINMAXINFO: {
      const LRESULT r = CallOld(msg, wParam, lParam);
      if (!*alive) return r;
      UpdateWindowState();
      SetSysStyles(facts_.State == nwMinimized);
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
      return r;
    }
    case WM_WINDOWPOSCHANGED:
      UpdateWindowState();
      return CallOld(msg, wParam, lParam);
    case WM_COMMAND:
      if (lParam == 0 && IsFrameCommand(LOWORD(wParam))) {
        PostMessageW(wnd_, WM_SYSCOMMAND, LOWORD(wParam), 0);
        return 0;
      }
      break;
    case WM_SYSCOMMAND: {
      const WPARAM command = wParam & 0xFFF0;
      if (command == SC_KEYMENU && lParam != ' ' && lParam != '-' && !GetCapture() && lParam == 0) return 1;
      if (command == SC_MINIMIZE) {
        facts_.State = nwMinimized;
        if (mdiRole_ == mrChild) SetSysStyles(true);
      } else if (command == SC_MAXIMIZE) {
        facts_.State = nwMaximized;
      } else if (command == SC_RESTORE) {
        facts_.State = nwNormal;
        if (mdiRole_ == mrChild) SetSysStyles(false);
      }
      return CallOld(msg, wParam, lParam);
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
      // Static text, group-box and check-box captions and the dialog's own
      // background take the skin's face and text colours: the system's black
      // text would be unreadable on a dark face.
      if (!form_ && skin_ && !skin_->Empty && skin_->FaceBrush.Exists()) {
        CallOld(msg, wParam, lParam);
        if (!*alive) return 0;
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetBkColor(dc, ToColorRef(skin_->colors[csButtonFace]));
        SetTextColor(dc, ToColorRef(skin_->colors[csButtonText]));
        return reinterpret_cast<LRESULT>(skin_->FaceBrush.Handle());
      }
      break;
    case WM_SETTEXT: {
      // The system draws the new title straight onto the frame: draw ours over it.
      const LRESULT r = CallOld(msg, wParam, lParam);
      if (!*alive) return r;
      captionKnown_ = false;
      if (InPassTwo()) PaintFrame();
      return r;
    }
    case WM_TIMER:
      if (wParam == HoverTimerId) {
        HoverTick();
        return 0;
      }
      break;
    case WM_SKIN_ACTIVATE:
      if (lParam == SkinActivateLParam) {
        Activate();
        return 0;
      }
      break;
    case WM_SKIN_ATTACHCHILDREN: {
      // One walk for however many children were made since the last.
      MSG pending;
      while (PeekMessageW(&pending, wnd_, WM_SKIN_ATTACHCHILDREN, WM_SKIN_ATTACHCHILDREN, PM_REMOVE | PM_NOYIELD)) {}
      if (stage_ != stNone && skin_ && !skin_->Empty) {
        if (form_) {
          AttachControls();
        } else {
          AttachChildWindows();
        }
      }
      return 0;
    }
    case WM_NCCALCSIZE:
      // A window may get its menu after it was skinned (a form that is
      // activated while it is being created): the bar follows once the
      // system is done with this frame change.
      if (!menuBar_ && mdiRole_ != mrChild && GetMenu(wnd_)) PostMessageW(wnd_, MenuArrivedMessage, 0, 0);
      break;
    default:
      if (msg == MenuArrivedMessage && MenuArrivedMessage) {
        MenuArrived();
        return 0;
      }
      break;
  }
  if (InPassTwo()) {
    LRESULT result = 0;
    if (PassTwo(msg, wParam, lParam, result)) return result;
  }
  return CallOld(msg, wParam, lParam);
}

bool TWinSkinForm::PassTwo(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const std::shared_ptr<bool> alive = alive_;
  switch (msg) {
    case WM_NCCALCSIZE: {
      if (!wParam) {
        auto* r = reinterpret_cast<RECT*>(lParam);
        const TRect window = ToRect(*r);
        CallOld(msg, wParam, lParam);
        if (*alive) *r = ToRECT(SkinnedClientRect(window, metrics_));
        result = 0;
        return true;
      }
      auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
      const WINDOWPOS pos = *p->lppos;
      CallOld(msg, wParam, lParam);
      if (!*alive) return true;
      if (mdiRole_ == mrChild && facts_.State != nwNormal) {
        p->rgrc[1] = p->rgrc[2] = p->rgrc[0];
      } else {
        const RECT client = ToRECT(SkinnedClientRect(Bounds(pos.x, pos.y, pos.cx, pos.cy), metrics_));
        p->rgrc[0] = p->rgrc[1] = p->rgrc[2] = client;
      }
      result = WVR_REDRAW;
      return true;
    }
    case WM_NCHITTEST: {
      result = CallOld(msg, wParam, lParam);
      if (!*alive) return true;
      RECT wr;
      GetWindowRect(wnd_, &wr);
      const TPoint p{PointFromLParam(lParam).X - wr.left, PointFromLParam(lParam).Y - wr.top};
      const TSize size{wr.right - wr.left, wr.bottom - wr.top};
      const int skinned = FrameHitTest(p, size, metrics_, facts_.Kind == frSizeable, facts_.State == nwMaximized,
                                       GetSystemMetrics(SM_CXSIZEFRAME));
      // Inside the client area the window's own answer stands.
      if (skinned != ht::Client) result = skinned;
      return true;
    }
    case WM_NCPAINT: {
      HDC dc = nullptr;
      if (wParam > 1) dc = GetDCEx(wnd_, reinterpret_cast<HRGN>(wParam), DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE);
      if (!dc) dc = GetWindowDC(wnd_);
      PaintFrame(dc);
      ReleaseDC(wnd_, dc);
      result = 0;
      return true;
    }
    case WM_NCACTIVATE:
      facts_.Active = wParam != 0;
      SetHoverTimer(facts_.Active);
      if (!facts_.Active) LeaveHotControl(true);
      if (!*alive) {
        result = TRUE;
        return true;
      }
      // -1: the system must not draw its own frame over ours.
      result = CallOld(msg, wParam, -1);
      if (*alive) PaintFrame();
      return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return HandleNCMouse(msg, wParam, lParam, result);
    case WM_SKIN_FRAMEREPAINT:
      PaintFrame();
      result = 0;
      return true;
    default:
      return false;
  }
}

LRESULT TWinSkinForm::MdiClientProc(void* self, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  return static_cast<TWinSkinForm*>(self)->MdiClientWndProc(msg, wParam, lParam);
}

LRESULT TWinSkinForm::MdiClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindowSubclass& client = *mdiClientSubclass_;
  switch (msg) {
    case WM_MDICREATE: {
      const LRESULT r = client.CallNext(msg, wParam, lParam);
      lastMdiChild_ = reinterpret_cast<HWND>(r);
      return r;
    }
    case WM_MDIREFRESHMENU:
      if (lastMdiChild_) {
        FrameManagerLink().SkinWindow(lastMdiChild_);
        PostMessageW(wnd_, WM_SKIN_FRAMEREPAINT, 0, 0);
      }
      return client.CallNext(msg, wParam, lParam);
    case WM_MDIDESTROY: {
      FrameManagerLink().ReleaseWindow(reinterpret_cast<HWND>(wParam));
      const std::shared_ptr<bool> alive = alive_;
      const LRESULT r = client.CallNext(msg, wParam, lParam);
      if (*alive) FrameManagerLink().SetMdiMax(HasMaximizedMDIChild());
      return r;
    }
    case WM_NCCALCSIZE: {
      const auto style = GetWindowLongPtrW(client.Window(), GWL_STYLE);
      SetWindowLongPtrW(client.Window(), GWL_STYLE, style & ~LONG_PTR(WS_HSCROLL | WS_VSCROLL));
      return client.CallNext(msg, wParam, lParam);
    }
    default:
      return client.CallNext(msg, wParam, lParam);
  }
}

bool TWinSkinForm::HasMaximizedMDIChild() const {
  if (mdiRole_ != mrFrame || !mdiClient_) return false;
  BOOL maximised = FALSE;
  const HWND active = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
  return active && maximised;
}

}  // namespace pelorin
