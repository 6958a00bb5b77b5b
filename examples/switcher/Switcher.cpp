// The plain example with a Skin menu: the skins it carries, a skin file, or
// the system look, switched while the windows stay open. The first argument
// is a skin file to start with.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <string>

#include "PlainIds.h"
#include "PlainUi.h"
#include "pelorin/Skin.h"

namespace {

pelorin::TThreadSkin gSkin;
const wchar_t* const kSkinNames[] = {L"&Slate", L"&Ember", L"&Harbor"};
constexpr int kSkinCount = 3;
constexpr int kFromFile = IDM_SKIN_FIRST + kSkinCount;

std::string Utf8(const wchar_t* text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), n, nullptr, nullptr);
  return result;
}

void Use(HWND wnd, const pelorin::TSkinSource& source, int item) {
  if (auto error = gSkin.Start(source)) {
    MessageBoxA(wnd, error.Text().c_str(), "The skin is not used", MB_OK | MB_ICONWARNING);
    return;
  }
  CheckMenuRadioItem(GetMenu(wnd), IDM_SKIN_OFF, kFromFile, item, MF_BYCOMMAND);
}

void OnCommand(HWND wnd, int id) {
  if (id == IDM_SKIN_OFF) {
    (void)gSkin.Stop();
    CheckMenuRadioItem(GetMenu(wnd), IDM_SKIN_OFF, kFromFile, id, MF_BYCOMMAND);
  } else if (id >= IDM_SKIN_FIRST && id < kFromFile) {
    Use(wnd, pelorin::TSkinSource::Resource(nullptr, IDR_SKIN_SLATE + (id - IDM_SKIN_FIRST)), id);
  } else if (id == kFromFile) {
    wchar_t path[MAX_PATH] = L"";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = wnd;
    ofn.lpstrFilter = L"Skins (*.skn)\0*.skn\0All files\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_FILEMUSTEXIST;
    if (GetOpenFileNameW(&ofn)) Use(wnd, pelorin::TSkinSource::File(Utf8(path)), id);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  HWND main = plain::CreateMainWindow(instance, OnCommand);
  SetWindowTextW(main, L"Skin switcher");
  HMENU skins = CreatePopupMenu();
  AppendMenuW(skins, MF_STRING, IDM_SKIN_OFF, L"System &look");
  for (int i = 0; i < kSkinCount; ++i) AppendMenuW(skins, MF_STRING, IDM_SKIN_FIRST + i, kSkinNames[i]);
  AppendMenuW(skins, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(skins, MF_STRING, kFromFile, L"From &file...");
  AppendMenuW(GetMenu(main), MF_POPUP, reinterpret_cast<UINT_PTR>(skins), L"&Skin");

  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc > 1)
    Use(main, pelorin::TSkinSource::File(Utf8(argv[1])), kFromFile);
  else
    Use(main, pelorin::TSkinSource::Resource(nullptr, IDR_SKIN_SLATE), IDM_SKIN_FIRST);
  LocalFree(argv);

  ShowWindow(main, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(GetActiveWindow(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  (void)gSkin.Stop();  // before the statics go: the windows are gone by now
  return 0;
}
