// Helpers of the host framework integration tests: an application object per
// test, message pumping, controls and menu items made in one step, and window
// class names.
#pragma once

#include <windows.h>

#include <string>

#include "host/core/MessageBox.h"
#include "host/win/Forms.h"
#include "host/win/Menus.h"
#include "host/win/platform/WideText.h"

namespace pelorin::testing {

// A fresh application object with its window; message boxes are recorded.
class THostTest : public ::testing::Test {
protected:
  void SetUp() override {
    app = new TApplication(nullptr);
    app->Initialize();
    previousBox = SetMessageBoxFunc([this](const std::string& text, const std::string&, int) {
      boxes.push_back(text);
      return idOK;
    });
  }
  void TearDown() override {
    delete app;
    SetMessageBoxFunc(previousBox);
  }
  void Pump() { app->ProcessMessages(); }

  TApplication* app = nullptr;
  std::vector<std::string> boxes;
  TMessageBoxFunc previousBox;
};

// Gives a control its window procedure back at the end of a scope: a
// replacement that captures the test's locals must not outlive them (the
// application frees its forms after the test).
class TWindowProcRestore {
public:
  explicit TWindowProcRestore(TControl* control) : control_(control), proc_(control->WindowProc()) {}
  ~TWindowProcRestore() { control_->SetWindowProc(proc_); }
  TWindowProcRestore(const TWindowProcRestore&) = delete;
  TWindowProcRestore& operator=(const TWindowProcRestore&) = delete;

private:
  TControl* control_;
  TWndMethod proc_;
};

// A control of owner (the parent unless given), placed on parent.
template <class T>
T* Child(TWinControl* parent, TComponent* owner = nullptr) {
  auto* c = new T(owner ? owner : parent);
  c->SetParent(parent);
  return c;
}

// A menu item of owner with caption, added to parent when given.
inline TMenuItem* NewItem(TComponent* owner, const std::string& caption, TMenuItem* parent = nullptr) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  if (parent) parent->Add(item);
  return item;
}

inline std::string WindowClassOf(HWND wnd) {
  wchar_t name[100]{};
  GetClassNameW(wnd, name, 100);
  return WideToUtf8(name);
}

inline std::string WindowTextOf(HWND wnd) {
  wchar_t text[256]{};
  GetWindowTextW(wnd, text, 256);
  return WideToUtf8(text);
}

}  // namespace pelorin::testing
