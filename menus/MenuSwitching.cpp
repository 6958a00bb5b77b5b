// Switching rules of an open menu bar popup.
#include "menus/MenuSwitching.h"

namespace pelorin {

unsigned ArrowForReading(unsigned key, bool rightToLeft) {
  if (!rightToLeft) return key;
  if (key == vk::Left) return vk::Right;
  if (key == vk::Right) return vk::Left;
  return key;
}

void TMenuSwitcher::Start(int openIndex, TPoint cursor) {
  openIndex_ = openIndex;
  switching_ = false;
  firstKeyPosted_ = false;
  lastMouse_ = cursor;
  selection_ = {};
}

void TMenuSwitcher::Stop() {
  openIndex_ = -1;
  firstKeyPosted_ = false;
  selection_ = {};
}

int TMenuSwitcher::Choose(int index) {
  if (index < 0 || index == openIndex_ || (Enabled && !Enabled(index))) return -1;
  switching_ = true;
  return index;
}

int TMenuSwitcher::KeyDown(unsigned key, int barCount) {
  if (openIndex_ < 0 || barCount <= 0) return -1;
  switch (key) {
    case vk::Return:
      switching_ = false;
      return -1;
    case vk::Escape:
      switching_ = false;
      LeaveSubMenu();
      return -1;
    case vk::Right:
      // An item with a submenu opens it instead.
      if (selection_.Valid && selection_.HasSubMenu) return -1;
      return Choose(Step(openIndex_ + 1, 1, barCount));
    case vk::Left:
      if (selection_.Valid && !selection_.InOpenPopup) {
        LeaveSubMenu();
        return -1;
      }
      return Choose(Step(openIndex_ + barCount - 1, -1, barCount));
    default:
      return -1;
  }
}

int TMenuSwitcher::Step(int index, int step, int barCount) const {
  for (int tried = 0; tried < barCount; ++tried) {
    index = ((index % barCount) + barCount) % barCount;
    if (index == openIndex_ || !Enabled || Enabled(index)) return index;
    index += step;
  }
  return -1;
}

void TMenuSwitcher::LeaveSubMenu() {
  if (!selection_.Valid || selection_.InOpenPopup) return;
  if (selection_.Depth > 1) {
    --selection_.Depth;
  } else {
    selection_.InOpenPopup = true;
  }
}

int TMenuSwitcher::MouseMove(TPoint p, int hit) {
  if (p == lastMouse_) return -1;
  lastMouse_ = p;
  return Choose(hit);
}

bool TMenuSwitcher::MenuSelect(bool closed, const TMenuSelection& selection) {
  if (closed) return !switching_;
  switching_ = false;
  selection_ = selection;
  return false;
}

bool TMenuSwitcher::TakeFirstKey() {
  if (firstKeyPosted_) return false;
  firstKeyPosted_ = true;
  return true;
}

}  // namespace pelorin
