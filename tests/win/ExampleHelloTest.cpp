// The hello example, run as its own process as a user would run it, comes up
// skinned: linking the library and activating a skin is all it does. The
// program is the one this build made, or PELORIN_HELLO_EXE (the example built
// as an outside project).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/win/Pump.h"

namespace pelorin {
namespace {

std::wstring WinePath(const std::string& linuxPath) {
  std::wstring w = L"Z:";
  for (char c : linuxPath) w += c == '/' ? L'\\' : wchar_t(c);
  return w;
}

TEST(ExampleHello, ComesUpSkinnedAndCloses) {
  const char* given = std::getenv("PELORIN_HELLO_EXE");
  const std::wstring exe = WinePath(given && *given ? given : PELORIN_BINARY_DIR "/examples/hello/hello.exe");
  const std::wstring skin = WinePath(PELORIN_BINARY_DIR "/skins/slate.skn");
  std::wstring command = L"\"" + exe + L"\" \"" + skin + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));

  HWND wnd = nullptr;
  EXPECT_TRUE(testing::PumpUntil([&] { return (wnd = FindWindowW(nullptr, L"Hello, skins")) != nullptr; }, 10000));
  if (wnd) {
    // Skinned: the system caption buttons are gone and the frame is the skin's
    // (a window region cut from its borders).
    const auto skinned = [&] {
      HRGN rgn = CreateRectRgn(0, 0, 0, 0);
      const bool shaped = GetWindowRgn(wnd, rgn) != ERROR;
      DeleteObject(rgn);
      return shaped && (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_SYSMENU) == 0;
    };
    EXPECT_TRUE(testing::PumpUntil(skinned, 5000));
    PostMessageW(wnd, WM_CLOSE, 0, 0);
  }
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
  TerminateProcess(pi.hProcess, 1);  // a no-op once it ended
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace
}  // namespace pelorin
