#include <algorithm>
#include <climits>
#include <memory>
#include <type_traits>
#include <variant>

#include "form/form_controls.h"
#include "form/settings_file_internal.h"
#include "util/file_access.h"
#include "util/number_parse.h"
#include "util/numbers.h"
#include "util/sjis_text.h"
#include "util/text_file.h"

namespace halvane {

int SettingsLineReader::NextByte() {
  if (pos_ == size_) {
    if (end_) return -1;
    pos_ = 0;
    const std::size_t got = std::fread(buffer_, 1, sizeof buffer_, file_);
    if (got == 0) {
      size_ = 0;
      end_ = true;
      failed_ = std::ferror(file_) != 0;
      return -1;
    }
    size_ = TextBytes(buffer_, got, end_);
    if (size_ == 0) return -1;
  }
  return static_cast<unsigned char>(buffer_[pos_++]);
}

bool SettingsLineReader::Next(std::string& line) {
  line.clear();
  for (int byte = NextByte(); byte != -1 && byte != kLineEnd;
       byte = NextByte()) {
    if (byte != '\r' && line.size() < kSettingsLineKeep) {
      line.push_back(static_cast<char>(byte));
    }
  }
  return !failed_;
}

std::string_view SingleLineText(std::string_view text) {
  constexpr std::string_view kStops("\0\r\n\x1a", 4);
  return text.substr(0, text.find_first_of(kStops));
}

std::string EditTextFromFile(std::string_view line, int max_length) {
  std::string printable;
  for (const char c : SingleLineText(line))
    if (static_cast<unsigned char>(c) >= 0x20) printable += c;
  const std::string_view text = printable;
  std::size_t keep = std::min<std::size_t>(text.size(), INT_MAX);
  if (max_length > 0) keep = std::min(keep, std::size_t(max_length));
  // Cut even when short enough: a lead byte whose partner is missing (or
  // ended the line) would leave half a character at the end.
  int copied = 0;
  return SjisCopy(text, 1, static_cast<int>(keep), copied);
}

int StoredListIndex(int32_t value, std::size_t item_count) {
  const auto index = static_cast<std::size_t>(std::max(value, 0));
  return index < item_count ? static_cast<int>(index) : -1;
}

int StoredRadioIndex(int32_t value, std::size_t item_count) {
  if (item_count == 0) return -1;
  return std::clamp(value, 0, static_cast<int32_t>(item_count - 1));
}

namespace {

// Lines 1 to 22 in file order: the dialog's position, then the stored
// controls.
template <typename Form, typename Visit>
void ForEachSetting(Form& form, Visit&& visit) {
  visit(form.SavedLeft);
  visit(form.SavedTop);
  for (const ControlId id : SettingsOrder()) {
    std::visit(
        [&](auto member) {
          using Member = decltype(member);
          // Only values are in the order; the rest merely has to compile.
          if constexpr (!std::is_same_v<Member, std::monostate> &&
                        !std::is_same_v<Member, std::string TForm1::*>) {
            visit(form.*member);
          }
        },
        RowOf(id).Field);
  }
}

class SettingApplier {
 public:
  explicit SettingApplier(SettingsLineReader& reader) : reader_(reader) {}

  void operator()(int& value) {
    Apply([&] { value = ParseInt(line_); });
  }
  void operator()(ListControl& list) {
    Apply([&] {
      list.ItemIndex = StoredListIndex(ParseInt(line_), list.Items.size());
    });
  }
  void operator()(EditControl& edit) {
    Apply([&] { edit.Text = EditTextFromFile(line_, edit.MaxLength); });
  }
  void operator()(RadioControl& radio) {
    Apply([&] {
      radio.ItemIndex = StoredRadioIndex(ParseInt(line_), radio.Items.size());
    });
  }
  void operator()(CheckControl& check) {
    Apply([&] { check.Checked = ParseInt(line_) != 0; });
  }

 private:
  // Reads the next line and hands it to `set`. Once reading failed, every
  // further read fails too, and nothing more is set.
  template <typename Set>
  void Apply(Set set) {
    if (reader_.Next(line_)) set();
  }

  SettingsLineReader& reader_;
  std::string line_;
};

class SettingFormatter {
 public:
  explicit SettingFormatter(std::string& out) : out_(out) {}

  void operator()(const int& value) { Line(std::to_string(value)); }
  void operator()(const ListControl& list) { (*this)(list.ItemIndex); }
  void operator()(const EditControl& edit) { Line(SingleLineText(edit.Text)); }
  void operator()(const RadioControl& radio) { (*this)(radio.ItemIndex); }
  void operator()(const CheckControl& check) {
    Line(check.Checked ? "1" : "0");
  }
  void operator()(double value) {
    AppendGeneral(out_, value);
    Line("");
  }

 private:
  void Line(std::string_view text) {
    out_.append(text);
    out_.append("\r\n");
  }
  std::string& out_;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string FormatSettings(const TForm1& form, const ExchangeData& data) {
  std::string out;
  SettingFormatter line(out);
  ForEachSetting(form, line);
  const int group = data.HostGroup;
  line(group);
  line(group >= 0 && group < 16 ? data.GroupScale[group] : 1.0);
  line(data.DrawingAngle);
  for (int point = 1; point <= 3; ++point) {
    const TJwwPickPoint& picked = data.PickedPoints[point];
    line(picked.Used ? picked.X : 0.0);
    line(picked.Used ? picked.Y : 0.0);
  }
  return out;
}

void TForm1::LoadSettings(const NativePath& path) {
  SavedLeft = 100;
  SavedTop = 100;
  if (!RegularFileExists(path)) return;
  const std::unique_ptr<std::FILE, FileCloser> file(OpenFile(path, "rb"));
  if (!file) return;
  SettingsLineReader reader(file.get());
  SettingApplier apply(reader);
  ForEachSetting(*this, apply);
}

// Written through a temporary file, so a failed save keeps the old settings.
// A read-only file is kept: the user has locked the settings.
void TForm1::SaveSettings(const NativePath& path) {
  SettingsError.clear();
  // A bare name means the program folder is unknown; never write elsewhere.
  if (!HasFolder(path)) return;
  const std::string text = FormatSettings(*this, Run().Input);
  AtomicFileWriter writer(path);
  if (!writer.Write(text) || !writer.Commit()) SettingsError = writer.Error();
}

}  // namespace halvane
