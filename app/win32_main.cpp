// Halvane.exe: the command line and the environment are not read.
#include <windows.h>

#include <cstdlib>

#include "ui/win32_app.h"

// A window program has no console for the default handler's message, which
// would link the C++ name demangler into the program.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return halvane::RunHalvane(instance, nullptr);
}
