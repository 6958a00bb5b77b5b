// The thumb drag: follows the mouse until the button is released, the
// capture is lost or the window goes away, moving the thumb and telling the
// control each new position. The messages come through a source the window
// code implements on the thread's queue (tests give a scripted one).
#pragma once

#include "controls/ScrollGeometry.h"

namespace pelorin {

enum class TDragEventKind {
  Move,     // the mouse moved to Screen
  Release,  // the button went up
  Abort,    // the capture was lost or the program is quitting: the drag ends where it is
  Gone      // the window was destroyed: nothing may touch it any more
};

struct TDragEvent {
  TDragEventKind Kind = TDragEventKind::Abort;
  TPoint Screen;
};

class TDragMessageSource {
public:
  virtual ~TDragMessageSource() = default;
  // Waits for the next event of the drag, handling every other message.
  virtual TDragEvent Next() = 0;
  // The thumb now stands at offset; pos is new when changed is set.
  virtual void Track(int offset, int pos, bool changed) = 0;
  // The drag ended at pos.
  virtual void Finish(int pos) = 0;
};

struct TDragStart {
  bool Vertical = false;
  TPoint Screen;  // where the button went down
  TBarMetrics Metrics;
  TScrollValues Values;
};

// Runs the drag; the last position, or the start position when the window went away.
int RunThumbDrag(TDragMessageSource& source, const TDragStart& start);

}  // namespace pelorin
