// The settings file t517.dat: one value per line, the meaning of a line is
// its position. TForm1::LoadSettings and TForm1::SaveSettings use these.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "exchange/exchange_data.h"
#include "form/form_model.h"

namespace halvane {

// Longest part of a line that is kept; the rest of a longer line is skipped.
// Far more than any edit or number of the file can use.
inline constexpr std::size_t kSettingsLineKeep = 256;

// Reads a text file line by line in bounded memory. A line ends at LF or CR
// LF; other CRs are dropped; a byte 0x1A ends the file.
class SettingsLineReader {
 public:
  explicit SettingsLineReader(std::FILE* file) : file_(file) {}
  // The next line without its line end, cut to kSettingsLineKeep bytes;
  // past the end of the file an empty line. False once reading has failed.
  bool Next(std::string& line);

 private:
  int NextByte();  // -1 at the end of the data or after a failure
  std::FILE* file_;
  char buffer_[4096];
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  bool end_ = false;
  bool failed_ = false;
};

// The text up to the first byte a single-line edit cannot hold (NUL, CR, LF,
// 0x1A), so that every value stays on its own line.
std::string_view SingleLineText(std::string_view text);

// An edit text as read from the file: single-line, and cut on a character
// boundary to the edit's maximum length, which the dialog could never exceed;
// a lead byte without its second byte at the end is dropped.
std::string EditTextFromFile(std::string_view line, int max_length);

// Applying stored indexes: a list takes -1 (no selection) beyond its last
// item, a radio group its last option; negative values become 0 for both.
int StoredListIndex(int32_t value, std::size_t item_count);
int StoredRadioIndex(int32_t value, std::size_t item_count);

// The 31 lines of the file, each ended by CR LF.
std::string FormatSettings(const TForm1& form, const ExchangeData& data);

}  // namespace halvane
