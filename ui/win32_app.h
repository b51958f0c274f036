// The program's run: the application window that carries the title on the
// taskbar, Form1 owned by it, and the message loop.
#pragma once

#include <windows.h>

#include "ui/win32_dialog.h"

namespace halvane {

// Test builds watch focus changes besides what DialogObserver reports.
class RunObserver : public DialogObserver {
 public:
  virtual void FocusChanged(ControlId control) = 0;
};

// Runs the command the program's switch chooses until Form1 has closed; the
// exit code of the process.
int RunHalvane(HINSTANCE instance, RunObserver* observer);

}  // namespace halvane
