// The common dialogs of comdlg32 and the message dialogs.
#include "host/win/Dialogs.h"

#include <commdlg.h>

#include <vector>

#include "host/win/Forms.h"
#include "host/win/platform/WideText.h"

namespace pelorin {

HWND TCommonDialog::OwnerWindow() {
  if (Screen && Screen->ActiveForm()) return Screen->ActiveForm()->Handle();
  if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
    return Application->MainForm()->Handle();
  return Application ? Application->Handle() : nullptr;
}

std::wstring FilterToSystem(const std::string& filter) {
  std::wstring out = Utf8ToWide(filter);
  int parts = 1;
  for (wchar_t& c : out)
    if (c == L'|') {
      c = L'\0';
      ++parts;
    }
  if (filter.empty()) return std::wstring(2, L'\0');
  if (parts % 2) out.push_back(L'\0');  // the last description has no pattern
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

bool TOpenDialog::Execute() {
  const std::wstring filter = FilterToSystem(Filter);
  const std::wstring dir = Utf8ToWide(InitialDir);
  const std::wstring title = Utf8ToWide(Title);
  const std::wstring ext = Utf8ToWide(DefaultExt);
  std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
  const std::wstring initial = Utf8ToWide(FileName);
  if (initial.size() < file.size()) std::copy(initial.begin(), initial.end(), file.begin());
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = OwnerWindow();
  ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
  if (!GetOpenFileNameW(&ofn)) return false;
  FileName = WideToUtf8(file.data());
  return true;
}

bool TFontDialog::Execute() {
  LOGFONTW lf = font_.LogFont();
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = OwnerWindow();
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  cf.rgbColors = ToColorRef(font_.Color());
  if (!ChooseFontW(&cf)) return false;
  font_.SetLogFont(lf);
  font_.SetColor(static_cast<TColor>(cf.rgbColors));
  return true;
}

bool TColorDialog::Execute() {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = OwnerWindow();
  cc.rgbResult = ToColorRef(Color);
  cc.lpCustColors = custom_;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&cc)) return false;
  Color = static_cast<TColor>(cc.rgbResult);
  return true;
}

bool TPrintDialog::Execute() {
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = OwnerWindow();
  pd.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS;
  pd.nCopies = static_cast<WORD>(Copies);
  if (!PrintDlgW(&pd)) return false;
  Copies = pd.nCopies;
  if (pd.hDC) DeleteDC(pd.hDC);
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  return true;
}

int MessageDlg(const std::string& msg, TMsgDlgType type, int buttons) {
  static constexpr const char* captions[] = {"Warning", "Error", "Information", "Confirm", ""};
  static constexpr int icons[] = {MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION, 0};
  std::string caption = captions[type];
  if (type == mtCustom && Application) caption = Application->Title();
  return ShowMessageBox(msg, caption, buttons | icons[type]);
}

void ShowMessage(const std::string& msg) { ShowMessageBox(msg, Application ? Application->Title() : "", mbOK); }

}  // namespace pelorin
