// The examples run as their own processes, as users run them: hello with a
// skin file (the one this build made, or PELORIN_HELLO_EXE, the example built
// as an outside project), the plain example and the switcher with and without
// the common-controls 6 manifest, from the skin they carry. Each comes up
// skinned and closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/win/Pump.h"
#include "tests/support/win/WindowRegion.h"

namespace pelorin::testing {
namespace {

std::wstring WinePath(const std::string& linuxPath) {
  std::wstring w = L"Z:";
  for (char c : linuxPath) w += c == '/' ? L'\\' : wchar_t(c);
  return w;
}

// A program under test; ended when the test ends.
class TProgram {
public:
  TProgram(const std::string& path, const std::wstring& arguments) {
    const std::wstring exe = WinePath(path);
    std::wstring command = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    started_ = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
  }
  ~TProgram() {
    if (!started_) return;
    if (WaitForSingleObject(pi_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  bool Started() const { return started_; }
  // Closes the window and waits for the program to end.
  bool CloseAndEnd(HWND wnd) {
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    return WaitForSingleObject(pi_.hProcess, 10000) == WAIT_OBJECT_0;
  }

private:
  bool started_ = false;
  PROCESS_INFORMATION pi_{};
};

HWND WaitForWindow(const wchar_t* cls, const wchar_t* title) {
  HWND wnd = nullptr;
  PumpUntil([&] { return (wnd = FindWindowW(cls, title)) != nullptr && IsWindowVisible(wnd); }, 10000);
  return wnd;
}

// The skin's frame: a region cut from its borders, no system caption buttons.
bool Skinned(HWND wnd) {
  return TWindowRegion(wnd) && (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_SYSMENU) == 0;
}

TEST(ExamplePrograms, ComeUpSkinnedWithAndWithoutCommonControls6) {
  for (const char* variant : {"plain/plain", "plain/plain-cc6", "switcher/switcher", "switcher/switcher-cc6"}) {
    SCOPED_TRACE(variant);
    const bool plain = std::string(variant).rfind("plain/", 0) == 0;
    TProgram program(PELORIN_BINARY_DIR "/examples/" + std::string(variant) + ".exe", plain ? L"--dialog" : L"");
    ASSERT_TRUE(program.Started());
    HWND main = WaitForWindow(L"PelorinPlainMain", nullptr);
    ASSERT_TRUE(main);
    EXPECT_TRUE(PumpUntil([&] { return Skinned(main); }, 5000));
    if (plain) {
      HWND dialog = WaitForWindow(L"#32770", L"Every control");
      ASSERT_TRUE(dialog);
      EXPECT_TRUE(PumpUntil([&] { return Skinned(dialog); }, 5000));
    }
    EXPECT_TRUE(program.CloseAndEnd(main));
  }
}

TEST(ExampleHello, ComesUpSkinnedAndCloses) {
  const char* given = std::getenv("PELORIN_HELLO_EXE");
  TProgram hello(given && *given ? given : PELORIN_BINARY_DIR "/examples/hello/hello.exe",
                 L"\"" + WinePath(PELORIN_BINARY_DIR "/skins/slate.skn") + L"\"");
  ASSERT_TRUE(hello.Started());
  HWND wnd = WaitForWindow(nullptr, L"Hello, skins");
  ASSERT_TRUE(wnd);
  EXPECT_TRUE(PumpUntil([&] { return Skinned(wnd); }, 5000));
  EXPECT_TRUE(hello.CloseAndEnd(wnd));
}

}  // namespace
}  // namespace pelorin::testing
