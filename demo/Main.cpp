// The demo program: reads the main form and runs the message loop.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "demo/Unit1.h"

using namespace pelorin;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TApplication application;
  try {
    RegisterDemoForms();
    application.Initialize();
    application.CreateForm(Form1);
    // A start skin from the skins folder, for screenshots of several skins.
    // "off" starts unskinned.
    if (const char* skin = std::getenv("PELORIN_DEMO_SKIN"); skin && *skin) {
      if (std::string(skin) == "off") Form1->Button2Click(nullptr);
      else Form1->SelectSkinFile(skin);
    }
    application.Run();
  } catch (...) {
    application.HandleException(nullptr);
    return 1;
  }
  return 0;
}
