#include "ui/win32_font.h"

#include <cwchar>

#include "ui/dialog_layout.h"
#include "ui/win32_text.h"

namespace halvane {

namespace {

// Windows' Japanese UI faces; then, for Wine, those of Linux desktops, the
// ones drawn to the same measures as ＭＳ ゴシック first.
const wchar_t* const kFallbackFaces[] = {
    L"MS Gothic",    L"MS UI Gothic",     L"Meiryo UI",
    L"Yu Gothic UI", L"IPAGothic",        L"TakaoGothic",
    L"VL Gothic",    L"Noto Sans CJK JP", L"Noto Sans JP",
};

int CALLBACK StopAtFirst(const LOGFONTW*, const TEXTMETRICW*, DWORD,
                         LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// One enumeration, limited to this face in the Shift-JIS character set.
bool Installed(HDC dc, const std::wstring& face) {
  LOGFONTW query{};
  query.lfCharSet = SHIFTJIS_CHARSET;
  wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &query, StopAtFirst, reinterpret_cast<LPARAM>(&found),
                      0);
  return found;
}

}  // namespace

std::wstring DialogFontFace() {
  const std::wstring form_face = SjisToWide(kFontName);
  HDC dc = GetDC(nullptr);
  if (!dc) return form_face;
  std::wstring chosen = form_face;
  if (!Installed(dc, form_face)) {
    for (const wchar_t* face : kFallbackFaces) {
      if (Installed(dc, face)) {
        chosen = face;
        break;
      }
    }
  }
  ReleaseDC(nullptr, dc);
  return chosen;
}

HFONT MakeDialogFont(const std::wstring& face, int height) {
  return CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                     SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     face.c_str());
}

}  // namespace halvane
