// A copy of a window's region, if it has one, freed with the object.
#pragma once

#include <windows.h>

namespace pelorin::testing {

class TWindowRegion {
public:
  explicit TWindowRegion(HWND wnd) : rgn_(CreateRectRgn(0, 0, 0, 0)), has_(GetWindowRgn(wnd, rgn_) != ERROR) {}
  ~TWindowRegion() { DeleteObject(rgn_); }
  TWindowRegion(const TWindowRegion&) = delete;
  TWindowRegion& operator=(const TWindowRegion&) = delete;

  explicit operator bool() const { return has_; }
  bool Contains(int x, int y) const { return has_ && PtInRegion(rgn_, x, y); }
  bool Equals(HRGN other) const { return has_ && EqualRgn(rgn_, other); }
  bool IsRect(int w, int h) const {
    HRGN rect = CreateRectRgn(0, 0, w, h);
    const bool same = Equals(rect);
    DeleteObject(rect);
    return same;
  }

private:
  HRGN rgn_;
  bool has_;
};

}  // namespace pelorin::testing
