// Form1 as a Win32 dialog: creates the controls, routes the window messages
// to the form's event handlers and gives the form what it asks of a toolkit.
#pragma once

#include <windows.h>

#include <string_view>

#include "form/form_model.h"
#include "ui/win32_controls.h"

namespace halvane {

// Lets a test build watch the dialog; the program itself passes none.
class DialogObserver {
 public:
  virtual ~DialogObserver() = default;
  virtual void Shown(HWND dialog, const DialogControls& controls) = 0;
  virtual void MessageShown(std::wstring_view text) = 0;
  virtual void FormClosing() = 0;
  virtual void PreviewPainted(const PreviewScene& scene) = 0;
};

class Win32Dialog final : public FormToolkit {
 public:
  Win32Dialog(TForm1& form, DialogObserver* observer);
  ~Win32Dialog() override;
  Win32Dialog(const Win32Dialog&) = delete;
  Win32Dialog& operator=(const Win32Dialog&) = delete;

  // Creates the dialog, hidden, owned by `owner`. False on failure.
  bool Create(HINSTANCE instance, HWND owner);
  // Shows it; FormShow runs as it becomes visible.
  void Show();
  HWND Window() const { return window_; }
  const DialogControls& Controls() const { return controls_; }

  void SetFocus(ControlId control) override;
  void ShowMessage(std::string_view text) override;
  void RepaintStatus() override;
  void RepaintPreview() override;
  void Close() override;
  void GetPosition(int& left, int& top) override;
  void MoveTo(int left, int top) override;
  NativePath ExecutablePath() override;

 private:
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wparam,
                               LPARAM lparam);
  INT_PTR Handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool OnInit();
  void OnShown();
  void OnCommand(WPARAM wparam);
  void OnChange();
  void OnMinimize();
  INT_PTR OnColour(HDC dc, HWND control);

  TForm1& form_;
  DialogObserver* observer_;
  DialogGdi gdi_;
  PreviewPaneState preview_;
  DialogControls controls_;
  HWND window_ = nullptr;
  bool shown_ = false;
  bool closing_ = false;
};

}  // namespace halvane
