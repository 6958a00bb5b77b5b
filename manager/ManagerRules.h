// The manager's decisions that need no window: which windows may get a form
// skinner, which skin data a window takes and which one answers FormSkinCheck.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skinmodel/SkinTypes.h"

namespace pelorin {

// Why SkinWindow leaves a window alone, in the order the tests are made.
enum class TSkinRefusal {
  None,               // passes every test of TWindowFacts
  Inactive,           // the manager is not active
  Tracked,            // already has a form skinner
  PlainChild,         // WS_CHILD with a parent other than an MDI client
  EmptyRect,          // no area
  FormTag99,          // a host form with Tag 99
  ApplicationWindow,  // the framework's hidden application window
  FormSkinRefused,    // FormSkinCheck said no
  NoSkinData,         // no skin data, or its skin is not loaded
};

// What SkinWindow knows about a window before it asks anybody.
struct TWindowFacts {
  bool managerActive = false;
  bool tracked = false;
  bool childStyle = false;     // WS_CHILD
  std::string parentClass;     // class name of the parent, exact case
  int width = 0;
  int height = 0;
  bool hostForm = false;
  int formTag = 0;
  std::string className;       // the window's class name, exact case
};

// The first refusal among the tests that need no callback, or None.
TSkinRefusal CheckWindowFacts(const TWindowFacts& facts);

// A window with WS_CHILD is a plain child unless its parent is an MDI client.
bool IsPlainChild(bool childStyle, std::string_view parentClass);

// What FindSkinData needs of each registered skin data.
struct TSkinDataFacts {
  TSkinFormType formType = sfMainform;
  std::uintptr_t ownerWindow = 0;  // the owner form's window; 0 when none
};

// Index into list of the skin data for a window of class windowClass, or -1:
// an sfOnlyThisForm skin of the window's own form (the last), then for dialog
// windows the last sfDialog skin, then the last sfMainform skin, then the first.
int FindSkinDataIndex(const std::vector<TSkinDataFacts>& list, std::uintptr_t window,
                      std::string_view windowClass);

// Index of the skin data that answers FormSkinCheck (the first sfMainform), or -1.
int FormSkinCheckIndex(const std::vector<TSkinDataFacts>& list);

}  // namespace pelorin
