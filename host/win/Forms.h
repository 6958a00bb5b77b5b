// Forms and the objects around them: TScrollingWinControl (auto scrolling),
// TCustomForm / TForm with MDI frame and child styles, TFrame, TScreen and
// TApplication with its hidden window and message loop.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "host/win/Controls.h"

namespace pelorin {

class TMainMenu;

// A windowed control whose scroll bars follow its children when AutoScroll is set.
class TScrollingWinControl : public TWinControl {
public:
  explicit TScrollingWinControl(TComponent* owner);
  std::string ClassName() const override { return "TScrollingWinControl"; }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value);
  TPoint ScrollPos() const { return scrollPos_; }
  // Range needed to show every child (client coordinates at scroll position 0).
  TPoint ScrollRange() const;
  void UpdateScrollBars();

protected:
  void WndProc(TMessage& message) override;
  void ScrollBy(int dx, int dy);

  bool autoScroll_ = false;
  TPoint scrollPos_;
};

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TCustomForm : public TScrollingWinControl {
public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  std::string ClassName() const override { return "TCustomForm"; }
  void DefineProperties(TFiler& filer) override;

  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // Builds the window's menu again from Menu (after its items changed).
  void MenuChanged();
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  // The MDI client window of an MDI frame (created with the frame).
  HWND ClientHandle() const { return clientHandle_; }

  void Show();
  int ShowModal();
  void Close();
  // Frees the form once the messages already queued are handled.
  void Release();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Modal() const { return modal_; }
  // Calls OnCreate. A form class calls it from its constructor once its form
  // file has been read (the reader's Loaded calls come before the handlers run).
  virtual void DoCreate();

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

private:
  TMainMenu* menu_ = nullptr;
  TFormStyle formStyle_ = fsNormal;
  HWND clientHandle_ = nullptr;
  int modalResult_ = mrNone;
  bool modal_ = false;
};

class TForm : public TCustomForm {
public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
  std::string ClassName() const override { return "TForm"; }
};

// A reusable group of controls placed on a form like a panel; it owns its
// own components, so whoever walks a form's components walks into it too.
class TCustomFrame : public TScrollingWinControl {
public:
  explicit TCustomFrame(TComponent* owner);
  std::string ClassName() const override { return "TCustomFrame"; }
};

class TFrame : public TCustomFrame {
public:
  explicit TFrame(TComponent* owner) : TCustomFrame(owner) {}
  std::string ClassName() const override { return "TFrame"; }
};

// Mouse cursors (the framework's numbering).
enum : int { crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crSizeAll = -22, crHourGlass = -11, crHandPoint = -21 };

class TScreen : public TComponent {
public:
  explicit TScreen(TComponent* owner);
  std::string ClassName() const override { return "TScreen"; }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  TCustomForm* ActiveForm() const;
  // The system's menu font.
  TFont& MenuFont() { return menuFont_; }
  int Cursor() const { return cursor_; }
  void SetCursor(int cursor);
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

private:
  friend class TCustomForm;
  std::vector<TCustomForm*> forms_;
  TFont menuFont_;
  int cursor_ = crDefault;
};

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& e)>;

class TApplication : public TComponent {
public:
  explicit TApplication(TComponent* owner = nullptr);
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  // Creates the hidden application window.
  void Initialize();
  // Creates a form owned by the application; the first becomes the main form.
  template <class F>
  void CreateForm(F*& reference) {
    reference = nullptr;
    auto* form = new F(this);
    reference = form;
    if (!mainForm_) mainForm_ = form;
  }
  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles every message waiting, then returns.
  void ProcessMessages();
  // Waits for one message and handles it.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  HWND Handle() const { return handle_; }
  TCustomForm* MainForm() const { return mainForm_; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Reports the exception being handled (call from a catch block): OnException
  // when set, else ShowException.
  void HandleException(TObject* sender);
  // Shows the exception's message in a message box.
  void ShowException(const std::exception& e);
  TExceptionEvent OnException;
  // Sees every message before it is dispatched; true means handled.
  std::function<bool(MSG& msg)> OnMessage;

  void Notification(TComponent* component, TOperation operation) override;

private:
  bool ProcessMessage(MSG& msg);

  HWND handle_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  std::string title_;
};

// The application object and the screen (set while an application exists).
extern TApplication* Application;
extern TScreen* Screen;

}  // namespace pelorin
