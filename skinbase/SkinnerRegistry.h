// Which skinner a window has. A window has at most one: a second skinner on
// the same window would paint over the first and restore the wrong procedure
// on detach, so attaching asks here first.
#pragma once

#include <cstddef>
#include <unordered_map>

namespace pelorin {

// Base of every object that takes over a window (form frames, popup menu
// frames, control skinners), so the registry can hold them all.
class TWindowSkinner {
public:
  virtual ~TWindowSkinner() = default;
};

// Windows are keys as opaque handles (an HWND on Windows), so the rules are
// portable.
using TWindowKey = const void*;

class TSkinnerRegistry {
public:
  // False when the window already has a skinner (or either is null).
  bool Add(TWindowKey window, TWindowSkinner* skinner);
  // Removes the entry only while it still names this skinner.
  void Remove(TWindowKey window, const TWindowSkinner* skinner);
  TWindowSkinner* Find(TWindowKey window) const;
  template <class T>
  T* FindAs(TWindowKey window) const {
    return dynamic_cast<T*>(Find(window));
  }
  std::size_t Count() const { return map_.size(); }

private:
  std::unordered_map<TWindowKey, TWindowSkinner*> map_;
};

// The program's registry (user-interface thread only).
TSkinnerRegistry& WindowSkinners();

}  // namespace pelorin
