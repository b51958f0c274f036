#include "ui/win32_form_sync.h"

#include "ui/win32_text.h"

namespace halvane {

namespace {

void WriteList(const ListControl& list, HWND combo) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : list.Items) {
    const std::wstring text = SjisToWide(item);
    SendMessageW(combo, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(list.ItemIndex), 0);
}

// Checking an automatic radio button makes it walk every sibling window to
// clear the rest of its group, so buttons already right are left alone.
void WriteRadio(const RadioControl& radio, ControlId id,
                const DialogControls& controls) {
  for (int item = 0; item < kRadioItems; ++item) {
    HWND button = controls.RadioButton(id, item);
    const WPARAM state = item == radio.ItemIndex ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0)) != state)
      SendMessageW(button, BM_SETCHECK, state, 0);
  }
}

int ReadRadio(ControlId id, const DialogControls& controls) {
  for (int item = 0; item < kRadioItems; ++item)
    if (SendMessageW(controls.RadioButton(id, item), BM_GETCHECK, 0, 0) ==
        BST_CHECKED)
      return item;
  return -1;
}

std::string ReadEdit(HWND edit, const std::string& model_text) {
  const std::wstring shown = WindowText(edit);
  return shown == SjisToWide(model_text) ? model_text : WideToSjis(shown);
}

}  // namespace

void WriteModelToControls(TForm1& form, const DialogControls& controls) {
  for (int i = 0; i < kControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    HWND window = controls.Window(id);
    switch (KindOf(id)) {
      case ControlKind::List:
        WriteList(*ListOf(form, id), window);
        break;
      case ControlKind::Edit:
        SetWindowTextW(window, SjisToWide(EditOf(form, id)->Text).c_str());
        break;
      case ControlKind::Radio:
        WriteRadio(*RadioOf(form, id), id, controls);
        break;
      case ControlKind::Check:
        SendMessageW(window, BM_SETCHECK,
                     CheckOf(form, id)->Checked ? BST_CHECKED : BST_UNCHECKED,
                     0);
        break;
      case ControlKind::Status:
        SetWindowTextW(window, SjisToWide(form.StatusText).c_str());
        break;
      case ControlKind::Button:
      case ControlKind::Memo:
      case ControlKind::Pane:
        break;
    }
  }
}

void ReadControlsIntoModel(const DialogControls& controls, TForm1& form) {
  for (int i = 0; i < kControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    HWND window = controls.Window(id);
    switch (KindOf(id)) {
      case ControlKind::List:
        ListOf(form, id)->ItemIndex =
            static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
        break;
      case ControlKind::Edit: {
        EditControl& edit = *EditOf(form, id);
        edit.Text = ReadEdit(window, edit.Text);
        break;
      }
      case ControlKind::Radio:
        RadioOf(form, id)->ItemIndex = ReadRadio(id, controls);
        break;
      case ControlKind::Check:
        CheckOf(form, id)->Checked =
            SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
        break;
      case ControlKind::Status:
      case ControlKind::Button:
      case ControlKind::Memo:
      case ControlKind::Pane:
        break;
    }
  }
}

}  // namespace halvane
