// The solid background brush of a skin: on Windows a real GDI brush of the
// button face colour, elsewhere just the colour.
#pragma once

#include "host/core/Color.h"

namespace pelorin {

class TFaceBrush {
public:
  TFaceBrush() = default;
  ~TFaceBrush() { Release(); }
  TFaceBrush(const TFaceBrush&) = delete;
  TFaceBrush& operator=(const TFaceBrush&) = delete;

  // Replaces the brush by one of the given colour (system colours resolved).
  void Recreate(TColor color);
  // Gives the brush back; afterwards Exists() is false.
  void Release();

  bool Exists() const { return exists_; }
  TColor Color() const { return color_; }
  // HBRUSH on Windows; nullptr natively and while none exists.
  void* Handle() const { return handle_; }

private:
  // Platform half: create a brush for an RGB colour / delete one.
  static void* CreatePlatformBrush(TColor rgb);
  static void DeletePlatformBrush(void* handle);

  void* handle_ = nullptr;
  TColor color_ = 0;
  bool exists_ = false;
};

}  // namespace pelorin
