// The toolkit of a run without a window, for halvane-run and the tests: it
// records what the user would have seen and closes the form as the dialog
// does.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"

namespace halvane {

class HeadlessToolkit : public FormToolkit {
 public:
  // Becomes the form's toolkit; `executable` stands for the running program.
  HeadlessToolkit(TForm1& form, const std::filesystem::path& executable);

  void SetFocus(ControlId control) override;
  void ShowMessage(std::string_view text) override;
  void RepaintStatus() override;
  void RepaintPreview() override;
  void Close() override;
  void GetPosition(int& left, int& top) override;
  void MoveTo(int left, int top) override;
  NativePath ExecutablePath() override;

  // "focus <control name>", "message <text>", "status <caption>", "close",
  // "move <left> <top>"; texts in Shift-JIS.
  std::vector<std::string> Events;
  bool Closed = false;
  int PreviewRepaints = 0;  // kept apart: the runner reports only Events
  int Left = 0;
  int Top = 0;

 private:
  TForm1& form_;
  NativePath executable_;
};

}  // namespace halvane
