// Halvane.exe: the command line and the environment are not read.
#include <windows.h>

#include "ui/win32_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return halvane::RunHalvane(instance, nullptr);
}
