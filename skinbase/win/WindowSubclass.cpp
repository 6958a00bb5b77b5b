// The window subclass owner.
#include "skinbase/win/WindowSubclass.h"

#include <commctrl.h>

#include <atomic>

namespace pelorin {

namespace {
std::atomic<UINT_PTR> nextSubclassId{0x50E10000};
}

TWindowSubclass::TWindowSubclass(HWND wnd, TProc proc, void* context)
    : wnd_(wnd), proc_(proc), context_(context), id_(nextSubclassId++) {
  installed_ = wnd && IsWindow(wnd) && SetWindowSubclass(wnd, &Dispatch, id_, reinterpret_cast<DWORD_PTR>(this));
}

TWindowSubclass::~TWindowSubclass() {
  *alive_ = false;
  Remove();
}

void TWindowSubclass::Remove() {
  if (!installed_) return;
  installed_ = false;
  RemoveWindowSubclass(wnd_, &Dispatch, id_);
}

LRESULT TWindowSubclass::CallNext(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return DefSubclassProc(wnd_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindowSubclass::Dispatch(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR refData) {
  auto* self = reinterpret_cast<TWindowSubclass*>(refData);
  const std::shared_ptr<bool> alive = self->alive_;
  const TProc proc = self->proc_;
  void* const context = self->context_;
  const LRESULT result = proc(context, wnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY && *alive) self->Remove();
  return result;
}

}  // namespace pelorin
