// The demo's main form: standard controls, menus and dialogs skinned by sd1,
// dialogs by sd2, and five skins kept in SkinStore1.
#pragma once

#include <string>
#include <vector>

#include "host/win/Buttons.h"
#include "host/win/ComCtrls.h"
#include "host/win/Dialogs.h"
#include "host/win/ExtCtrls.h"
#include "host/win/Forms.h"
#include "host/win/Grids.h"
#include "host/win/Menus.h"
#include "host/win/StdCtrls.h"
#include "skinmodel/WinSkinData.h"
#include "skinmodel/WinSkinStore.h"

namespace pelorin {

class TForm1 : public TForm {
public:
  explicit TForm1(TComponent* owner);
  std::string ClassName() const override { return "TForm1"; }

  TPageControl* PageControl1 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TButton* Button4 = nullptr;
  TStringGrid* StringGrid1 = nullptr;
  TProgressBar* ProgressBar1 = nullptr;
  TImageList* ImageList1 = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TSkinData* sd1 = nullptr;
  TSkinData* sd2 = nullptr;
  TSkinStore* SkinStore1 = nullptr;
  TOpenDialog* Dialog1 = nullptr;
  TFontDialog* Dialog2 = nullptr;
  TColorDialog* Dialog3 = nullptr;
  TPrintDialog* Dialog4 = nullptr;
  TTimer* Timer1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;

  void FormCreate(TObject* sender);
  void ComboBox1Click(TObject* sender);
  void LoadBtnClick(TObject* sender);
  void Button2Click(TObject* sender);
  void Skin12Click(TObject* sender);
  void Skin21Click(TObject* sender);
  void Skin31Click(TObject* sender);
  void PrintDialog2Click(TObject* sender);
  void MessageBtnClick(TObject* sender);
  void ExceptionBtnClick(TObject* sender);
  void Button1Click(TObject* sender);
  void SpeedButton1Click(TObject* sender);
  void Timer1Timer(TObject* sender);
  void Exit1Click(TObject* sender);
  // A handler for custom title-bar buttons (not bound in the form file).
  void sf1CaptionBtnClick(TObject* sender, int number);

  // Switches sd1 to the skins-folder file whose name starts with name
  // (case-insensitive); false when there is none.
  bool SelectSkinFile(const std::string& name);

private:
  // The status bar tells why a skin did not load (its designed panels come
  // back with the next skin that does).
  void ShowSkinLoadError(const TSkinLoadError& error);
  void ShowSkinLoaded();
  std::vector<TStatusPanel> designedPanels_;
};

// The form classes and their handlers, known to the form-file reader.
void RegisterDemoForms();

// Where the skin files are looked for: "..\..\skins\" from the current
// folder, or, when that does not exist, the build's skins folder beside the
// program's folder.
std::string SkinsFolder();

// The bytes of a resource of type RCDATA in the program (empty when missing).
std::string ResourceText(const char* name);

extern TForm1* Form1;

}  // namespace pelorin
