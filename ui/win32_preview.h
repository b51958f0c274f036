// The preview pane: a child window that paints the form's preview scene into
// a bitmap off screen and copies it to the screen in one step.
#pragma once

#include <windows.h>

#include <string>

#include "form/form_controls.h"
#include "form/preview_scene.h"

namespace halvane {

// Registers the pane's window class once per process; false on failure.
bool RegisterPreviewPane(HINSTANCE instance);

// What the pane paints with; it must outlive the pane.
struct PreviewPaneState {
  const PreviewScene* Scene = nullptr;
  std::wstring Face;  // of the drawing's texts
  HFONT NoticeFont = nullptr;
};

HWND MakePreviewPane(HWND dialog, const PixelRect& place, int id,
                     const PreviewPaneState& state);

// Paints the pane again at once.
void RepaintPreviewPane(HWND pane);

}  // namespace halvane
