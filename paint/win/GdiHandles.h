// RAII owners of the GDI objects the painting code creates (regions, bitmaps,
// memory DCs) and guards for DC state. Every object made here is counted in
// GdiCounters, which leak tests read.
#pragma once

#include <windows.h>

#include <utility>

#include "host/win/platform/GdiCounters.h"

namespace pelorin {

// Owns one HGDIOBJ-derived handle (HRGN, HBITMAP, HBRUSH ...), deleted with DeleteObject.
template <class H>
class TGdiObject {
public:
  TGdiObject() = default;
  explicit TGdiObject(H handle) { Reset(handle); }
  TGdiObject(TGdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  ~TGdiObject() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(H handle = nullptr) {
    if (handle_) {
      DeleteObject(handle_);
      GdiCounters::Deleted();
    }
    handle_ = handle;
    if (handle_) GdiCounters::Created();
  }
  // Gives the handle away (for example a region handed to SetWindowRgn).
  H Release() {
    if (handle_) GdiCounters::Deleted();
    return std::exchange(handle_, nullptr);
  }

private:
  H handle_ = nullptr;
};

using TGdiRegion = TGdiObject<HRGN>;
using TGdiBitmap = TGdiObject<HBITMAP>;

// A memory DC compatible with `like` (the screen when null), freed with DeleteDC.
class TMemoryDC {
public:
  explicit TMemoryDC(HDC like = nullptr) : dc_(CreateCompatibleDC(like)) {
    if (dc_) GdiCounters::Created();
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  ~TMemoryDC() {
    if (dc_) {
      DeleteDC(dc_);
      GdiCounters::Deleted();
    }
  }
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

private:
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class TSelectGuard {
public:
  TSelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  TSelectGuard(const TSelectGuard&) = delete;
  TSelectGuard& operator=(const TSelectGuard&) = delete;
  ~TSelectGuard() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }

private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace pelorin
