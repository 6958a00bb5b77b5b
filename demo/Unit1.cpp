// The main form of the demo and its handlers.
#include "demo/Unit1.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "demo/Unit2.h"
#include "host/core/Filer.h"
#include "host/core/StringList.h"
#include "host/win/FormStreaming.h"

namespace pelorin {

TForm1* Form1 = nullptr;

namespace {

// Raised by the exception button, so the application's handler has something to show.
class EDivByZero : public Exception { using Exception::Exception; };

// Kept out of the constant folder's reach so the division happens at run time.
volatile int gOne = 1;

template <class T> T* Find(TComponent& form, const char* name) {
  return dynamic_cast<T*>(form.FindComponent(name));
}

std::string ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return ".";
  return std::filesystem::path(path).parent_path().string();
}

// The twelve menu images: small coloured squares with a darker frame.
void FillImages(TImageList& images) {
  static const TColor colours[] = {
      MakeRGB(200, 40, 40),  MakeRGB(40, 160, 40), MakeRGB(40, 70, 200),  MakeRGB(230, 200, 40),
      MakeRGB(200, 80, 200), MakeRGB(40, 190, 200), MakeRGB(128, 0, 0),   MakeRGB(0, 0, 128),
      MakeRGB(128, 128, 0),  MakeRGB(128, 0, 128),  MakeRGB(0, 128, 128), MakeRGB(128, 128, 128)};
  for (TColor c : colours) {
    TBitmap b;
    b.SetSize(16, 16);
    const uint32_t inner = PixelFromColor(c);
    for (int y = 0; y < 16; ++y) {
      uint32_t* row = b.ScanLine(y);
      for (int x = 0; x < 16; ++x) {
        const bool box = x >= 2 && x <= 13 && y >= 2 && y <= 13;
        const bool edge = box && (x == 2 || x == 13 || y == 2 || y == 13);
        const bool inside = box && !edge;
        row[x] = edge ? 0x00404040u : inside ? inner : 0x00FF00FFu;
      }
    }
    images.AddMasked(b, clFuchsia);
  }
}

}  // namespace

std::string ResourceText(const char* name) {
  HRSRC info = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!info) return {};
  HGLOBAL block = LoadResource(nullptr, info);
  const void* data = block ? LockResource(block) : nullptr;
  if (!data) return {};
  return std::string(static_cast<const char*>(data), SizeofResource(nullptr, info));
}

std::string SkinsFolder() {
  const std::string relative = "..\\..\\skins\\";
  std::error_code ec;
  if (std::filesystem::is_directory(relative, ec)) return relative;
  return ProgramFolder() + "\\..\\skins\\";
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  const std::string text = ResourceText("UNIT1_DFM");
  if (text.empty()) throw EReadError("The main form's form file is missing from the program.");
  ReadComponentText(text, *this);
  PageControl1 = Find<TPageControl>(*this, "PageControl1");
  ComboBox1 = Find<TComboBox>(*this, "ComboBox1");
  Button4 = Find<TButton>(*this, "Button4");
  StringGrid1 = Find<TStringGrid>(*this, "StringGrid1");
  ProgressBar1 = Find<TProgressBar>(*this, "ProgressBar1");
  ImageList1 = Find<TImageList>(*this, "ImageList1");
  MainMenu1 = Find<TMainMenu>(*this, "MainMenu1");
  sd1 = Find<TSkinData>(*this, "sd1");
  sd2 = Find<TSkinData>(*this, "sd2");
  SkinStore1 = Find<TSkinStore>(*this, "SkinStore1");
  Dialog1 = Find<TOpenDialog>(*this, "Dialog1");
  Dialog2 = Find<TFontDialog>(*this, "Dialog2");
  Dialog3 = Find<TColorDialog>(*this, "Dialog3");
  Dialog4 = Find<TPrintDialog>(*this, "Dialog4");
  Timer1 = Find<TTimer>(*this, "Timer1");
  StatusBar1 = Find<TStatusBar>(*this, "StatusBar1");
  if (!(PageControl1 && ComboBox1 && Button4 && StringGrid1 && ProgressBar1 && ImageList1 && MainMenu1 && sd1 &&
        sd2 && SkinStore1 && Dialog1 && Dialog2 && Dialog3 && Dialog4 && Timer1 && StatusBar1))
    throw EReadError("The main form's form file lacks one of its components.");
  for (int i = 0; i < StatusBar1->PanelCount(); ++i) designedPanels_.push_back(StatusBar1->Panel(i));
  sd1->OnLoadError = [this](TObject*, const TSkinLoadError& error) { ShowSkinLoadError(error); };
  // The stored skins travel as resources of their own; the form file keeps their names.
  for (int i = 0; i < SkinStore1->Store()->Count(); ++i) {
    const std::string bytes = ResourceText(("SKIN" + std::to_string(i)).c_str());
    auto& data = SkinStore1->Store()->Item(i)->Data;
    data.Clear();
    if (!bytes.empty()) data.WriteBuffer(bytes.data(), bytes.size());
    data.SetPosition(0);
  }
  FillImages(*ImageList1);
  DoCreate();
}

void TForm1::FormCreate(TObject*) {
  // The skin files of the skins folder, sorted without regard to case.
  TStringList names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(SkinsFolder(), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name == "." || name == ".." || name.find('.') == std::string::npos) continue;
    if (!SameTextAscii(it->path().extension().string(), ".skn")) continue;
    names.Add(name);
  }
  names.Sort();
  ComboBox1->SetItems(names);

  sd1->LoadFromStore(*SkinStore1, 2);
  sd2->LoadFromStore(*SkinStore1, 1);
  if (!sd1->Active()) sd1->SetActive(true);

  StringGrid1->SetRowCount(names.Count() + 1);
  StringGrid1->SetColCount(7);
  for (int i = 0; i < 7; ++i) StringGrid1->SetCells(i, 0, "column" + std::to_string(i));
  for (int i = 1; i < StringGrid1->RowCount(); ++i) {
    StringGrid1->SetCells(0, i, "skin file" + std::to_string(i));
    StringGrid1->SetCells(1, i, names[i - 1]);
  }
  StringGrid1->SetFixedColor(sd1->colors[csButtonFace]);
}

bool TForm1::SelectSkinFile(const std::string& name) {
  const TStringList& items = ComboBox1->Items();
  for (int i = 0; i < items.Count(); ++i) {
    if (items[i].size() >= name.size() && SameTextAscii(items[i].substr(0, name.size()), name)) {
      ComboBox1->SetItemIndex(i);
      ComboBox1Click(ComboBox1);
      return true;
    }
  }
  return false;
}

void TForm1::ShowSkinLoadError(const TSkinLoadError& error) {
  StatusBar1->SetPanels({{"Skin not loaded: " + error.Text(), StatusBar1->Width()}});
}

void TForm1::ShowSkinLoaded() {
  if (!sd1->Empty && StatusBar1->PanelCount() != int(designedPanels_.size())) StatusBar1->SetPanels(designedPanels_);
}

void TForm1::ComboBox1Click(TObject*) {
  sd1->SetSkinFile(SkinsFolder() + ComboBox1->Text());
  ShowSkinLoaded();
  StringGrid1->SetFixedColor(sd1->colors[csButtonFace]);
  if (!sd1->Active()) sd1->SetActive(true);
}

void TForm1::LoadBtnClick(TObject*) {
  Dialog1->Filter = "Skin files (*.skn)|*.SKN";
  Dialog1->InitialDir = SkinsFolder();
  if (Dialog1->Execute()) sd1->SetSkinFile(Dialog1->FileName);
  ShowSkinLoaded();
  if (!sd1->Active()) sd1->SetActive(true);
}

void TForm1::Button2Click(TObject*) {
  sd1->SetActive(!sd1->Active());
  Button4->SetCaption(sd1->Active() ? "Unskin" : "Skin");
}

void TForm1::Skin12Click(TObject* sender) {
  if (auto* item = dynamic_cast<TComponent*>(sender)) sd1->LoadFromStore(*SkinStore1, item->Tag());
  ShowSkinLoaded();
}

void TForm1::Skin21Click(TObject*) { Dialog2->Execute(); }
void TForm1::Skin31Click(TObject*) { Dialog3->Execute(); }
void TForm1::PrintDialog2Click(TObject*) { Dialog4->Execute(); }

void TForm1::MessageBtnClick(TObject*) {
  MessageDlg("Pelorin2.0 Demo !\rMessage Window Skin Demo.", mtInformation, mbOK);
}

void TForm1::ExceptionBtnClick(TObject*) {
  // Dividing by zero is undefined in C++, so the fault is raised, not performed.
  const int divisor = gOne - 1;
  if (divisor == 0) throw EDivByZero("Division by zero");
  SetTag(100 / divisor);
}

void TForm1::Button1Click(TObject*) {
  if (!Form2) Application->CreateForm(Form2);
  Form2->Show();
}

void TForm1::SpeedButton1Click(TObject*) { Timer1->SetEnabled(!Timer1->Enabled()); }

void TForm1::Timer1Timer(TObject*) {
  int position = ProgressBar1->Position() + 1;
  if (position > 99) position = 0;
  ProgressBar1->SetPosition(position);
}

void TForm1::Exit1Click(TObject*) { Close(); }

void TForm1::sf1CaptionBtnClick(TObject*, int number) {
  ShowMessage("Custom Caption Button Click No:" + std::to_string(number));
}

void RegisterDemoForms() {
  RegisterHostClasses();
  RegisterSkinModelClasses();
  RegisterComponentClass<TForm1>("TForm1");
  RegisterComponentClass<TForm2>("TForm2");
  RegisterMethod("TForm1", "FormCreate", &TForm1::FormCreate);
  RegisterMethod("TForm1", "ComboBox1Click", &TForm1::ComboBox1Click);
  RegisterMethod("TForm1", "LoadBtnClick", &TForm1::LoadBtnClick);
  RegisterMethod("TForm1", "Button2Click", &TForm1::Button2Click);
  RegisterMethod("TForm1", "Skin12Click", &TForm1::Skin12Click);
  RegisterMethod("TForm1", "Skin21Click", &TForm1::Skin21Click);
  RegisterMethod("TForm1", "Skin31Click", &TForm1::Skin31Click);
  RegisterMethod("TForm1", "PrintDialog2Click", &TForm1::PrintDialog2Click);
  RegisterMethod("TForm1", "MessageBtnClick", &TForm1::MessageBtnClick);
  RegisterMethod("TForm1", "ExceptionBtnClick", &TForm1::ExceptionBtnClick);
  RegisterMethod("TForm1", "Button1Click", &TForm1::Button1Click);
  RegisterMethod("TForm1", "SpeedButton1Click", &TForm1::SpeedButton1Click);
  RegisterMethod("TForm1", "Timer1Timer", &TForm1::Timer1Timer);
  RegisterMethod("TForm1", "Exit1Click", &TForm1::Exit1Click);
  RegisterMethod("TForm2", "FormCreate", &TForm2::FormCreate);
}

}  // namespace pelorin
