// The smallest skinned program: a form with a skin and a button. The skin file
// is the first argument (slate.skn beside the program by default).
#include <windows.h>

#include <cstdlib>

#include "host/win/Forms.h"
#include "host/win/StdCtrls.h"
#include "skinmodel/WinSkinData.h"

using namespace pelorin;

class THelloForm : public TForm {
public:
  explicit THelloForm(TComponent* owner) : TForm(owner) {
    SetCaption("Hello, skins");
    SetBounds(120, 120, 360, 200);
    auto* button = new TButton(this);
    button->SetParent(this);
    button->SetCaption("Close");
    button->SetBounds(130, 70, 100, 28);
    button->OnClick = [this](TObject*) { Close(); };
    auto* skin = new TSkinData(this);  // an owner is optional
    skin->SetSkinFile(__argc > 1 ? __argv[1] : "slate.skn");
    skin->SetActive(true);
  }
};

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TApplication application;
  application.Initialize();
  THelloForm* form = nullptr;
  application.CreateForm(form);
  application.Run();
  return 0;
}
