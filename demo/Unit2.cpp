// The demo's second form, skinned with a stored skin of its own.
#include "demo/Unit2.h"

#include "demo/Unit1.h"
#include "host/core/Filer.h"

namespace pelorin {

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  const std::string text = ResourceText("UNIT2_DFM");
  if (text.empty()) throw EReadError("The second form's form file is missing from the program.");
  ReadComponentText(text, *this);
  Memo1 = dynamic_cast<TMemo*>(FindComponent("Memo1"));
  sd3 = dynamic_cast<TSkinData*>(FindComponent("sd3"));
  if (!Memo1 || !sd3) throw EReadError("The second form's form file lacks one of its components.");
  DoCreate();
}

void TForm2::FormCreate(TObject*) {
  if (Form1) sd3->LoadFromStore(*Form1->SkinStore1, 1);
}

}  // namespace pelorin
