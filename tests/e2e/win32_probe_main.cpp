// Halvane-probe.exe: Halvane.exe plus a record, in probe.log beside the
// program, of what the end-to-end tests cannot see from outside: the place,
// text and font of every child window, each focus change, the message box
// text and every FormClose.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "ui/win32_app.h"
#include "ui/win32_text.h"

namespace halvane {
namespace {

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr,
                                         0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length,
                      nullptr, nullptr);
  return text;
}

// Line breaks become "|" so that one window is one line of the log.
std::string OneLine(std::wstring text) {
  std::string out = Utf8(text);
  std::string line;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n') continue;
    line += out[i] == '\n' ? '|' : out[i];
  }
  return line;
}

class ProbeLog final : public RunObserver {
 public:
  ProbeLog() {
    wchar_t path[32768];
    const DWORD got = GetModuleFileNameW(nullptr, path, 32768);
    const auto folder =
        std::filesystem::path(std::wstring(path, got)).parent_path();
    file_ = _wfopen((folder / L"probe.log").c_str(), L"ab");
  }
  ~ProbeLog() override {
    if (file_) std::fclose(file_);
  }

  void Shown(HWND dialog, const DialogControls& controls) override {
    controls_ = &controls;
    RECT window{}, client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    POINT origin{0, 0};
    ClientToScreen(dialog, &origin);
    Write("window " +
          Numbers({window.left, window.top, window.right, window.bottom}));
    Write("client " + Numbers({client.right, client.bottom}) + " origin " +
          Numbers({origin.x, origin.y}));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const RECT& work = monitor.rcWork;
    Write("workarea " +
          Numbers({work.left, work.top, work.right, work.bottom}));
    Write("style " + Hex(GetWindowLongW(dialog, GWL_STYLE)) + " exstyle " +
          Hex(GetWindowLongW(dialog, GWL_EXSTYLE)));
    Write("caption " + OneLine(WindowText(dialog)));
    HWND owner = GetWindow(dialog, GW_OWNER);
    Write("owner " + OneLine(WindowText(owner)) + " visible " +
          std::to_string(IsWindowVisible(owner) ? 1 : 0) + " exstyle " +
          Hex(GetWindowLongW(owner, GWL_EXSTYLE)));
    for (HWND child = GetWindow(dialog, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
      WriteChild(dialog, child);
  }

  void FocusChanged(ControlId control) override {
    Write(std::string("focus ") + ControlName(control));
  }
  void MessageShown(std::wstring_view text) override {
    Write("message " + OneLine(std::wstring(text)));
  }
  void FormClosing() override { Write("close"); }
  // Where each line of the preview lies in the pane, rounded to pixels.
  void PreviewPainted(const PreviewScene& scene) override {
    Write("preview " + std::to_string(scene.Paths.size()) + " paths " +
          std::to_string(scene.Texts.size()) + " texts" +
          (scene.Notice.empty() ? "" : " notice"));
    for (const PreviewPath& path : scene.Paths) {
      if (path.Points.size() != 2) continue;
      Write("line " + Numbers({std::lround(path.Points[0].x),
                               std::lround(path.Points[0].y),
                               std::lround(path.Points[1].x),
                               std::lround(path.Points[1].y)}));
    }
  }

 private:
  void WriteChild(HWND dialog, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    wchar_t window_class[64] = L"";
    GetClassNameW(child, window_class, 64);
    std::string name = "-";
    if (auto id = controls_->Find(child)) name = ControlName(*id);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)),
               sizeof font, &font);
    Write("child " + name + " " + Utf8(window_class) + " " +
          Numbers({r.left, r.top, r.right - r.left, r.bottom - r.top}) +
          " style " + Hex(GetWindowLongW(child, GWL_STYLE)) + " font " +
          std::to_string(font.lfHeight) + " " + std::to_string(font.lfCharSet) +
          " " + Utf8(font.lfFaceName) + " text " + OneLine(WindowText(child)));
  }

  static std::string Numbers(std::initializer_list<long> values) {
    std::string out;
    for (long v : values) {
      if (!out.empty()) out += ' ';
      out += std::to_string(v);
    }
    return out;
  }
  static std::string Hex(LONG value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08lx",
                  static_cast<unsigned long>(value));
    return buffer;
  }
  void Write(const std::string& line) {
    if (!file_) return;
    std::fputs((line + "\n").c_str(), file_);
    std::fflush(file_);
  }

  std::FILE* file_ = nullptr;
  const DialogControls* controls_ = nullptr;
};

}  // namespace
}  // namespace halvane

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  halvane::ProbeLog log;
  return halvane::RunHalvane(instance, &log);
}
