// What the control skinners' Wine suites share: the attach and skin-switch
// cycles that must leave nothing behind.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "controls/win/AttachControls.h"
#include "formframe/WinSkinForm.h"
#include "host/win/Forms.h"
#include "host/win/platform/GdiCounters.h"
#include "tests/support/win/AllocationCount.h"
#include "tests/support/win/Pump.h"

namespace pelorin::testing {

// Each cycle: a fresh form skinner attaches every control of form (attached
// skinners, and owned in all unless 0), switches each to the other skin and paints it.
// After two warm-up cycles, 200 more leave allocations and GDI objects where
// they were.
inline void ExpectCyclesLeaveNothing(TForm& form, TSkinData* a, TSkinData* b, int attached, size_t owned = 0) {
  auto cycle = [&](int i) {
    TWinSkinForm host(i % 2 ? a : b);
    EXPECT_EQ(AttachControls(host, form, host.SkinData()), attached);
    // By index: a paint may hand the form skinner a new skinner.
    for (size_t k = 0; k < host.ControlSkinners().size(); ++k) {
      host.ControlSkinners()[k]->ApplySkinChange(i % 2 ? b : a);
      host.ControlSkinners()[k]->PaintNow();
    }
    if (owned) {
      EXPECT_EQ(host.ControlSkinners().size(), owned);
    }
  };
  cycle(0);
  cycle(1);
  Pump();
  const long memory = LiveAllocations(), gdi = GdiCounters::Live();
  const DWORD system = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 200; ++i) cycle(i);
  Pump();
  EXPECT_EQ(LiveAllocations(), memory);
  EXPECT_EQ(GdiCounters::Live(), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), system);
}

}  // namespace pelorin::testing
