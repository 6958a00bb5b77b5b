// Forms, frames, the screen and the application object.
#include "host/win/Forms.h"

#include <windowsx.h>

#include <algorithm>

#include "host/core/MessageBox.h"
#include "host/win/Menus.h"
#include "host/win/platform/WideText.h"

namespace pelorin {

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

constexpr const wchar_t* kAppClass = L"TApplication";

LRESULT CALLBACK AppWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case CM_RELEASE: {
      // A form asked to be freed once its own handler had returned.
      auto* form = reinterpret_cast<TCustomForm*>(lParam);
      if (Screen)
        for (int i = 0; i < Screen->FormCount(); ++i)
          if (Screen->Forms(i) == form) {
            delete form;
            break;
          }
      return 0;
    }
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM: {
      // Popup menus shown without a form report to the application window.
      TMessage m{msg, wParam, lParam, 0};
      try {
        if (DispatchMenuMessage(m)) return m.Result;
      } catch (...) {
        HandleWindowException();
      }
      break;
    }
    default:
      break;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

BOOL CALLBACK DisableThreadWindow(HWND wnd, LPARAM lParam) {
  auto* list = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(lParam);
  if (wnd != list->first && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
    EnableWindow(wnd, FALSE);
    list->second.push_back(wnd);
  }
  return TRUE;
}

}  // namespace

// --- TScrollingWinControl ---

TScrollingWinControl::TScrollingWinControl(TComponent* owner) : TWinControl(owner) {}

void TScrollingWinControl::SetAutoScroll(bool value) {
  if (value == autoScroll_) return;
  autoScroll_ = value;
  if (!value) ScrollBy(scrollPos_.X, scrollPos_.Y);
  UpdateScrollBars();
}

TPoint TScrollingWinControl::ScrollRange() const {
  TPoint range;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* c = Controls(i);
    if (!c->Visible() || c->Align() != alNone) continue;
    range.X = std::max(range.X, c->Left() + c->Width() + scrollPos_.X);
    range.Y = std::max(range.Y, c->Top() + c->Height() + scrollPos_.Y);
  }
  return range;
}

void TScrollingWinControl::UpdateScrollBars() {
  if (!handle_) return;
  const TPoint range = autoScroll_ ? ScrollRange() : TPoint{};
  for (int bar : {SB_HORZ, SB_VERT}) {
    RECT rc{};
    GetClientRect(handle_, &rc);
    const int page = bar == SB_HORZ ? rc.right : rc.bottom;
    const int extent = bar == SB_HORZ ? range.X : range.Y;
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    if (extent > page) {
      si.nMax = extent - 1;
      si.nPage = static_cast<UINT>(page);
      si.nPos = bar == SB_HORZ ? scrollPos_.X : scrollPos_.Y;
    }
    SetScrollInfo(handle_, bar, &si, TRUE);
  }
  // Nothing left to scroll: bring the children back.
  SCROLLINFO h{sizeof h, SIF_POS, 0, 0, 0, 0, 0}, v = h;
  GetScrollInfo(handle_, SB_HORZ, &h);
  GetScrollInfo(handle_, SB_VERT, &v);
  if (h.nPos != scrollPos_.X || v.nPos != scrollPos_.Y) ScrollBy(scrollPos_.X - h.nPos, scrollPos_.Y - v.nPos);
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  scrollPos_.X -= dx;
  scrollPos_.Y -= dy;
  // Children move through SetBounds, so their recorded bounds follow the
  // scroll (Wine's ScrollWindowEx does not move child windows reliably).
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->Align() == alNone) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
  }
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TScrollingWinControl::WndProc(TMessage& m) {
  if ((m.Msg == WM_HSCROLL || m.Msg == WM_VSCROLL) && m.LParam == 0 && handle_) {
    const int bar = m.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(handle_, bar, &si);
    int pos = si.nPos;
    switch (LOWORD(m.WParam)) {
      case SB_LINEUP: pos -= 8; break;
      case SB_LINEDOWN: pos += 8; break;
      case SB_PAGEUP: pos -= static_cast<int>(si.nPage); break;
      case SB_PAGEDOWN: pos += static_cast<int>(si.nPage); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: pos = si.nTrackPos; break;
      case SB_TOP: pos = si.nMin; break;
      case SB_BOTTOM: pos = si.nMax; break;
      default: break;
    }
    pos = std::clamp(pos, si.nMin, std::max(si.nMin, si.nMax - std::max(0, static_cast<int>(si.nPage) - 1)));
    si.fMask = SIF_POS;
    si.nPos = pos;
    SetScrollInfo(handle_, bar, &si, TRUE);
    if (bar == SB_HORZ) ScrollBy(scrollPos_.X - pos, 0);
    else ScrollBy(0, scrollPos_.Y - pos);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
  if (m.Msg == WM_SIZE && autoScroll_) UpdateScrollBars();
}

// --- TCustomForm ---

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner) {
  visible_ = false;
  color_ = clBtnFace;
  brush_.SetColor(color_);
  parentFont_ = false;
  width_ = 320;
  height_ = 240;
  if (Screen) Screen->forms_.push_back(this);
}

TCustomForm::~TCustomForm() {
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
      if (Application) Application->HandleException(this);
    }
  }
  if (Screen) Screen->forms_.erase(std::remove(Screen->forms_.begin(), Screen->forms_.end(), this), Screen->forms_.end());
  if (menu_) menu_->RemoveFreeNotification(this);
  DestroyHandle();
  if (clientHandle_) clientHandle_ = nullptr;
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) menu_->SetWindow(nullptr);
  menu_ = menu;
  if (menu_) menu_->SetWindow(this);
  MenuChanged();
}

void TCustomForm::MenuChanged() {
  if (!handle_ || formStyle_ == fsMDIChild) return;
  ::SetMenu(handle_, menu_ ? menu_->Handle() : nullptr);
  DrawMenuBar(handle_);
  Perform(CM_MENUCHANGED);
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  formStyle_ = style;
  if (style == fsMDIChild) visible_ = true;
  RecreateWnd();
}

void TCustomForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
  p.WndParent = Application ? Application->Handle() : nullptr;
  p.Menu = nullptr;
  if (formStyle_ == fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
  if (formStyle_ == fsMDIChild) {
    TCustomForm* frame = Application ? Application->MainForm() : nullptr;
    if (!frame || frame->FormStyle() != fsMDIForm) throw Exception("Cannot create form. No MDI forms are currently active");
    frame->HandleNeeded();
    p.ExStyle |= WS_EX_MDICHILD;
    p.WndParent = frame->ClientHandle();
  }
}

void TCustomForm::CreateWindowHandle() {
  if (formStyle_ == fsMDIForm && !clientHandle_) {
    CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
    RECT rc{};
    GetClientRect(handle_, &rc);
    clientHandle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, rc.right,
                                    rc.bottom, handle_, nullptr, GetModuleHandleW(nullptr), &ccs);
  }
  if (menu_) MenuChanged();
  UpdateScrollBars();
}

void TCustomForm::DestroyWnd() {
  // The window would destroy the menu with itself; the menu object owns it.
  if (menu_) ::SetMenu(handle_, nullptr);
  clientHandle_ = nullptr;
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::Show() {
  SetVisible(true);
  HandleNeeded();
  ShowWindow(handle_, SW_SHOW);
  BringWindowToTop(handle_);
  if (OnShow) OnShow(this);
}

int TCustomForm::ShowModal() {
  if (visible_ || modal_) throw Exception("Cannot make a visible window modal");
  if (!Application) throw Exception("ShowModal needs an application object");
  HandleNeeded();
  std::pair<HWND, std::vector<HWND>> disabled{handle_, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableThreadWindow, reinterpret_cast<LPARAM>(&disabled));
  modal_ = true;
  modalResult_ = mrNone;
  try {
    Show();
    while (modalResult_ == mrNone && !Application->Terminated()) Application->HandleMessage();
  } catch (...) {
    modal_ = false;
    for (HWND w : disabled.second) EnableWindow(w, TRUE);
    throw;
  }
  // Give activation back before hiding, so another application does not get it.
  for (HWND w : disabled.second) EnableWindow(w, TRUE);
  Hide();
  modal_ = false;
  return modalResult_;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  TCloseAction action = formStyle_ == fsMDIChild ? caMinimize : caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: if (handle_) ShowWindow(handle_, SW_MINIMIZE); break;
    case caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::Release() {
  if (Application && Application->Handle()) PostMessageW(Application->Handle(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(this));
}

void TCustomForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      m.Result = 0;
      return;
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      if (DispatchMenuMessage(m)) return;
      break;
    case WM_SETCURSOR:
      if (Screen && Screen->Cursor() != crDefault) {
        Screen->SetCursor(Screen->Cursor());
        m.Result = TRUE;
        return;
      }
      break;
    case CM_DIALOGCHAR: {
      // The first control (depth first) that owns the accelerator acts.
      std::function<bool(TWinControl*)> walk = [&](TWinControl* w) {
        for (int i = 0; i < w->ControlCount(); ++i) {
          TControl* c = w->Controls(i);
          if (c->DialogChar(static_cast<unsigned>(m.WParam))) return true;
          if (auto* cw = dynamic_cast<TWinControl*>(c); cw && cw->Visible() && walk(cw)) return true;
        }
        return false;
      };
      if (walk(this)) {
        m.Result = 1;
        return;
      }
      break;
    }
    case WM_SIZE:
      TScrollingWinControl::WndProc(m);
      if (clientHandle_) {
        const TRect r = ClientRect();
        MoveWindow(clientHandle_, r.Left, r.Top, r.Width(), r.Height(), TRUE);
      }
      return;
    default:
      break;
  }
  TScrollingWinControl::WndProc(m);
}

void TCustomForm::DefaultHandler(TMessage& m) {
  if (handle_ && !(m.Msg >= CM_BASE && m.Msg < CN_BASE + 0x400)) {
    if (formStyle_ == fsMDIForm && m.Msg != WM_SIZE) {
      m.Result = DefFrameProcW(handle_, clientHandle_, m.Msg, m.WParam, m.LParam);
      return;
    }
    if (formStyle_ == fsMDIChild) {
      m.Result = DefMDIChildProcW(handle_, m.Msg, m.WParam, m.LParam);
      return;
    }
  }
  TScrollingWinControl::DefaultHandler(m);
}

TCustomFrame::TCustomFrame(TComponent* owner) : TScrollingWinControl(owner) {
  color_ = clBtnFace;
  brush_.SetColor(color_);
  width_ = 320;
  height_ = 240;
}

// --- TScreen ---

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) menuFont_.SetLogFont(ncm.lfMenuFont);
  menuFont_.SetColor(clMenuText);
}

TCustomForm* TScreen::ActiveForm() const {
  return dynamic_cast<TCustomForm*>(TWinControl::FindControl(GetActiveWindow()));
}

void TScreen::SetCursor(int cursor) {
  cursor_ = cursor;
  LPSTR id = IDC_ARROW;  // the ids are integers either way
  switch (cursor) {
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crHandPoint: id = IDC_HAND; break;
    default: break;
  }
  ::SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(id)));
}

// --- TApplication ---

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  Application = this;
  Screen = new TScreen(this);
  wchar_t path[MAX_PATH]{};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name = path;
  name = name.substr(name.find_last_of(L"\\/") + 1);
  name = name.substr(0, name.find_last_of(L'.'));
  title_ = WideToUtf8(name);
  SetWindowExceptionHandler([this] { HandleException(this); });
}

TApplication::~TApplication() {
  Destroying();
  DestroyComponents();  // the forms go while the application still exists
  SetWindowExceptionHandler(nullptr);
  if (handle_) DestroyWindow(handle_);
  if (Application == this) Application = nullptr;
  Screen = nullptr;
}

void TApplication::Initialize() {
  if (handle_) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kAppClass;
  wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  RegisterClassExW(&wc);  // a second application object finds it registered
  handle_ = CreateWindowExW(0, kAppClass, Utf8ToWide(title_).c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!handle_) throw EOutOfResources("Cannot create the application window");
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_, Utf8ToWide(title).c_str());
}

void TApplication::Run() {
  Initialize();
  if (mainForm_) mainForm_->Show();
  while (!terminated_) {
    HandleMessage();
    if (!mainForm_) terminated_ = true;
  }
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  bool handled = false;
  try {
    if (OnMessage) handled = OnMessage(msg);
    if (!handled && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
      // Menu shortcuts of the active form (or the main form) come first.
      TCustomForm* form = Screen ? Screen->ActiveForm() : nullptr;
      if (!form) form = mainForm_;
      if (form && form->Menu()) handled = form->Menu()->IsShortCut(msg);
    }
  } catch (...) {
    HandleException(this);
    handled = true;
  }
  if (!handled) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) WaitMessage();
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::HandleException(TObject* sender) {
  try {
    throw;
  } catch (const std::exception& e) {
    if (OnException) OnException(sender, e);
    else ShowException(e);
  } catch (...) {
    const Exception unknown("Unknown exception");
    if (OnException) OnException(sender, unknown);
    else ShowException(unknown);
  }
}

void TApplication::ShowException(const std::exception& e) {
  std::string text = e.what();
  if (!text.empty() && text.back() > '.') text += '.';
  ShowMessageBox(text, title_, mbOK | MB_ICONSTOP);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == mainForm_) mainForm_ = nullptr;
}

}  // namespace pelorin
