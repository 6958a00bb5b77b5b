// One owner for a comctl32 window subclass: a unique id per owner, installed
// in the constructor, removed in the destructor or when the window goes away
// (WM_NCDESTROY), so subclasses added by others after ours keep working.
#pragma once

#include <windows.h>

#include <memory>

namespace pelorin {

class TWindowSubclass {
public:
  // Called for every message; context is passed back unchanged.
  using TProc = LRESULT (*)(void* context, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  TWindowSubclass(HWND wnd, TProc proc, void* context);
  ~TWindowSubclass();
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // False when installing failed or the window has been destroyed.
  bool Installed() const { return installed_; }
  HWND Window() const { return wnd_; }
  // The next procedure in the chain (the window's own one at the end).
  LRESULT CallNext(UINT msg, WPARAM wParam, LPARAM lParam) const;
  void Remove();

private:
  static LRESULT CALLBACK Dispatch(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR refData);
  HWND wnd_;
  TProc proc_;
  void* context_;
  UINT_PTR id_;
  bool installed_ = false;
  // Lets Dispatch notice that the owner was freed while a message ran.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace pelorin
