#include "ui/win32_controls.h"

#include <imm.h>

#include <string>

#include "form/command_switch.h"
#include "ui/dialog_layout.h"
#include "ui/win32_edit_hooks.h"
#include "ui/win32_font.h"
#include "ui/win32_text.h"

namespace halvane {

namespace {

constexpr int kFirstControlId = 100;  // then one per ControlId
constexpr int kFirstRadioId = 200;
constexpr int kFirstLabelId = 300;
constexpr int kDropDownHeight = 200;

COLORREF ToColorRef(const Rgb& c) { return RGB(c.Red, c.Green, c.Blue); }

int ChildId(ControlId id) {
  if (id == ControlId::Ok) return IDOK;
  if (id == ControlId::Cancel) return IDCANCEL;
  return kFirstControlId + static_cast<int>(id);
}

HWND MakeChild(HWND dialog, const wchar_t* window_class,
               const std::wstring& text, DWORD style, DWORD ex_style,
               const PixelRect& r, int id, HFONT font) {
  HWND child = CreateWindowExW(
      ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style,
      r.Left, r.Top, r.Width, r.Height, dialog,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)),
      nullptr);
  if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  return child;
}

SIZE TextSize(HWND window, HFONT font, const std::wstring& text) {
  SIZE size{0, 0};
  if (HDC dc = GetDC(window)) {
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()),
                          &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
  }
  return size;
}

int FontCellHeight(HWND window, HFONT font) {
  TEXTMETRICW metrics{};
  if (HDC dc = GetDC(window)) {
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
  }
  return metrics.tmHeight;
}

// The closed height of a drop-down list follows its item height; set that so
// the closed list is as high as the layout says, or as near as the font
// allows.
void FitClosedHeight(HWND combo, int height) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT r{};
    GetWindowRect(combo, &r);
    const LRESULT item = SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0);
    const int adjusted = static_cast<int>(item) + height - (r.bottom - r.top);
    if (item == CB_ERR || adjusted <= 0 || adjusted == item) return;
    SendMessageW(combo, CB_SETITEMHEIGHT, WPARAM(-1), adjusted);
  }
}

HWND MakeList(HWND dialog, ControlId id, const PixelRect& place, HFONT font) {
  PixelRect dropped = place;
  dropped.Height += kDropDownHeight;
  HWND combo = MakeChild(dialog, L"COMBOBOX", L"",
                         WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST,
                         0, dropped, ChildId(id), font);
  if (combo) FitClosedHeight(combo, place.Height);
  return combo;
}

HWND MakeEdit(HWND dialog, ControlId id, const PixelRect& place,
              const EditControl& model, HFONT font) {
  HWND edit =
      MakeChild(dialog, L"EDIT", L"", WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,
                WS_EX_CLIENTEDGE, place, ChildId(id), font);
  if (!edit) return nullptr;
  SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(model.MaxLength), 0);
  LimitEditBytes(edit, model.MaxLength);
  return edit;
}

// Two columns under the caption, as wide as the frame allows.
PixelRect RadioPlace(const PixelRect& frame, int item, int caption_height) {
  const int width = (frame.Width - 10) / kRadioItems;
  return {frame.Left + 8 + item * width, frame.Top + caption_height + 1, width,
          frame.Height - caption_height - 5};
}

bool MakeRadioGroup(HWND dialog, ControlId id, const PixelRect& frame,
                    const RadioControl& model, const DialogGdi& gdi,
                    DialogControls& controls) {
  HWND box = MakeChild(dialog, L"BUTTON", SjisToWide(model.Caption),
                       WS_GROUP | BS_GROUPBOX, 0, frame, ChildId(id), gdi.Font);
  if (!box) return false;
  controls.Windows[static_cast<std::size_t>(id)] = box;
  const int group = id == ControlId::ZeroDisplay ? 0 : 1;
  const int caption_height = FontCellHeight(dialog, gdi.Font);
  for (int item = 0; item < kRadioItems; ++item) {
    const std::string caption =
        item < static_cast<int>(model.Items.size()) ? model.Items[item] : "";
    const DWORD style =
        BS_AUTORADIOBUTTON | (item == 0 ? WS_GROUP | WS_TABSTOP : 0);
    HWND button =
        MakeChild(dialog, L"BUTTON", SjisToWide(caption), style, 0,
                  RadioPlace(frame, item, caption_height),
                  kFirstRadioId + group * kRadioItems + item, gdi.Font);
    if (!button) return false;
    controls.RadioButtons[group][item] = button;
  }
  return true;
}

std::wstring MemoText(std::span<const char* const> lines,
                      DimensionDirection direction) {
  std::string text;
  for (const char* line : lines) {
    if (line != lines.front()) text += "\r\n";
    text += NameDirection(line, direction);
  }
  return SjisToWide(text);
}

HWND MakeControl(HWND dialog, const ControlRow& row, TForm1& form,
                 const DialogGdi& gdi, const PreviewPaneState& preview) {
  const ControlId id = row.Id;
  const PixelRect& place = row.Place;
  switch (row.Kind) {
    case ControlKind::List:
      return MakeList(dialog, id, place, gdi.Font);
    case ControlKind::Edit:
      return MakeEdit(dialog, id, place, *EditOf(form, id), gdi.Font);
    case ControlKind::Check:
      return MakeChild(dialog, L"BUTTON",
                       SjisToWide(CheckOf(form, id)->Caption),
                       WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, place,
                       ChildId(id), gdi.Font);
    case ControlKind::Button: {
      const bool ok = id == ControlId::Ok;
      return MakeChild(
          dialog, L"BUTTON", SjisToWide(row.Text),
          WS_TABSTOP | WS_GROUP | (ok ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
          place, ChildId(id), gdi.Font);
    }
    case ControlKind::Memo: {
      HWND memo = MakeChild(
          dialog, L"EDIT", MemoText(row.Items, form.Direction),
          WS_GROUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL,
          WS_EX_CLIENTEDGE, place, ChildId(id), gdi.Font);
      if (memo) LeaveDialogKeysToDialog(memo);
      return memo;
    }
    case ControlKind::Pane:
      return MakePreviewPane(dialog, place, ChildId(id), preview);
    case ControlKind::Status:
      return MakeChild(dialog, L"STATIC", L"",
                       SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, place,
                       ChildId(id), gdi.Font);
    case ControlKind::Radio:
      break;
  }
  return nullptr;
}

bool MakeLabels(HWND dialog, DimensionDirection direction,
                const DialogGdi& gdi) {
  int id = kFirstLabelId;
  for (const LabelPlace& label : LabelPlaces()) {
    HFONT font = label.FontHeight == kFontHeight ? gdi.Font : gdi.SmallFont;
    const std::wstring text = SjisToWide(NameDirection(label.Text, direction));
    const SIZE size = TextSize(dialog, font, text);
    // Labels lie below the controls and must not paint over them.
    if (!MakeChild(dialog, L"STATIC", text,
                   SS_LEFT | SS_NOPREFIX | WS_CLIPSIBLINGS, 0,
                   {label.Left, label.Top, static_cast<int>(size.cx),
                    static_cast<int>(size.cy)},
                   id++, font))
      return false;
  }
  return true;
}

}  // namespace

DialogGdi::DialogGdi()
    : FormBrush(CreateSolidBrush(ToColorRef(kFormColour))),
      MemoBrush(CreateSolidBrush(ToColorRef(kMemoColour))),
      StatusBrush(CreateSolidBrush(ToColorRef(kStatusColour))) {
  Face = DialogFontFace();
  Font = MakeDialogFont(Face, kFontHeight);
  SmallFont = MakeDialogFont(Face, 11);  // Label15
}

DialogGdi::~DialogGdi() {
  for (HGDIOBJ object :
       {static_cast<HGDIOBJ>(Font), static_cast<HGDIOBJ>(SmallFont),
        static_cast<HGDIOBJ>(FormBrush), static_cast<HGDIOBJ>(MemoBrush),
        static_cast<HGDIOBJ>(StatusBrush)})
    if (object) DeleteObject(object);
}

HWND DialogControls::RadioButton(ControlId group, int item) const {
  const int index = group == ControlId::ZeroDisplay ? 0 : 1;
  return RadioButtons[index][static_cast<std::size_t>(item)];
}

std::optional<ControlId> DialogControls::Find(HWND window) const {
  if (!window) return std::nullopt;
  for (int i = 0; i < kControlCount; ++i)
    if (Windows[i] == window) return static_cast<ControlId>(i);
  for (int group = 0; group < 2; ++group)
    for (HWND button : RadioButtons[group])
      if (button == window)
        return group == 0 ? ControlId::ZeroDisplay : ControlId::Unit;
  return std::nullopt;
}

bool CreateDialogControls(HWND dialog, TForm1& form, const DialogGdi& gdi,
                          const PreviewPaneState& preview,
                          DialogControls& controls) {
  if (!gdi.Font || !gdi.SmallFont) return false;
  for (const ControlRow& row : ControlRows()) {
    if (row.Kind == ControlKind::Radio) {
      if (!MakeRadioGroup(dialog, row.Id, row.Place, *RadioOf(form, row.Id),
                          gdi, controls))
        return false;
      continue;
    }
    HWND window = MakeControl(dialog, row, form, gdi, preview);
    if (!window) return false;
    controls.Windows[static_cast<std::size_t>(row.Id)] = window;
    if (row.ImeOff) ImmAssociateContext(window, nullptr);
  }
  return MakeLabels(dialog, form.Direction, gdi);
}

}  // namespace halvane
