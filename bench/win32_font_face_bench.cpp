// What choosing the dialog's face costs: DialogFontFace() against making
// and measuring the dialog's font once (the baseline), interleaved, under
// one warm wineserver. With "first", only the first call of each in this
// process, the face chosen first as the dialog does; with "first-font", the
// form's font first as the dialog did before. Run them by turns.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "ui/dialog_layout.h"
#include "ui/win32_font.h"
#include "ui/win32_text.h"

namespace {

using Clock = std::chrono::steady_clock;

// Make the font, realise it in a DC as the labels' measuring does, drop it.
void MakeAndMeasureFont(const std::wstring& face) {
  HFONT font = halvane::MakeDialogFont(face, halvane::kFontHeight);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
}

template <class Work>
double Microseconds(Work&& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::micro>(Clock::now() - start)
      .count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring face;
  if (argc == 2 && std::wcscmp(argv[1], L"first") == 0) {
    const double c = Microseconds([&] { face = halvane::DialogFontFace(); });
    const double b = Microseconds([&] { MakeAndMeasureFont(face); });
    std::printf("first calls: DialogFontFace %.1f us, then the font %.1f us\n",
                c, b);
    return 0;
  }
  // The baseline's first call: the form's face made at once, as before.
  if (argc == 2 && std::wcscmp(argv[1], L"first-font") == 0) {
    const double b = Microseconds(
        [] { MakeAndMeasureFont(halvane::SjisToWide(halvane::kFontName)); });
    const double c = Microseconds([&] { face = halvane::DialogFontFace(); });
    std::printf(
        "first calls: the form's font %.1f us, then DialogFontFace "
        "%.1f us\n",
        b, c);
    return 0;
  }
  face = halvane::DialogFontFace();
  std::vector<double> chooser, baseline;
  for (int round = 0; round < 200; ++round) {
    chooser.push_back(Microseconds([] { halvane::DialogFontFace(); }));
    baseline.push_back(Microseconds([&] { MakeAndMeasureFont(face); }));
  }
  const double c = Median(chooser), b = Median(baseline);
  std::printf(
      "face %ls: DialogFontFace %.1f us, making and measuring the font %.1f us"
      " (medians of 200, interleaved), ratio %.2f\n",
      face.c_str(), c, b, c / b);
  return 0;
}
