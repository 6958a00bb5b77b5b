// TNCObject: an object drawn in a window's non-client area (title-bar
// buttons, menu bar items), and the owner that keeps the one of them that is
// hot or pressed. The mouse state machine is portable; Paint is the skinner's.
#pragma once

#include "host/core/Geometry.h"

namespace pelorin {

class TNCObject;

enum TNCState : int { nsNormal = 1, nsPressed = 2, nsHot = 3 };

// Keeps the one object of a window that is hot or pressed.
class TNCObjectOwner {
public:
  virtual ~TNCObjectOwner() = default;
  TNCObject* CurrentObject = nullptr;
};

// An object drawn in a window's non-client area; BoundsRect is in window
// coordinates. At most one object of an owner is current.
class TNCObject {
public:
  explicit TNCObject(TNCObjectOwner& owner) : owner_(owner) {}
  virtual ~TNCObject();
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Paint() {}

  TRect BoundsRect;
  bool Visible = true;
  TNCState State = nsNormal;

protected:
  TNCObjectOwner& owner_;
};

}  // namespace pelorin
