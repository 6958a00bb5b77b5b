// State types of a form skinner: its stage, MDI role, window state and the
// kind of frame its window had.
#pragma once

namespace pelorin {

enum TSkinFormStage : int { stNone = 0, stActive = 1, stReskin = 3, stDetach = 4, stActivating = 5 };
enum TMdiRole : int { mrNoMdi = 0, mrFrame = 1, mrChild = 2 };
enum TNCWindowState : int { nwNormal = 0, nwMaximized = 1, nwMinimized = 2 };
enum TFrameKind : int { frSizeable = 0, frPopup = 2, frFixed = 3 };
enum TFramePart : int { fpLeft = 1, fpRight = 2, fpTop = 3, fpBottom = 4 };

// Styles the window had before skinning (bits of TFrameFacts::SavedStyles).
enum : unsigned { ssMaximizeBox = 1, ssMinimizeBox = 2, ssSysMenu = 8 };

}  // namespace pelorin
