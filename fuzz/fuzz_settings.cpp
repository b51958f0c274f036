// Arbitrary bytes as t517.dat: after LoadSettings every control holds a value
// the dialog can show, and what SaveSettings writes for that form, loaded
// again, restores it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "exchange/exchange_data.h"
#include "exchange_invariants.h"
#include "form/form_controls.h"
#include "form/form_model.h"
#include "form/settings_file_internal.h"
#include "fuzz_file.h"
#include "util/sjis_text.h"

namespace halvane {
namespace {

const FuzzFile& Settings() {
  static const FuzzFile file(".dat");
  return file;
}

const std::filesystem::path& SettingsPath() { return Settings().Path(); }

bool WriteFile(std::string_view bytes) {
  return Settings().Write(bytes.data(), bytes.size());
}

// The form as FormShow hands it to LoadSettings; the text-type list has
// between 0 and 11 items, taken from the input's length.
TForm1 ShownForm(std::size_t text_types) {
  TForm1 form;
  form.TextType.Items.assign(text_types, "No");
  return form;
}

TForm1 Load(std::size_t text_types) {
  TForm1 form = ShownForm(text_types);
  form.LoadSettings(SettingsPath());
  return form;
}

// True when a walk from the first byte, a lead byte taking the next byte
// with it, ends exactly at the end of the text.
bool EndsOnCharacter(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size())
    i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  return i == text.size();
}

void CheckControls(const TForm1& form) {
  for (const ControlRow& row : ControlRows()) {
    if (const auto* list = FieldOf<ListControl>(form, row.Id)) {
      Require(list->ItemIndex >= -1 &&
                  list->ItemIndex < static_cast<int>(list->Items.size()),
              "a list index names an item or is -1");
    }
    if (const auto* radio = FieldOf<RadioControl>(form, row.Id)) {
      Require(radio->ItemIndex >= 0 &&
                  radio->ItemIndex < static_cast<int>(radio->Items.size()),
              "a radio index names an option");
    }
    if (const auto* edit = FieldOf<EditControl>(form, row.Id)) {
      Require(edit->Text.size() <= static_cast<std::size_t>(row.MaxLength),
              "an edit text within its byte limit");
      Require(SingleLineText(edit->Text).size() == edit->Text.size(),
              "an edit text on one line");
      Require(EndsOnCharacter(edit->Text),
              "an edit text ends on a character boundary");
    }
  }
}

// The reader keeps at most kSettingsLineKeep bytes of any line, however long.
void CheckReaderBound() {
  std::FILE* f = std::fopen(SettingsPath().c_str(), "rb");
  if (f == nullptr) return;
  SettingsLineReader reader(f);
  std::string line;
  for (int i = 0; i < 40 && reader.Next(line); ++i) {
    Require(line.size() <= kSettingsLineKeep, "a line kept in bounded memory");
  }
  std::fclose(f);
}

}  // namespace
}  // namespace halvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  if (!WriteFile(std::string_view(reinterpret_cast<const char*>(data), size))) {
    return 0;
  }
  const std::size_t text_types = size % 12;
  const TForm1 loaded = Load(text_types);
  CheckControls(loaded);
  TForm1 expected = Load(text_types);  // the same, to be adjusted below
  CheckReaderBound();

  // The round trip, through the bytes SaveSettings writes (written here
  // without its replace-by-rename, which adds nothing to the check). A list
  // left without a selection is written as -1, which reads back as its first
  // item; OK never saves such a form, as it refuses an empty list.
  const ExchangeData initial;
  const std::string saved = FormatSettings(loaded, initial);
  if (!WriteFile(saved)) return 0;
  for (const ControlRow& row : ControlRows()) {
    if (ListControl* list = ListOf(expected, row.Id))
      list->ItemIndex = StoredListIndex(list->ItemIndex, list->Items.size());
  }
  const TForm1 reloaded = Load(text_types);
  CheckControls(reloaded);
  Require(
      FormatSettings(reloaded, initial) == FormatSettings(expected, initial),
      "saved settings load back to the same controls");
  return 0;
}
