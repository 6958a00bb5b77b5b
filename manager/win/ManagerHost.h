// What the Windows skin manager needs around it: the host framework's forms,
// and the form skinners it creates. Both are interfaces so that the manager
// can run over the real framework and skinner or over test doubles.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "manager/ManagerCore.h"

namespace pelorin {

class TForm;
class TSkinData;

// A host framework form found for a window.
struct THostForm {
  bool Found = false;
  TForm* Form = nullptr;
  int Tag = 0;
};

class TManagerHost {
public:
  virtual ~TManagerHost() = default;
  // The windows of all the application's forms, in screen order (made on demand).
  virtual std::vector<HWND> FormWindows() = 0;
  // The first form whose window is wnd.
  virtual THostForm FindHostForm(HWND wnd) = 0;
  // The window of the form that owns data, or nullptr when its owner is not
  // a windowed control.
  virtual HWND OwnerWindow(const TSkinData& data) = 0;
};

// Window-state facts of a form skinner that the manager acts on.
enum class TSkinnerMdiRole { None, Frame, Child };

// A form skinner as the manager drives it.
class TManagedWindowSkinner : public TManagedSkinner {
public:
  virtual HWND Handle() const = 0;
  virtual TSkinData* SkinData() const = 0;
  virtual void SetSkinData(TSkinData* data) = 0;
  // wnd is the form's window.
  virtual void AttachForm(TForm* form, HWND wnd) = 0;
  virtual void AttachWindow(HWND wnd) = 0;
  virtual void Detach() = 0;
  // The window is going away: Detach must not give the form its colour back.
  virtual void MarkDetaching() = 0;
  virtual void RemoveRegion() = 0;
  virtual void BuildRegion() = 0;
  virtual bool HasRegion() const = 0;
  virtual void ApplySkinChange() = 0;
  virtual void SetSysStyles(bool restore) = 0;
  virtual void FrameChanged() = 0;
  virtual TSkinnerMdiRole MdiRole() const = 0;
  virtual bool Minimized() const = 0;
  virtual void SetNormalState() = 0;
};

// Makes a form skinner that will draw with data (window handle set by Attach*).
using TFormSkinnerFactory = std::function<std::unique_ptr<TManagedWindowSkinner>(TSkinData* data)>;

}  // namespace pelorin
