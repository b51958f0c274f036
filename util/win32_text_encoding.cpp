#include <windows.h>

#include "util/text_encoding.h"

namespace halvane {
namespace {

std::wstring ToWide(UINT code_page, DWORD flags, std::string_view text,
                    bool& ok) {
  ok = true;
  if (text.empty()) return {};
  int n = MultiByteToWideChar(code_page, flags, text.data(),
                              static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) {
    ok = false;
    return {};
  }
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(code_page, flags, text.data(),
                      static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string FromWide(const std::wstring& wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(),
                              static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(n > 0 ? n : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                      out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

// Character by character, so that a bad byte costs only itself, as with
// iconv on Linux (the code page API would also swallow the byte after it).
std::string SjisToUtf8(std::string_view sjis) {
  std::string out;
  for (std::size_t i = 0; i < sjis.size();) {
    unsigned char b = static_cast<unsigned char>(sjis[i]);
    std::size_t n =
        (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC) ? 2 : 1;
    bool ok = false;
    std::wstring wide;
    if (i + n <= sjis.size())
      wide = ToWide(932, MB_ERR_INVALID_CHARS, sjis.substr(i, n), ok);
    if (ok && !wide.empty()) {
      out += FromWide(wide);
      i += n;
    } else {
      out += "\xef\xbf\xbd";
      ++i;
    }
  }
  return out;
}

bool Utf8ToSjis(std::string_view utf8, std::string& sjis) {
  sjis.clear();
  bool ok = false;
  std::wstring wide = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, ok);
  if (!ok) return false;
  if (wide.empty()) return true;
  BOOL lossy = FALSE;
  int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(),
                              static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, &lossy);
  if (n <= 0 || lossy) return false;
  sjis.assign(n, '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(),
                      static_cast<int>(wide.size()), sjis.data(), n, nullptr,
                      nullptr);
  return true;
}

}  // namespace halvane
