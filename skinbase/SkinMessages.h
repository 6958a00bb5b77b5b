// The library's private window messages, defined once: skinners, the skin
// manager and applications (the title-button message is theirs to handle)
// must agree on every number, or skinning silently stops.
#pragma once

#include <cstdint>

namespace pelorin {

// A skinned host form runs ApplySkinChange (only applications send it).
inline constexpr uint32_t WM_SKIN_RESKIN = 0x3401;
// Repaint the skinned frame.
inline constexpr uint32_t WM_SKIN_FRAMEREPAINT = 0x3502;
// Start drawing the skin: the manager posts it after attaching, lParam 1000.
inline constexpr uint32_t WM_SKIN_ACTIVATE = 0x3503;
inline constexpr intptr_t SkinActivateLParam = 1000;
// A title-bar button with an application-defined action was clicked;
// wParam = the action code, lParam = 0.
inline constexpr uint32_t WM_SKIN_TITLEBUTTON = 0x3504;
// A child window was made inside a skinned window: its controls get their
// skinners (the manager posts it to the top-level window).
inline constexpr uint32_t WM_SKIN_ATTACHCHILDREN = 0x3505;

}  // namespace pelorin
