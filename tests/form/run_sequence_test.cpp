#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app_test_support.h"
#include "exchange/exchange_data.h"
#include "exchange/output_buffer.h"
#include "form/headless_toolkit.h"
#include "form/run_sequence_internal.h"
#include "form/settings_file_internal.h"

namespace halvane {
namespace {

using test::ReadBytes;
using test::Snapshot;
using test::TempFolder;
using test::WriteBytes;

// 現在の文字種(
constexpr char kCurrent[] = "\x8c\xbb\x8d\xdd\x82\xcc\x95\xb6\x8e\x9a\x8e\xed(";

class RunSequenceTest : public ::testing::Test {
 protected:
  explicit RunSequenceTest(const std::filesystem::path& leaf = "halvane app")
      : folder_(leaf), toolkit_(form_, folder_ / "halvane.exe") {}
  // A run that a test leaves open would keep the next one from starting.
  void TearDown() override { form_.FormClose(); }

  std::filesystem::path ExchangeFile() const {
    return folder_ / "JWC_TEMP.TXT";
  }
  std::filesystem::path Settings() const { return folder_ / "t517.dat"; }

  TempFolder folder_;
  TForm1 form_;
  HeadlessToolkit toolkit_;
};

TEST_F(RunSequenceTest, FirstRunWithoutFilesShowsTheInitialDialog) {
  const auto initial = Snapshot(TForm1());
  form_.FormShow();

  EXPECT_EQ(form_.ProgramFolder, folder_.Path() / "");
  std::vector<std::string> items = {std::string(kCurrent) + "No1)"};
  for (int k = 1; k <= 10; ++k) {
    items.push_back("No" + std::to_string(k) + ": W3 H3 D0");
  }
  EXPECT_EQ(form_.TextType.Items, items);
  EXPECT_EQ(form_.TextType.ItemIndex, -1);
  EXPECT_EQ(Snapshot(form_), initial);
  EXPECT_EQ(toolkit_.Events, std::vector<std::string>{"move 100 100"});
}

TEST_F(RunSequenceTest, CancelStraightAfterStartWritesHq) {
  WriteBytes(ExchangeFile(),
             "hq\r\nhk 0\r\nhp1 0 0\r\nhp2 1 0\r\nhp3 0 1\r\nhp4 1 1\r\n");
  const std::string settings = FormatSettings(TForm1(), ExchangeData()) + "x";
  WriteBytes(Settings(), settings);
  form_.FormShow();
  form_.Prefix.Text = "changed";
  form_.CancelClick();

  EXPECT_EQ(toolkit_.Events,
            (std::vector<std::string>{"move 100 100", "close"}));
  EXPECT_EQ(ReadBytes(ExchangeFile()), "hq\r\n");
  EXPECT_EQ(ReadBytes(Settings()), settings);
  EXPECT_EQ(folder_.Entries().size(), 2u);
}

TEST_F(RunSequenceTest, CloseRunsOnceEvenWhenCalledTwice) {
  form_.FormShow();
  PutLine(form_.Run().Output, "hd");
  toolkit_.Close();
  EXPECT_EQ(ReadBytes(ExchangeFile()), "hd\r\n");
  EXPECT_FALSE(form_.ExchangeFileError);

  std::filesystem::remove(ExchangeFile());
  form_.FormClose();
  toolkit_.Close();
  EXPECT_EQ(ReadBytes(ExchangeFile()), "<missing>");
}

TEST_F(RunSequenceTest, CloseBeforeShowWritesNothing) {
  WriteBytes(ExchangeFile(), "hq\r\nhk 5\r\n");
  form_.FormClose();
  EXPECT_EQ(ReadBytes(ExchangeFile()), "hq\r\nhk 5\r\n");
}

TEST_F(RunSequenceTest, SecondShowInTheSameRunChangesNothing) {
  WriteBytes(Settings(), "300\r\n200\r\n4\r\n");
  form_.FormShow();
  form_.StartMarker.ItemIndex = 7;
  WriteBytes(Settings(), "1\r\n2\r\n3\r\n");
  form_.FormShow();
  EXPECT_EQ(form_.StartMarker.ItemIndex, 7);
  EXPECT_EQ(toolkit_.Events, std::vector<std::string>{"move 300 200"});
}

TEST_F(RunSequenceTest, ClosingFailsQuietlyWhenTheFolderIsGone) {
  form_.FormShow();
  std::filesystem::remove_all(folder_.Path());
  EXPECT_NO_THROW(form_.FormClose());
  EXPECT_FALSE(std::filesystem::exists(folder_.Path()));
  // Kept for the headless runner, which reports it.
  EXPECT_EQ(form_.ExchangeFileError, std::errc::no_such_file_or_directory);
}

TEST_F(RunSequenceTest, UnreadableHostFileIsNamedAndNothingIsWritten) {
  std::filesystem::create_directory(ExchangeFile());
  const std::string settings = FormatSettings(TForm1(), ExchangeData());
  WriteBytes(Settings(), settings);
  form_.FormShow();
  form_.FormClose();

  EXPECT_EQ(form_.ExchangeReadFailure, ReadFailure::Folder);
  EXPECT_EQ(
      toolkit_.Events,
      (std::vector<std::string>{
          "message " + UnreadableFileMessage(ReadFailure::Folder), "close"}));
  EXPECT_TRUE(std::filesystem::is_directory(ExchangeFile()));
  EXPECT_EQ(ReadBytes(Settings()), settings);
  EXPECT_EQ(folder_.Entries().size(), 2u);
  EXPECT_FALSE(form_.ExchangeFileError);
}

TEST_F(RunSequenceTest, SettingsAreRestoredAfterTheListIsBuilt) {
  std::string bytes = "-5000\r\n99999\r\n2\r\n3\r\n10\r\n5\r\n0\r\n";
  bytes += "7\r\n\x96\xf1 \r\n mm\r\n";
  WriteBytes(Settings(), bytes);
  form_.FormShow();

  EXPECT_EQ(form_.TextType.ItemIndex, 10);
  EXPECT_EQ(form_.StartMarker.ItemIndex, 2);
  EXPECT_EQ(form_.Precision.ItemIndex, 5);
  EXPECT_EQ(form_.Prefix.Text, "\x96\xf1 ");
  EXPECT_EQ(form_.Suffix.Text, " mm");
  EXPECT_EQ(form_.SavedLeft, -5000);
  EXPECT_EQ(toolkit_.Events, std::vector<std::string>{"move -5000 99999"});
  EXPECT_EQ(toolkit_.Left, -5000);
  EXPECT_EQ(toolkit_.Top, 99999);
}

TEST_F(RunSequenceTest, TextTypeListFollowsTheHostFile) {
  WriteBytes(ExchangeFile(),
             "hq\r\n"
             "hcw 2.5 3 3 3 3 3 3 3 3 0.0001\r\n"
             "hch 1E20 3 3 3 3 3 3 3 3 12.125\r\n"
             "hcd -1 3 3 3 3 3 3 3 3 0\r\n"
             "hp1 0 0\r\nhp2 1 0\r\nhp3 0 1\r\nhp4 1 1\r\n"
             "cn0 4 5 6 7\r\n");
  form_.FormShow();
  ASSERT_EQ(form_.TextType.Items.size(), 11u);
  EXPECT_EQ(form_.TextType.Items[0], std::string(kCurrent) + "Free)");
  EXPECT_EQ(form_.TextType.Items[1], "No1: W2.5 H1E20 D-1");
  EXPECT_EQ(form_.TextType.Items[10], "No10: W0.0001 H12.125 D0");
}

TEST_F(RunSequenceTest, ReadsTheHostFileFreshEachRun) {
  const std::string points =
      "hq\r\nhp1 0 0\r\nhp2 1 0\r\nhp3 0 1\r\nhp4 1 1\r\n";
  WriteBytes(ExchangeFile(), points + "cn7\r\n");
  form_.FormShow();
  form_.FormClose();
  EXPECT_EQ(ReadBytes(ExchangeFile()), "hq\r\n");

  WriteBytes(ExchangeFile(), points);
  TForm1 next;
  HeadlessToolkit next_toolkit(next, folder_ / "halvane.exe");
  next.FormShow();
  ASSERT_FALSE(next.TextType.Items.empty());
  EXPECT_EQ(next.TextType.Items[0], std::string(kCurrent) + "No1)");
  next.FormClose();
}

// What OK followed by Cancel leaves behind, for the three ways OK can end.
class OkThenCancelTest : public RunSequenceTest {
 protected:
  // A run on `points` with valid stored choices; `change` edits the dialog
  // before OK and Cancel are pressed.
  template <typename Change>
  void Run(const std::string& points, Change change) {
    WriteBytes(ExchangeFile(), "hq\r\n" + points);
    WriteBytes(Settings(), old_settings_);
    form_.FormShow();
    change(form_);
    toolkit_.Left = 640;
    toolkit_.Top = 480;
    form_.OkClick();
    form_.CancelClick();
  }
  void Run(const std::string& points) {
    Run(points, [](TForm1& form) { form.Prefix.Text = " \x96\xf1 "; });
  }

  static std::string ValidSettings() {
    TForm1 form;
    form.SavedLeft = 10;
    form.SavedTop = 20;
    form.TextType.ItemIndex = 1;
    return FormatSettings(form, ExchangeData());
  }

  TForm1 Reloaded() {
    TForm1 form;
    form.TextType.Items.assign(11, "No");
    form.LoadSettings(Settings());
    return form;
  }

  const std::string old_settings_ = ValidSettings();
};

TEST_F(OkThenCancelTest, RefusedInputKeepsTheSettingsFile) {
  Run("hp1 0 0\r\nhp2 100 0\r\nhp3 50 20\r\nhp4 50 30\r\n",
      [](TForm1& form) { form.MarkerScale.Text = ""; });
  EXPECT_EQ(toolkit_.Events,
            (std::vector<std::string>{"move 10 20", "focus Edit1", "close"}));
  EXPECT_EQ(ReadBytes(ExchangeFile()), "hq\r\n");
  EXPECT_EQ(ReadBytes(Settings()), old_settings_);
}

TEST_F(OkThenCancelTest, ZeroLengthHasAlreadySavedTheChoices) {
  Run("hp1 5 5\r\nhp2 5 5\r\nhp3 5 9\r\nhp4 5 12\r\n");
  EXPECT_EQ(ReadBytes(ExchangeFile()), "hq\r\n");
  const TForm1 saved = Reloaded();
  EXPECT_EQ(saved.SavedLeft, 640);
  EXPECT_EQ(saved.SavedTop, 480);
  EXPECT_EQ(saved.TextType.ItemIndex, 1);
  EXPECT_EQ(saved.Prefix.Text, " \x96\xf1 ");
  const std::string bytes = ReadBytes(Settings());
  EXPECT_NE(bytes.find("\r\n5\r\n5\r\n5\r\n5\r\n5\r\n9\r\n"), std::string::npos)
      << bytes;
}

TEST_F(OkThenCancelTest, DrawnDimensionIsWrittenOnce) {
  Run("hp1 0 0\r\nhp2 100 0\r\nhp3 50 20\r\nhp4 50 30\r\n");
  const std::string output = ReadBytes(ExchangeFile());
  EXPECT_NE(output.substr(0, 4), "hq\r\n");
  EXPECT_NE(output.find("\r\n"), std::string::npos);
  EXPECT_EQ(Reloaded().SavedLeft, 640);
  EXPECT_EQ(std::count(toolkit_.Events.begin(), toolkit_.Events.end(), "close"),
            2);
}

// A toolkit that cannot name the program: the files in the current folder
// must be neither read nor written.
class UnknownProgramFolderTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    saved_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_.Path());
  }
  void TearDown() override { std::filesystem::current_path(saved_); }

  TempFolder folder_;
  std::filesystem::path saved_;
};

TEST_P(UnknownProgramFolderTest, LeavesTheCurrentFolderAlone) {
  WriteBytes(folder_ / "JWC_TEMP.TXT", "hq\r\ncn0\r\n");
  WriteBytes(folder_ / "t517.dat", "5\r\n6\r\n");
  TForm1 form;
  HeadlessToolkit toolkit(form, GetParam());
  form.FormShow();
  EXPECT_EQ(form.TextType.Items[0], std::string(kCurrent) + "No1)");
  EXPECT_EQ(toolkit.Events, std::vector<std::string>{"move 100 100"});
  form.SaveSettings(std::filesystem::path(form.ProgramFolder) / "t517.dat");
  form.CancelClick();

  EXPECT_EQ(ReadBytes(folder_ / "JWC_TEMP.TXT"), "hq\r\ncn0\r\n");
  EXPECT_EQ(ReadBytes(folder_ / "t517.dat"), "5\r\n6\r\n");
  EXPECT_EQ(folder_.Entries().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(EmptyOrBareName, UnknownProgramFolderTest,
                         ::testing::Values("", "halvane.exe"));

struct CurrentItemCase {
  int32_t text_type;
  std::string suffix;
};

class CurrentItemTest : public ::testing::TestWithParam<CurrentItemCase> {};

TEST_P(CurrentItemTest, NamesTheHostTextType) {
  EXPECT_EQ(CurrentTextTypeItem(GetParam().text_type),
            std::string(kCurrent) + GetParam().suffix);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CurrentItemTest,
    ::testing::Values(CurrentItemCase{0, "Free)"}, CurrentItemCase{1, "No1)"},
                      CurrentItemCase{3, "No3)"}, CurrentItemCase{12, "No12)"},
                      CurrentItemCase{-4, "No-4)"},
                      CurrentItemCase{2147483647, "No2147483647)"}));

TEST(TextTypeItemTest, UsesTheShortestNumberForms) {
  EXPECT_EQ(TextTypeItem(1, {3, 3, 0, 2}), "No1: W3 H3 D0");
  EXPECT_EQ(TextTypeItem(10, {2.5, -0.0, 1e-5, 2}), "No10: W2.5 H0 D1E-5");
  EXPECT_EQ(TextTypeItem(4, {1.0 / 3, 123456789012345678.0, 0.5, 2}),
            "No4: W0.333333333333333 H1.23456789012346E17 D0.5");
}

TEST(FillTextTypeListTest, ReplacesEarlierItemsAndSelection) {
  const ExchangeData data;
  ListControl list;
  list.Items = {"old"};
  list.ItemIndex = 0;
  FillTextTypeList(list, data);
  EXPECT_EQ(list.Items.size(), 11u);
  EXPECT_EQ(list.ItemIndex, -1);
}

// A folder with a Japanese name and spaces, as Jw_cad users keep them.
class JapaneseFolderTest : public RunSequenceTest {
 protected:
  JapaneseFolderTest()
      : RunSequenceTest(std::filesystem::path(u8"寸法 テスト フォルダ")) {}
};

TEST_F(JapaneseFolderTest, FindsBothFilesInTheProgramFolder) {
  WriteBytes(ExchangeFile(),
             "hq\r\nhp1 0 0\r\nhp2 1 0\r\nhp3 0 1\r\nhp4 1 1\r\ncn0\r\n");
  WriteBytes(Settings(), "30\r\n40\r\n1\r\n");
  form_.FormShow();
  ASSERT_FALSE(form_.TextType.Items.empty());
  EXPECT_EQ(form_.TextType.Items[0], std::string(kCurrent) + "Free)");
  EXPECT_EQ(form_.StartMarker.ItemIndex, 1);
  EXPECT_EQ(toolkit_.Events, std::vector<std::string>{"move 30 40"});

  form_.MarkerScale.Text = "2";
  form_.SaveSettings(std::filesystem::path(form_.ProgramFolder) / "t517.dat");
  form_.CancelClick();
  EXPECT_EQ(ReadBytes(ExchangeFile()), "hq\r\n");
  TForm1 loaded;
  loaded.LoadSettings(Settings());
  EXPECT_EQ(loaded.MarkerScale.Text, "2");
  EXPECT_EQ(folder_.Entries().size(), 2u);
}

}  // namespace
}  // namespace halvane
