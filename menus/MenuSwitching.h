// Moving between menu bar items while a bar popup is open: the state of the
// one menu tracked at a time and the rules that pick the next bar item from
// keys and mouse moves seen by the message filter hook.
#pragma once

#include <functional>

#include "host/core/Geometry.h"

namespace pelorin {

// Virtual key codes the rules read (the values Windows gives them).
namespace vk {
inline constexpr unsigned Return = 0x0D, Escape = 0x1B, Menu = 0x12, Left = 0x25, Up = 0x26, Right = 0x27,
                          Down = 0x28;
}

// The item selected in the open popup, as the last menu-select message
// described it.
struct TMenuSelection {
  bool Valid = false;        // an item is selected
  bool HasSubMenu = false;   // it opens a submenu of its own
  bool InOpenPopup = false;  // it lies in the popup opened from the bar, or is that popup
  bool RightToLeft = false;  // its menu reads right to left
  int Depth = 1;             // outside that popup: how many submenus below it its menu lies
};

// In a right-to-left menu the arrow keys point the other way.
unsigned ArrowForReading(unsigned key, bool rightToLeft);

class TMenuSwitcher {
public:
  // A bar popup opens for item openIndex; the cursor is at screen point cursor.
  void Start(int openIndex, TPoint cursor);
  // The popup closed.
  void Stop();

  // A key pressed in the popup (already turned for right-to-left menus): the
  // bar item to switch to, or -1. Return and Escape end a switch. Left and
  // Escape in a cascaded submenu close only that submenu, which selects its
  // item in the menu above (the system does not always report that).
  int KeyDown(unsigned key, int barCount);
  // The mouse moved to screen point p; hit is the bar item under it or -1.
  // A position seen before is ignored.
  int MouseMove(TPoint p, int hit);
  // A menu-select message; closed = the menu went away (flags 0xFFFF, no
  // menu). Returns true when the close ends tracking (not part of a switch).
  bool MenuSelect(bool closed, const TMenuSelection& selection);
  // The first message after opening asks for a key that selects the popup's
  // first item; true exactly once per opening.
  bool TakeFirstKey();

  // Which bar items can open (all when unset). A disabled item opens
  // nothing, so switching to it would only close the open popup: arrows pass
  // over it and the mouse over it keeps the popup that is open.
  std::function<bool(int index)> Enabled;

  int OpenIndex() const { return openIndex_; }
  bool Switching() const { return switching_; }
  const TMenuSelection& Selection() const { return selection_; }

private:
  // A different item than the open one starts a switch.
  int Choose(int index);
  // From index on in steps of step (wrapping), the first item that can open.
  int Step(int index, int step, int barCount) const;
  // A cascaded submenu closed: the selection is in the menu above now.
  void LeaveSubMenu();

  int openIndex_ = -1;
  bool switching_ = false;
  bool firstKeyPosted_ = false;
  TPoint lastMouse_;
  TMenuSelection selection_;
};

}  // namespace pelorin
