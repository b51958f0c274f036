#include "form/headless_toolkit.h"

#include "form/form_controls.h"

namespace halvane {

HeadlessToolkit::HeadlessToolkit(TForm1& form,
                                 const std::filesystem::path& executable)
    : form_(form), executable_(executable.native()) {
  form_.SetToolkit(this);
}

void HeadlessToolkit::SetFocus(ControlId control) {
  Events.push_back(std::string("focus ") + ControlName(control));
}

void HeadlessToolkit::ShowMessage(std::string_view text) {
  Events.push_back("message " + std::string(text));
}

void HeadlessToolkit::RepaintStatus() {
  Events.push_back("status " + form_.StatusText);
}

void HeadlessToolkit::RepaintPreview() { ++PreviewRepaints; }

void HeadlessToolkit::Close() {
  Events.push_back("close");
  Closed = true;
  form_.FormClose();
}

void HeadlessToolkit::GetPosition(int& left, int& top) {
  left = Left;
  top = Top;
}

void HeadlessToolkit::MoveTo(int left, int top) {
  Left = left;
  Top = top;
  Events.push_back("move " + std::to_string(left) + " " + std::to_string(top));
}

NativePath HeadlessToolkit::ExecutablePath() { return executable_; }

}  // namespace halvane
