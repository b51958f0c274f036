// The dialog's child windows, created from the layout table, and the fonts
// and brushes they are drawn with.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <optional>

#include "form/form_controls.h"
#include "form/form_model.h"
#include "ui/win32_preview.h"

namespace halvane {

class DialogGdi {
 public:
  DialogGdi();
  ~DialogGdi();
  DialogGdi(const DialogGdi&) = delete;
  DialogGdi& operator=(const DialogGdi&) = delete;

  std::wstring Face;  // of Font and the preview's texts
  HFONT Font = nullptr;
  HFONT SmallFont = nullptr;  // Label15
  HBRUSH FormBrush = nullptr;
  HBRUSH MemoBrush = nullptr;
  HBRUSH StatusBrush = nullptr;
};

inline constexpr int kRadioItems = 2;

struct DialogControls {
  // Indexed by ControlId; a radio group's entry is its frame.
  std::array<HWND, kControlCount> Windows{};
  std::array<std::array<HWND, kRadioItems>, 2> RadioButtons{};

  HWND Window(ControlId id) const {
    return Windows[static_cast<std::size_t>(id)];
  }
  HWND RadioButton(ControlId group, int item) const;
  // The control a child window belongs to (a radio button to its group).
  std::optional<ControlId> Find(HWND window) const;
};

// Creates every control and label; false when a window could not be made.
bool CreateDialogControls(HWND dialog, TForm1& form, const DialogGdi& gdi,
                          const PreviewPaneState& preview,
                          DialogControls& controls);

}  // namespace halvane
