#include "ui/win32_text.h"

#include <algorithm>

namespace halvane {

namespace {
constexpr UINT kShiftJis = 932;
}

std::wstring SjisToWide(std::string_view sjis) {
  if (sjis.empty()) return {};
  const int size = static_cast<int>(sjis.size());
  const int length =
      MultiByteToWideChar(kShiftJis, 0, sjis.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, 0, sjis.data(), size, wide.data(), length);
  return wide;
}

std::string WideToSjis(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(kShiftJis, 0, wide.data(), size,
                                         nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string sjis(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, 0, wide.data(), size, sjis.data(), length,
                      nullptr, nullptr);
  return sjis;
}

int SjisByteLength(std::wstring_view wide) {
  if (wide.empty()) return 0;
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(
      kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(),
      static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
  return length <= 0 || lossy ? -1 : length;
}

bool ReplacementFits(std::wstring_view current, std::size_t first,
                     std::size_t count, std::wstring_view inserted,
                     int max_bytes) {
  first = std::min(first, current.size());
  count = std::min(count, current.size() - first);
  std::wstring result(current.substr(0, first));
  result += inserted;
  result += current.substr(first + count);
  const int bytes = SjisByteLength(result);
  return bytes >= 0 && bytes <= max_bytes;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)),
                    L'\0');
  if (!text.empty()) {
    const int got =
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  }
  return text;
}

std::wstring_view FirstLine(std::wstring_view text) {
  return text.substr(0, std::min(text.find(L'\r'), text.find(L'\n')));
}

}  // namespace halvane
