// The non-client object mouse state machine.
#include "skinbase/NCObject.h"

namespace pelorin {

TNCObject::~TNCObject() {
  if (owner_.CurrentObject == this) owner_.CurrentObject = nullptr;
}

void TNCObject::MouseDown() {
  if (owner_.CurrentObject && owner_.CurrentObject != this) owner_.CurrentObject->MouseLeave();
  if (!Visible) return;
  owner_.CurrentObject = this;
  State = nsPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = nsHot;
  Paint();
}

void TNCObject::MouseEnter() {
  if (owner_.CurrentObject == this) return;
  if (owner_.CurrentObject) owner_.CurrentObject->MouseLeave();
  if (!Visible) return;
  owner_.CurrentObject = this;
  State = nsHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  // Only the current object gives up the current place.
  if (owner_.CurrentObject == this) owner_.CurrentObject = nullptr;
  State = nsNormal;
  Paint();
}

}  // namespace pelorin
