// The demo's second form: a memo and a skin data component used by this form only.
#pragma once

#include <string>

#include "host/win/Forms.h"
#include "host/win/StdCtrls.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

class TForm2 : public TForm {
public:
  explicit TForm2(TComponent* owner);
  std::string ClassName() const override { return "TForm2"; }

  TMemo* Memo1 = nullptr;
  TSkinData* sd3 = nullptr;

  void FormCreate(TObject* sender);
};

extern TForm2* Form2;

}  // namespace pelorin
