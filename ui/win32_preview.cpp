#include "ui/win32_preview.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/win32_text.h"
#include "util/sjis_text.h"

namespace halvane {

namespace {

constexpr wchar_t kPaneClass[] = L"HalvanePreview";
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(160, 160, 160);
constexpr COLORREF kDrawingInk = RGB(0, 0, 0);
constexpr COLORREF kPickedInk = RGB(96, 128, 224);
constexpr COLORREF kNoticeInk = RGB(160, 0, 0);
// GDI takes 32-bit coordinates; anything beyond this is off the pane anyway.
constexpr double kFarPixel = 1e6;

COLORREF InkColour(PreviewInk ink) {
  return ink == PreviewInk::Picked ? kPickedInk : kDrawingInk;
}

int ToPixel(double v) {
  return static_cast<int>(std::lround(std::clamp(v, -kFarPixel, kFarPixel)));
}

bool Finite(const Point& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

void PaintPath(HDC dc, const PreviewPath& path) {
  std::vector<POINT> points;
  for (const Point& p : path.Points) {
    if (!Finite(p)) return;
    points.push_back({ToPixel(p.x), ToPixel(p.y)});
  }
  if (points.size() < 2) return;
  const COLORREF colour = InkColour(path.Ink);
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HBRUSH brush = path.Filled ? CreateSolidBrush(colour)
                             : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, brush);
  const int count = static_cast<int>(points.size());
  if (path.Closed)
    Polygon(dc, points.data(), count);
  else
    Polyline(dc, points.data(), count);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  if (path.Filled) DeleteObject(brush);
  DeleteObject(pen);
}

// One character at a time, so that each advances as the host spaces it.
void PaintText(HDC dc, const PreviewText& text, const std::wstring& face) {
  if (!Finite(text.At) || !(text.CharHeight >= 1) || text.CharHeight > 4000)
    return;
  std::wstring wide;
  std::vector<INT> advances;
  const std::string_view bytes = text.Text;
  for (std::size_t i = 0; i < bytes.size();) {
    const bool full = IsLeadByte(static_cast<unsigned char>(bytes[i])) &&
                      i + 1 < bytes.size();
    const std::size_t size = full ? 2 : 1;
    const std::wstring one = SjisToWide(bytes.substr(i, size));
    i += size;
    if (one.empty()) continue;
    const double advance = full ? text.CharWidth + text.Spacing
                                : (text.CharWidth + text.Spacing) / 2;
    wide += one.front();
    advances.push_back(ToPixel(advance));
  }
  if (wide.empty()) return;
  const int tenths =
      static_cast<int>(std::lround(std::fmod(text.Angle, 360) * 10));
  HFONT font = CreateFontW(
      -ToPixel(text.CharHeight), std::max(1, ToPixel(text.CharWidth / 2)),
      tenths, tenths, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS | CLIP_LH_ANGLES, DEFAULT_QUALITY,
      FIXED_PITCH | FF_MODERN, face.c_str());
  if (!font) return;
  HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, InkColour(text.Ink));
  SetTextAlign(dc, TA_BOTTOM | TA_LEFT | TA_NOUPDATECP);
  ExtTextOutW(dc, ToPixel(text.At.x), ToPixel(text.At.y), 0, nullptr,
              wide.c_str(), static_cast<UINT>(wide.size()), advances.data());
  SelectObject(dc, old);
  DeleteObject(font);
}

void PaintNotice(HDC dc, RECT area, const std::string& notice, HFONT font) {
  std::wstring wide = SjisToWide(notice);
  HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, kNoticeInk);
  SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
  InflateRect(&area, -8, -8);
  RECT measured = area;
  DrawTextW(dc, wide.c_str(), -1, &measured,
            DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  const LONG height = measured.bottom - measured.top;
  area.top += std::max(LONG{0}, (area.bottom - area.top - height) / 2);
  DrawTextW(dc, wide.c_str(), -1, &area,
            DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
}

void PaintScene(HDC dc, RECT area, const PreviewPaneState& state) {
  HBRUSH paper = CreateSolidBrush(kPaper);
  FillRect(dc, &area, paper);
  DeleteObject(paper);
  SetBkMode(dc, TRANSPARENT);
  if (const PreviewScene* scene = state.Scene; !scene) {
  } else if (!scene->Notice.empty()) {
    PaintNotice(dc, area, scene->Notice, state.NoticeFont);
  } else {
    for (const PreviewPath& path : scene->Paths) PaintPath(dc, path);
    for (const PreviewText& text : scene->Texts)
      PaintText(dc, text, state.Face);
  }
  HBRUSH frame = CreateSolidBrush(kFrame);
  FrameRect(dc, &area, frame);
  DeleteObject(frame);
}

void OnPaint(HWND pane, const PreviewPaneState& state) {
  PAINTSTRUCT ps;
  HDC screen = BeginPaint(pane, &ps);
  RECT area;
  GetClientRect(pane, &area);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    PaintScene(memory, area, state);
    BitBlt(screen, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
  } else {
    PaintScene(screen, area, state);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  EndPaint(pane, &ps);
}

LRESULT CALLBACK PaneProc(HWND pane, UINT message, WPARAM wparam,
                          LPARAM lparam) {
  auto* state = reinterpret_cast<PreviewPaneState*>(
      GetWindowLongPtrW(pane, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(pane, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_GETFONT:  // the notice's, which is the dialog's
      return state ? reinterpret_cast<LRESULT>(state->NoticeFont) : 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      if (!state) break;
      try {
        OnPaint(pane, *state);
      } catch (...) {
      }
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(pane, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(pane, message, wparam, lparam);
}

}  // namespace

bool RegisterPreviewPane(HINSTANCE instance) {
  WNDCLASSEXW pane_class{};
  if (GetClassInfoExW(instance, kPaneClass, &pane_class)) return true;
  pane_class.cbSize = sizeof pane_class;
  pane_class.lpfnWndProc = PaneProc;
  pane_class.hInstance = instance;
  pane_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  pane_class.lpszClassName = kPaneClass;
  return RegisterClassExW(&pane_class) != 0;
}

HWND MakePreviewPane(HWND dialog, const PixelRect& place, int id,
                     const PreviewPaneState& state) {
  auto* instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
  if (!RegisterPreviewPane(instance)) return nullptr;
  return CreateWindowExW(0, kPaneClass, L"", WS_CHILD | WS_VISIBLE, place.Left,
                         place.Top, place.Width, place.Height, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         instance, const_cast<PreviewPaneState*>(&state));
}

void RepaintPreviewPane(HWND pane) {
  if (pane)
    RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace halvane
