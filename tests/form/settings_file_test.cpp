#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "app_test_support.h"
#include "exchange/exchange_data.h"
#include "form/settings_file_internal.h"
#include "util/file_access_internal.h"

namespace halvane {
namespace {

using test::ReadBytes;
using test::Snapshot;
using test::TempFolder;
using test::WriteBytes;

// A form as FormShow leaves it before the settings: eleven text types.
TForm1 ShownForm() {
  TForm1 form;
  form.TextType.Items.assign(11, "No");
  return form;
}

// Every stored value away from its initial one.
TForm1 ChangedForm() {
  TForm1 form = ShownForm();
  form.SavedLeft = -20;
  form.SavedTop = 300;
  form.StartMarker.ItemIndex = 5;
  form.EndMarker.ItemIndex = 11;
  form.TextType.ItemIndex = 10;
  form.Precision.ItemIndex = 0;
  form.Rounding.ItemIndex = 1;
  form.MarkerScale.Text = "1.5";
  form.Prefix.Text = " \x96\xf1 " /* 約 with spaces */;
  form.Suffix.Text = "\x82\x8d\x82\x8d  " /* ｍｍ */;
  form.ValueDistance.Text = "0.75";
  form.ExtensionGap.Text = " 3";
  form.ExtensionOvershoot.Text = "4 ";
  form.ArrowLength.Text = "2.5";
  form.ArrowAngle.Text = "30";
  form.ReverseOvershoot.Text = "";
  form.ZeroDisplay.ItemIndex = 1;
  form.Unit.ItemIndex = 1;
  form.Separators.Checked = true;
  form.UnitSuffix.Checked = false;
  form.FullWidth.Checked = true;
  form.AsFigure.Checked = true;
  return form;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void TearDown() override { SetWriteFaultAfter(-1); }

  // Loads `bytes` as t517.dat into a shown form.
  TForm1 Load(const std::string& bytes) {
    WriteBytes(settings_, bytes);
    TForm1 form = ShownForm();
    form.LoadSettings(settings_);
    return form;
  }

  TempFolder folder_;
  const std::filesystem::path settings_ = folder_ / "t517.dat";
  ExchangeData data_;  // as a form's own before FormShow
};

TEST_F(SettingsFileTest, WritesTheThirtyOneLines) {
  ExchangeData& data = data_;
  data.HostGroup = 3;
  data.GroupScale[3] = 50;
  data.DrawingAngle = 30.5;
  data.PickedPoints[1] = {true, 100, -200.25, 0};
  data.PickedPoints[2] = {true, 1234567.125, 1e20, 1};
  data.PickedPoints[3] = {false, 7, 8, 0};

  EXPECT_EQ(
      FormatSettings(ChangedForm(), data),
      Lines(
          {"-20",  "300",     "5",           "11",         "10",
           "0",    "1",       "1.5",         " \x96\xf1 ", "\x82\x8d\x82\x8d  ",
           "0.75", " 3",      "4 ",          "2.5",        "30",
           "",     "1",       "1",           "1",          "0",
           "1",    "1",       "3",           "50",         "30.5",
           "100",  "-200.25", "1234567.125", "1E20",       "0",
           "0"}));
}

TEST_F(SettingsFileTest, InitialFormWritesItsResourceValues) {
  const std::string text = FormatSettings(TForm1(), data_);
  EXPECT_EQ(text, Lines({"100", "100", "0",   "0", "-1", "3", "2",  "1",
                         "",    "",    "0.5", "2", "2",  "3", "15", "2",
                         "0",   "0",   "0",   "0", "0",  "0", "0",  "1",
                         "0",   "0",   "0",   "0", "0",  "0", "0"}));
}

TEST_F(SettingsFileTest, EditTextWithLineBreakKeepsEveryValueOnItsLine) {
  TForm1 form = ShownForm();
  form.Prefix.Text = "ab\r\ncd";
  form.Suffix.Text = std::string("x\0y", 3);
  form.ValueDistance.Text =
      "1\x1a"
      "2";
  const std::string text = FormatSettings(form, data_);
  EXPECT_NE(text.find("\r\nab\r\nx\r\n1\r\n2\r\n"), std::string::npos) << text;

  form.SaveSettings(settings_);
  TForm1 loaded = ShownForm();
  loaded.LoadSettings(settings_);
  EXPECT_EQ(loaded.Prefix.Text, "ab");
  EXPECT_EQ(loaded.Suffix.Text, "x");
  EXPECT_EQ(loaded.ValueDistance.Text, "1");
  EXPECT_EQ(loaded.ExtensionGap.Text, "2");
  EXPECT_EQ(loaded.AsFigure.Checked, false);
}

TEST_F(SettingsFileTest, GroupWritesItsScaleOrOneOutsideTheTable) {
  for (int group = 0; group < 16; ++group) data_.GroupScale[group] = 10 + group;
  for (const auto& [group, lines] :
       {std::pair{-1, "\r\n-1\r\n1\r\n"}, std::pair{0, "\r\n0\r\n10\r\n"},
        std::pair{15, "\r\n15\r\n25\r\n"}, std::pair{16, "\r\n16\r\n1\r\n"},
        std::pair{99, "\r\n99\r\n1\r\n"}}) {
    data_.HostGroup = group;
    const std::string text = FormatSettings(ShownForm(), data_);
    EXPECT_NE(text.find(std::string(lines) + "0\r\n"), std::string::npos)
        << text;
  }
}

TEST_F(SettingsFileTest, SaveThenLoadRestoresEveryControl) {
  const TForm1 saved = ChangedForm();
  TForm1 saving = ChangedForm();
  saving.SaveSettings(settings_);

  TForm1 loaded = ShownForm();
  loaded.LoadSettings(settings_);
  EXPECT_EQ(Snapshot(loaded), Snapshot(saved));
  EXPECT_EQ(loaded.SavedLeft, -20);
  EXPECT_EQ(loaded.SavedTop, 300);
  EXPECT_EQ(folder_.Entries(), std::set<std::string>{"t517.dat"});
}

TEST_F(SettingsFileTest, SaveReplacesAnEarlierFile) {
  WriteBytes(settings_, std::string(5000, 'x'));
  TForm1 form = ChangedForm();
  form.SaveSettings(settings_);
  EXPECT_EQ(ReadBytes(settings_), FormatSettings(form, data_));
}

class FailingSaveTest : public SettingsFileTest,
                        public ::testing::WithParamInterface<long long> {};

TEST_P(FailingSaveTest, KeepsThePreviousFileByteForByte) {
  const std::string old_bytes = "300\r\n200\r\n1\r\n\x82\xa0 odd \xff\0 end";
  WriteBytes(settings_, old_bytes);
  TForm1 form = ChangedForm();
  // A negative parameter counts back from the end of the new file.
  const long long size =
      static_cast<long long>(FormatSettings(form, data_).size());
  SetWriteFaultAfter(GetParam() < 0 ? size + GetParam() : GetParam());
  form.SaveSettings(settings_);
  SetWriteFaultAfter(-1);

  EXPECT_EQ(ReadBytes(settings_), old_bytes);
  EXPECT_EQ(folder_.Entries(), std::set<std::string>{"t517.dat"});
}

INSTANTIATE_TEST_SUITE_P(FaultPositions, FailingSaveTest,
                         ::testing::Values(0, 1, 40, -1));

// Every byte written, then the flush to the disk or the rename fails.
class FailingCommitTest : public SettingsFileTest,
                          public ::testing::WithParamInterface<WriteStep> {};

TEST_P(FailingCommitTest, KeepsThePreviousFileAndGivesTheReason) {
  const std::string old_bytes = "300\r\n200\r\n";
  WriteBytes(settings_, old_bytes);
  TForm1 form = ChangedForm();
  SetWriteFaultAt(GetParam());
  form.SaveSettings(settings_);
  SetWriteFaultAt(std::nullopt);

  EXPECT_EQ(form.SettingsError, std::errc::io_error);
  EXPECT_EQ(ReadBytes(settings_), old_bytes);
  EXPECT_EQ(folder_.Entries(), std::set<std::string>{"t517.dat"});
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingCommitTest,
                         ::testing::Values(WriteStep::Flush,
                                           WriteStep::Rename));

TEST_F(SettingsFileTest, FailedSaveGivesItsReasonAndTheNextSaveClearsIt) {
  TForm1 form = ChangedForm();
  SetWriteFaultAfter(0);
  form.SaveSettings(settings_);
  EXPECT_EQ(form.SettingsError, std::errc::no_space_on_device);
  SetWriteFaultAfter(-1);
  form.SaveSettings(settings_);
  EXPECT_FALSE(form.SettingsError);
  EXPECT_EQ(ReadBytes(settings_), FormatSettings(form, data_));
}

// The user locks the settings by making the file read-only.
TEST_F(SettingsFileTest, ReadOnlyFileIsKeptWithItsPermissions) {
  namespace fs = std::filesystem;
  const std::string old_bytes = "300\r\n200\r\n";
  WriteBytes(settings_, old_bytes);
  fs::permissions(settings_, fs::perms::owner_read | fs::perms::group_read |
                                 fs::perms::others_read);
  const fs::perms locked = fs::status(settings_).permissions();
  TForm1 form = ChangedForm();
  form.SaveSettings(settings_);
  EXPECT_EQ(form.SettingsError, std::errc::permission_denied);
  EXPECT_EQ(ReadBytes(settings_), old_bytes);
  EXPECT_EQ(fs::status(settings_).permissions(), locked);
  EXPECT_EQ(folder_.Entries(), std::set<std::string>{"t517.dat"});
  fs::permissions(settings_, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(SettingsFileTest, FailingFirstSaveLeavesNoFile) {
  SetWriteFaultAfter(10);
  TForm1 form = ChangedForm();
  form.SaveSettings(settings_);
  EXPECT_TRUE(folder_.Entries().empty());
}

TEST_F(SettingsFileTest, SaveOverADirectoryLeavesItAlone) {
  std::filesystem::create_directory(settings_);
  TForm1 form = ChangedForm();
  form.SaveSettings(settings_);
  EXPECT_TRUE(std::filesystem::is_directory(settings_));
  EXPECT_EQ(folder_.Entries(), std::set<std::string>{"t517.dat"});
}

// No file, or a directory of that name: only the position is set.
class NoSettingsFileTest : public SettingsFileTest,
                           public ::testing::WithParamInterface<bool> {};

TEST_P(NoSettingsFileTest, KeepsTheControlsAndPlacesAt100) {
  if (GetParam()) std::filesystem::create_directory(settings_);
  TForm1 form = ChangedForm();
  const auto before = Snapshot(form);
  form.LoadSettings(settings_);
  EXPECT_EQ(Snapshot(form), before);
  EXPECT_EQ(form.SavedLeft, 100);
  EXPECT_EQ(form.SavedTop, 100);
}

INSTANTIATE_TEST_SUITE_P(MissingOrDirectory, NoSettingsFileTest,
                         ::testing::Bool());

TEST_F(SettingsFileTest, TwoLineFileSetsEverythingElseToFirstOrEmpty) {
  const TForm1 form = Load("300\r\n200\r\n");
  EXPECT_EQ(form.SavedLeft, 300);
  EXPECT_EQ(form.SavedTop, 200);
  const std::vector<std::string> cleared = {
      "list 0",  "list 0",    "list 0",    "list 0",    "list 0",
      "edit []", "edit []",   "edit []",   "edit []",   "edit []",
      "edit []", "edit []",   "edit []",   "edit []",   "radio 0",
      "radio 0", "unchecked", "unchecked", "unchecked", "unchecked"};
  EXPECT_EQ(Snapshot(form), cleared);
}

TEST_F(SettingsFileTest, EmptyFilePlacesAtZero) {
  const TForm1 form = Load("");
  EXPECT_EQ(form.SavedLeft, 0);
  EXPECT_EQ(form.SavedTop, 0);
  EXPECT_EQ(form.MarkerScale.Text, "");
  EXPECT_EQ(form.Precision.ItemIndex, 0);
}

// One stored line, the control it goes to, and what that control shows.
struct StoredValueCase {
  int line;  // 1-based line of the file
  std::string text;
  std::string expected;  // Snapshot entry, or "left N" / "top N"
};

constexpr char kKan[] = "\x8a\xbf";  // 漢

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

std::string Observe(const TForm1& form, int line) {
  if (line == 1) return "left " + std::to_string(form.SavedLeft);
  if (line == 2) return "top " + std::to_string(form.SavedTop);
  return Snapshot(form)[line - 3];
}

class StoredValueTest : public SettingsFileTest,
                        public ::testing::WithParamInterface<StoredValueCase> {
};

TEST_P(StoredValueTest, AppliesTheRuleOfItsControl) {
  const StoredValueCase& c = GetParam();
  std::string bytes;
  for (int line = 1; line <= 22; ++line) {
    bytes += (line == c.line ? c.text : line <= 2 ? "7" : "1") + "\r\n";
  }
  EXPECT_EQ(Observe(Load(bytes), c.line), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rules, StoredValueTest,
    ::testing::Values(
        StoredValueCase{1, "-5000", "left -5000"},
        StoredValueCase{2, "99999", "top 99999"},
        StoredValueCase{1, "abc", "left 0"},
        StoredValueCase{1, " 42", "left 42"},
        StoredValueCase{1, "42 ", "left 0"},
        StoredValueCase{1, "2147483648", "left 0"},
        StoredValueCase{1, "$1F", "left 31"},
        StoredValueCase{3, "abc", "list 0"},
        StoredValueCase{3, "-5", "list 0"},
        StoredValueCase{3, "11", "list 11"},
        StoredValueCase{3, "12", "list -1"},
        StoredValueCase{5, "10", "list 10"},
        StoredValueCase{5, "11", "list -1"},
        StoredValueCase{6, "8", "list 8"},
        StoredValueCase{6, "9", "list -1"},
        StoredValueCase{7, "3", "list -1"},
        StoredValueCase{7, "-2147483648", "list 0"},
        StoredValueCase{17, "7", "radio 1"},
        StoredValueCase{17, "-1", "radio 0"},
        StoredValueCase{18, "2147483647", "radio 1"},
        StoredValueCase{18, "x", "radio 0"},
        StoredValueCase{19, "2", "checked"},
        StoredValueCase{19, "-1", "checked"},
        StoredValueCase{20, "0", "unchecked"},
        StoredValueCase{21, "abc", "unchecked"},
        StoredValueCase{22, "0x10", "checked"},
        StoredValueCase{8, " 1 2 ", "edit [ 1 2 ]"},
        StoredValueCase{9, std::string("ab\0cd", 5), "edit [ab]"},
        // Cut at the edit's limit, never inside a character.
        StoredValueCase{14, "123456789", "edit [12345678]"},
        StoredValueCase{9, "a" + Repeat(kKan, 20), "edit [a" + Repeat(kKan, 15) + "]"},
        StoredValueCase{10, Repeat(kKan, 16), "edit [" + Repeat(kKan, 16) + "]"},
        StoredValueCase{10, Repeat(kKan, 17), "edit [" + Repeat(kKan, 16) + "]"}));
// clang-format on

struct LineEndCase {
  std::string bytes;
  int left, top, start_kind;
};

class LineEndTest : public SettingsFileTest,
                    public ::testing::WithParamInterface<LineEndCase> {};

TEST_P(LineEndTest, SplitsLinesAsTheHostFilesDo) {
  const TForm1 form = Load(GetParam().bytes);
  EXPECT_EQ(form.SavedLeft, GetParam().left);
  EXPECT_EQ(form.SavedTop, GetParam().top);
  EXPECT_EQ(form.StartMarker.ItemIndex, GetParam().start_kind);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LineEndTest,
    ::testing::Values(LineEndCase{"300\r\n200\r\n4\r\n", 300, 200, 4},
                      LineEndCase{"300\n200\n4\n", 300, 200, 4},
                      LineEndCase{"300\r\n200\n4", 300, 200, 4},
                      // A CR without LF is dropped.
                      LineEndCase{"3\r00\r\n2\r\r00\n4\r", 300, 200, 4},
                      // 0x1A ends the file; what follows reads as empty.
                      LineEndCase{"300\r\n\x1a"
                                  "200\r\n4\r\n",
                                  300, 0, 0},
                      LineEndCase{"300\r\n200\r\n4\x1a"
                                  "5\r\n",
                                  300, 200, 4},
                      LineEndCase{"\r\n\n4", 0, 0, 4}));

// The end mark as the last byte of one read of 4096 bytes or the first of
// the next; the CRs, which are dropped, move it without changing the lines.
TEST_F(SettingsFileTest, EndMarkOnEitherSideOfAReadBoundary) {
  for (std::size_t mark = 4094; mark <= 4097; ++mark) {
    std::string bytes = "300\r\n200\r\n4";
    bytes.insert(3, mark - bytes.size(), '\r');
    const TForm1 form = Load(bytes +
                             "\x1a"
                             "5\r\n");
    EXPECT_EQ(form.SavedLeft, 300) << mark;
    EXPECT_EQ(form.StartMarker.ItemIndex, 4) << mark;
  }
}

TEST_F(SettingsFileTest, LinesAfterTheTwentySecondHaveNoEffect) {
  const std::string saved = FormatSettings(ChangedForm(), data_);
  std::string first22 = saved;
  std::size_t end = 0;
  for (int line = 0; line < 22; ++line) end = first22.find("\r\n", end) + 2;
  first22.resize(end);

  const auto expected = Snapshot(Load(first22));
  EXPECT_EQ(Snapshot(Load(first22 + "F\r\nabc\r\n-1\r\n\xff\xff\r\n")),
            expected);
  EXPECT_EQ(Snapshot(Load(saved)), expected);
}

TEST_F(SettingsFileTest, HugeLinesAreReadInPartAndSkipped) {
  std::string bytes = std::string(1 << 20, '1') + "\r\n200\r\n3\r\n";
  bytes += "0\r\n0\r\n0\r\n0\r\n1\r\n" + std::string(100000, 'x') + "\r\n";
  const TForm1 form = Load(bytes);
  EXPECT_EQ(form.SavedLeft, 0);
  EXPECT_EQ(form.SavedTop, 200);
  EXPECT_EQ(form.StartMarker.ItemIndex, 3);
  EXPECT_EQ(form.MarkerScale.Text, "1");
  EXPECT_EQ(form.Prefix.Text, std::string(32, 'x'));
  EXPECT_EQ(form.Suffix.Text, "");
}

TEST_F(SettingsFileTest, LongLineIsJudgedByItsFirstPart) {
  const std::string spaces(kSettingsLineKeep, ' ');
  const TForm1 form = Load(spaces + "5\r\n" + spaces.substr(1) + "6\r\n");
  EXPECT_EQ(form.SavedLeft, 0);
  EXPECT_EQ(form.SavedTop, 6);
}

TEST_F(SettingsFileTest, BinaryBytesGiveControlsTheyCanShow) {
  std::mt19937 random(517);
  for (int round = 0; round < 20; ++round) {
    std::string bytes(8192, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() % 256);
    if (round % 2 == 0) {
      for (char& byte : bytes) {
        if (random() % 16 == 0) byte = '\n';
      }
    }
    const TForm1 form = Load(bytes);
    for (const ControlRow& row : ControlRows()) {
      if (const auto* edit = FieldOf<EditControl>(form, row.Id)) {
        EXPECT_LE(edit->Text.size(), static_cast<std::size_t>(row.MaxLength));
        EXPECT_EQ(edit->Text.find_first_of(std::string("\0\r\n\x1a", 4)),
                  std::string::npos);
      }
      if (const auto* list = FieldOf<ListControl>(form, row.Id)) {
        EXPECT_GE(list->ItemIndex, -1);
        EXPECT_LT(list->ItemIndex, static_cast<int>(list->Items.size()));
      }
      if (const auto* radio = FieldOf<RadioControl>(form, row.Id)) {
        EXPECT_GE(radio->ItemIndex, 0);
        EXPECT_LT(radio->ItemIndex, static_cast<int>(radio->Items.size()));
      }
    }
  }
}

// Found by fuzzing: a lead byte that ends the line, or stands before a NUL,
// was kept as half a character.
TEST_F(SettingsFileTest, EditsNeverEndInHalfACharacter) {
  const TForm1 form =
      Load(Lines({"5", "7", "0", "0", "0", "0", "0", "\x82",
                  std::string("ab\x82\0cd", 6), "\x82\xa0\x82"}));
  EXPECT_EQ(form.MarkerScale.Text, "");
  EXPECT_EQ(form.Prefix.Text, "ab");
  EXPECT_EQ(form.Suffix.Text, "\x82\xa0");
}

TEST_F(SettingsFileTest, ReaderGivesEmptyLinesPastTheEnd) {
  WriteBytes(settings_, "a\r\nb");
  std::FILE* file = OpenFile(settings_, "rb");
  ASSERT_NE(file, nullptr);
  SettingsLineReader reader(file);
  std::string line;
  std::vector<std::string> lines;
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(reader.Next(line));
    lines.push_back(line);
  }
  std::fclose(file);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "", ""}));
}

#ifndef _WIN32
// A stream that opens but cannot be read: the failure is reported and no
// line is made up from it.
TEST_F(SettingsFileTest, ReaderReportsAReadFailure) {
  std::FILE* file = std::fopen(folder_.Path().c_str(), "rb");
  ASSERT_NE(file, nullptr);
  SettingsLineReader reader(file);
  std::string line = "stale";
  EXPECT_FALSE(reader.Next(line));
  EXPECT_FALSE(reader.Next(line));
  std::fclose(file);
}
#endif

// A list takes -1 beyond its last item, a radio group its last option;
// negative values become 0 for both.
TEST(StoredIndexTest, ListsAndRadioGroups) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const struct {
    int32_t value;
    std::size_t items;
    int list, radio;
  } cases[] = {
      {kMin, 3, 0, 0}, {-3, 3, 0, 0},  {-1, 3, 0, 0}, {0, 3, 0, 0},
      {1, 3, 1, 1},    {2, 3, 2, 2},   {3, 3, -1, 2}, {kMax, 3, -1, 2},
      {0, 1, 0, 0},    {1, 1, -1, 0},  {-1, 1, 0, 0}, {0, 0, -1, -1},
      {-1, 0, -1, -1}, {1, 0, -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StoredListIndex(c.value, c.items), c.list)
        << c.value << " of " << c.items;
    EXPECT_EQ(StoredRadioIndex(c.value, c.items), c.radio)
        << c.value << " of " << c.items;
  }
}

TEST(EditTextFromFileTest, CutsOnCharacterBoundaries) {
  // The limit falls on the lead byte of the third character.
  EXPECT_EQ(EditTextFromFile("a\x8a\xbf\x8a\xbf\x8a\xbf", 5),
            "a\x8a\xbf\x8a\xbf");
  EXPECT_EQ(EditTextFromFile("a\x8a\xbf\x8a\xbf\x8a\xbf", 6),
            "a\x8a\xbf\x8a\xbf");
  // Half-width katakana are single bytes.
  EXPECT_EQ(EditTextFromFile("\xb1\xb2\xb3\xb4", 3), "\xb1\xb2\xb3");
  EXPECT_EQ(EditTextFromFile("abc", 0), "abc");
  EXPECT_EQ(EditTextFromFile(std::string_view("2\x05\x1b[2J\x7f", 7), 16),
            "2[2J\x7f");
}

TEST(EditTextFromFileTest, DropsALeadByteWithoutItsPartner) {
  struct Case {
    std::string line;
    int max_length;
    std::string text;
  };
  const Case cases[] = {
      {"\x82", 16, ""},
      {"ab\x82", 16, "ab"},
      {std::string("ab\x82\0cd", 6), 32, "ab"},
      {"ab\x82\ncd", 32, "ab"},
      {"\x82\xa0\x82", 16, "\x82\xa0"},
      {"\x82\x82\x82", 0, "\x82\x82"},
      {"a\x82\xa0", 3, "a\x82\xa0"},  // the pair fills the limit exactly
      {"\xb1\xe0", 8, "\xb1"},        // lead bytes from both ranges
      {"\xb1\x9f", 8, "\xb1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EditTextFromFile(c.line, c.max_length), c.text) << c.line;
  }
}

}  // namespace
}  // namespace halvane
