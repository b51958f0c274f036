// Halvane.exe with a stopwatch: once the dialog is shown it changes the start
// marker back and forth through the dialog's own change handling, each change
// read, planned and painted at once, and between those repaints the status
// label, a plain control, as the yardstick. Writes the medians to
// redraw.txt beside the program and closes the dialog.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "ui/win32_app.h"

namespace halvane {
namespace {

constexpr int kChanges = 200;

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

class Stopwatch final : public RunObserver {
 public:
  void Shown(HWND dialog, const DialogControls& controls) override {
    HWND marker = controls.Window(ControlId::StartMarker);
    HWND status = controls.Window(ControlId::Status);
    const WPARAM change = MAKEWPARAM(GetDlgCtrlID(marker), CBN_SELCHANGE);
    std::vector<double> redraws, yardsticks;
    for (int i = 0; i < kChanges; ++i) {
      SendMessageW(marker, CB_SETCURSEL, static_cast<WPARAM>(i % 2 ? 7 : 6), 0);
      double begin = Now();
      SendMessageW(dialog, WM_COMMAND, change,
                   reinterpret_cast<LPARAM>(marker));
      redraws.push_back(Now() - begin);
      begin = Now();
      RedrawWindow(status, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      yardsticks.push_back(Now() - begin);
    }
    Write(Median(redraws), Median(yardsticks), painted_);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
  void FocusChanged(ControlId) override {}
  void MessageShown(std::wstring_view) override {}
  void FormClosing() override {}
  void PreviewPainted(const PreviewScene&) override { ++painted_; }

 private:
  static void Write(double redraw, double yardstick, int painted) {
    wchar_t path[32768];
    const DWORD got = GetModuleFileNameW(nullptr, path, 32768);
    const auto file =
        std::filesystem::path(std::wstring(path, got)).parent_path() /
        L"redraw.txt";
    if (std::FILE* out = _wfopen(file.c_str(), L"wb")) {
      std::fprintf(out, "redraw %.3f ms, status label %.3f ms, paints %d\n",
                   redraw, yardstick, painted);
      std::fclose(out);
    }
  }
  int painted_ = 0;
};

}  // namespace
}  // namespace halvane

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  halvane::Stopwatch stopwatch;
  return halvane::RunHalvane(instance, &stopwatch);
}
