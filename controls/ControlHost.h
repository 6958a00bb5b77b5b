// What a control skinner needs of the form skinner that owns it. The form
// skinner implements it, so control skinners never include the form frame.
#pragma once

#include <memory>

namespace pelorin {

class TSkinControl;
class TCanvas;

class TControlSkinnerHost {
public:
  virtual ~TControlSkinnerHost() = default;
  // Takes ownership of an attached skinner: it lives until the form skinner
  // detaches or goes away.
  virtual void AdoptControlSkinner(std::unique_ptr<TSkinControl> skinner) = 0;
  // The button skinner under the mouse (at most one per form), or none.
  virtual TSkinControl* HotControl() const = 0;
  virtual void SetHotControl(TSkinControl* skinner) = 0;
  // The skin manager is releasing the form skinner: controls keep the skin colour.
  virtual bool ReleasingSkin() const = 0;
  // The form skinner is taking a new skin and repaints the form with every
  // control right after: a control skinner only forgets what it drew, so
  // that no control is painted twice.
  virtual bool RepaintsAll() const { return false; }
  // The canvas the form's control skinners draw through (one paint at a
  // time; they point it at whatever device context they draw into).
  virtual TCanvas& SharedCanvas() = 0;
};

}  // namespace pelorin
