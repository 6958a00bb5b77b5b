// A plain Win32 program, skinned by the three lines marked (1) to (3). The
// first argument is a skin file ("off": the system look); without one the
// program takes the skin it carries as a resource. "--dialog" also opens the
// dialog of every control.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "PlainIds.h"
#include "PlainUi.h"
#include "pelorin/Skin.h"  // (1)

namespace {
std::string Utf8(const wchar_t* text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), n, nullptr, nullptr);
  return result;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::string file;
  bool dialog = false;
  for (int i = 1; i < argc; ++i) {
    if (lstrcmpW(argv[i], L"--dialog") == 0)
      dialog = true;
    else
      file = Utf8(argv[i]);
  }
  LocalFree(argv);

  pelorin::TThreadSkin skin;  // (2)
  if (file != "off") {
    const auto source = file.empty() ? pelorin::TSkinSource::Resource(nullptr, IDR_SKIN_SLATE)
                                     : pelorin::TSkinSource::File(file);
    if (auto error = skin.Start(source))  // (3)
      MessageBoxA(nullptr, error.Text().c_str(), "The skin is not used", MB_OK | MB_ICONWARNING);
  }

  HWND main = plain::CreateMainWindow(instance);
  ShowWindow(main, show);
  if (dialog) plain::OpenControlsDialog(main);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(GetActiveWindow(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return 0;
}
