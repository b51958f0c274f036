// Asks the font the dialog chooses, through GetGlyphIndicesW, for every
// character the dialog and its messages show. Run in a Wine prefix where the
// form's face resolves and in one where it does not.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "form/command_switch.h"
#include "form/form_controls.h"
#include "form/run_sequence_internal.h"
#include "ui/dialog_layout.h"
#include "ui/win32_font.h"
#include "ui/win32_text.h"
#include "util/texts.h"

namespace halvane {
namespace {

// Enough of a window toolkit for FormShow to fill the text-type list from
// the initial exchange data.
class NoWindow final : public FormToolkit {
 public:
  void SetFocus(ControlId) override {}
  void ShowMessage(std::string_view) override {}
  void RepaintStatus() override {}
  void RepaintPreview() override {}
  void Close() override {}
  void GetPosition(int& left, int& top) override { left = top = 0; }
  void MoveTo(int, int) override {}
  NativePath ExecutablePath() override {
    return (std::filesystem::temp_directory_path() / "halvane-no-such-folder" /
            "Halvane.exe")
        .native();
  }
};

void AddControlTexts(TForm1& form, std::vector<std::string>& texts) {
  for (int i = 0; i < kControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    if (const ListControl* list = ListOf(form, id))
      texts.insert(texts.end(), list->Items.begin(), list->Items.end());
    if (const EditControl* edit = EditOf(form, id)) texts.push_back(edit->Text);
    if (const RadioControl* radio = RadioOf(form, id)) {
      texts.push_back(radio->Caption);
      texts.insert(texts.end(), radio->Items.begin(), radio->Items.end());
    }
    if (const CheckControl* check = CheckOf(form, id))
      texts.push_back(check->Caption);
    // The buttons' captions and the memo's lines.
    if (KindOf(id) == ControlKind::Button) texts.push_back(RowOf(id).Text);
    if (KindOf(id) == ControlKind::Memo)
      texts.insert(texts.end(), RowOf(id).Items.begin(), RowOf(id).Items.end());
  }
}

// Shift-JIS texts of every caption, list item, label, memo line and status.
std::vector<std::string> DialogTexts() {
  TForm1 form;
  NoWindow toolkit;
  form.SetToolkit(&toolkit);
  form.FormShow();
  form.SetToolkit(nullptr);
  std::vector<std::string> texts;
  AddControlTexts(form, texts);
  for (const LabelPlace& label : LabelPlaces()) texts.push_back(label.Text);
  texts.insert(
      texts.end(),
      {kFormCaption, form.StatusText, kStatusDrawing, kStatusWritingFile,
       // Other inputs give other text-type items.
       "\x8c\xbb\x8d\xdd\x82\xcc\x95\xb6\x8e\x9a\x8e\xed(Free)"
       /* 現在の文字種(Free) */,
       "No10: W2.5 H-1E-5 D0123456789",
       // The messages, drawn with the same font.
       kZeroLengthMessage, MissingPointsMessage(ExchangeData{}),
       UnknownSwitchMessage(std::vector<std::string>{"/sideways"})});
  return texts;
}

// The characters of `text` that `dc`'s font has no glyph for.
std::wstring MissingGlyphs(HDC dc, const std::wstring& text) {
  std::vector<WORD> glyphs(text.size());
  if (GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()),
                       glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
    return text;
  std::wstring missing;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (glyphs[i] == 0xFFFF) missing += text[i];
  return missing;
}

std::string Utf8(const std::wstring& wide) {
  std::string out(wide.size() * 3 + 1, '\0');
  const int got = WideCharToMultiByte(
      CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), out.data(),
      static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return out;
}

class DialogFont : public testing::TestWithParam<int> {};

TEST_P(DialogFont, HasAGlyphForEveryCharacterTheDialogShows) {
  const std::wstring face = DialogFontFace();
  std::printf("dialog font: %s, %d pixels\n", Utf8(face).c_str(), GetParam());
  HFONT font = MakeDialogFont(face, GetParam());
  ASSERT_NE(font, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  const std::vector<std::string> texts = DialogTexts();
  EXPECT_GT(texts.size(), 80u);
  for (const std::string& text : texts) {
    std::wstring wide = SjisToWide(text);
    std::erase_if(wide, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
    EXPECT_EQ(Utf8(MissingGlyphs(dc, wide)), "")
        << "missing in \"" << Utf8(wide) << "\"";
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
}

// The form's height and that of Label15.
INSTANTIATE_TEST_SUITE_P(Heights, DialogFont, testing::Values(kFontHeight, 11));

}  // namespace
}  // namespace halvane
