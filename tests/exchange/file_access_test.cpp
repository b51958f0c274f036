#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "util/file_access_internal.h"
#include "writer_test_support.h"

namespace halvane {
namespace {

class FileAccessTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetWriteFaultAfter(-1);
    SetWriteFaultAt(std::nullopt);
    RecordWriteSteps(nullptr);
  }
  TempFolder dir_;
};

TEST_F(FileAccessTest, RegularFileExistsOnlyForFiles) {
  WriteBytes(dir_ / "a.txt", "x");
  EXPECT_TRUE(RegularFileExists(dir_ / "a.txt"));
  EXPECT_FALSE(RegularFileExists(dir_ / "missing.txt"));
  EXPECT_FALSE(RegularFileExists(dir_.Path()));
}

TEST_F(FileAccessTest, OpenFileReachesFoldersWithJapaneseNames) {
  const auto folder = dir_.Path() / std::filesystem::path(u8"\u5916\u90e8");
  std::filesystem::create_directory(folder);
  const auto path = folder / std::filesystem::path(u8"\u6f22\u5b57.txt");
  std::FILE* out = OpenFile(path, "wb");
  ASSERT_NE(out, nullptr);
  EXPECT_GE(std::fputs("abc", out), 0);
  std::fclose(out);
  EXPECT_TRUE(RegularFileExists(path));
  std::FILE* in = OpenFile(path, "rb");
  ASSERT_NE(in, nullptr);
  char buffer[8] = {};
  EXPECT_EQ(std::fread(buffer, 1, sizeof buffer, in), 3u);
  std::fclose(in);
  EXPECT_EQ(std::string(buffer), "abc");
}

TEST_F(FileAccessTest, OpenFileOfMissingFileGivesNull) {
  EXPECT_EQ(OpenFile(dir_ / "missing.txt", "rb"), nullptr);
}

TEST_F(FileAccessTest, CommitCreatesAndThenReplacesTheFile) {
  const auto target = dir_ / "out.txt";
  for (std::string_view text : {"first contents, the longer", "new"}) {
    AtomicFileWriter writer(target);
    EXPECT_TRUE(writer.Write(text.substr(0, 2)));
    EXPECT_TRUE(writer.Write(text.substr(2)));
    EXPECT_TRUE(writer.Commit());
    EXPECT_EQ(ReadBytes(target), text);
    EXPECT_EQ(dir_.Entries(), std::set<std::string>{"out.txt"});
  }
}

TEST_F(FileAccessTest, NothingReachesTheTargetBeforeCommit) {
  const auto target = dir_ / "out.txt";
  WriteBytes(target, "old");
  {
    AtomicFileWriter writer(target);
    EXPECT_TRUE(writer.Write("new"));
    EXPECT_EQ(ReadBytes(target), "old");
  }  // abandoned
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"out.txt"});
}

TEST_F(FileAccessTest, TwoWritersForOneTargetUseSeparateTemporaryFiles) {
  const auto target = dir_ / "out.txt";
  AtomicFileWriter first(target);
  AtomicFileWriter second(target);
  EXPECT_TRUE(first.Write("one"));
  EXPECT_TRUE(second.Write("two"));
  EXPECT_EQ(dir_.Entries().size(), 2u);
  EXPECT_TRUE(second.Commit());
  EXPECT_TRUE(first.Commit());
  EXPECT_EQ(ReadBytes(target), "one");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"out.txt"});
}

TEST_F(FileAccessTest, MissingFolderFails) {
  const auto target = dir_ / "no-such-folder" / "out.txt";
  AtomicFileWriter writer(target);
  EXPECT_FALSE(writer.Write("x"));
  EXPECT_FALSE(writer.Commit());
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(FileAccessTest, TargetThatIsAFolderFailsAndStaysAFolder) {
  const auto target = dir_ / "folder";
  std::filesystem::create_directory(target);
  WriteBytes(target / "inside.txt", "kept");
  AtomicFileWriter writer(target);
  writer.Write("x");
  EXPECT_FALSE(writer.Commit());
  EXPECT_TRUE(std::filesystem::is_directory(target));
  EXPECT_EQ(ReadBytes(target / "inside.txt"), "kept");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"folder"});
}

TEST_F(FileAccessTest, FaultMidwayFailsAndKeepsTheOldFile) {
  const auto target = dir_ / "out.txt";
  WriteBytes(target, "old");
  SetWriteFaultAfter(4);
  AtomicFileWriter writer(target);
  EXPECT_TRUE(writer.Write("abc"));
  EXPECT_FALSE(writer.Write("def"));  // only one byte of it fits
  EXPECT_FALSE(writer.Write("g"));    // a failed writer stays failed
  EXPECT_FALSE(writer.Commit());
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"out.txt"});
}

TEST_F(FileAccessTest, FaultBudgetIsSharedAcrossWriters) {
  SetWriteFaultAfter(5);
  AtomicFileWriter first(dir_ / "a.txt");
  EXPECT_TRUE(first.Write("12345"));
  EXPECT_TRUE(first.Commit());
  AtomicFileWriter second(dir_ / "b.txt");
  EXPECT_FALSE(second.Write("6"));
  EXPECT_FALSE(second.Commit());
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"a.txt"});
}

TEST_F(FileAccessTest, FaultSwitchedOffAgain) {
  SetWriteFaultAfter(0);
  SetWriteFaultAfter(-1);
  AtomicFileWriter writer(dir_ / "a.txt");
  EXPECT_TRUE(writer.Write("x"));
  EXPECT_TRUE(writer.Commit());
}

TEST_F(FileAccessTest, CommitTwiceFailsTheSecondTime) {
  const auto target = dir_ / "a.txt";
  AtomicFileWriter writer(target);
  EXPECT_TRUE(writer.Write("x"));
  EXPECT_TRUE(writer.Commit());
  EXPECT_FALSE(writer.Write("y"));
  EXPECT_FALSE(writer.Commit());
  EXPECT_EQ(ReadBytes(target), "x");
}

TEST_F(FileAccessTest, FailureNamesItsReason) {
  SetWriteFaultAfter(2);
  AtomicFileWriter full(dir_ / "a.txt");
  EXPECT_FALSE(full.Write("abc"));
  EXPECT_EQ(full.Error(), std::errc::no_space_on_device);
  SetWriteFaultAfter(-1);
  AtomicFileWriter missing(dir_ / "no-such-folder" / "a.txt");
  EXPECT_FALSE(missing.Commit());
  EXPECT_EQ(missing.Error(), std::errc::no_such_file_or_directory);
  AtomicFileWriter fine(dir_ / "b.txt");
  EXPECT_TRUE(fine.Write("x"));
  EXPECT_TRUE(fine.Commit());
  EXPECT_FALSE(fine.Error());
}

#ifdef _WIN32
// The replace is written through; there is no folder to sync.
const std::vector<WriteStep> kCommitSteps{WriteStep::Flush, WriteStep::Rename};
#else
const std::vector<WriteStep> kCommitSteps{WriteStep::Flush, WriteStep::Rename,
                                          WriteStep::FolderSync};
#endif

TEST_F(FileAccessTest, CommitFlushesThenRenamesThenSyncsTheFolder) {
  std::vector<WriteStep> steps;
  RecordWriteSteps(&steps);
  AtomicFileWriter writer(dir_ / "a.txt");
  EXPECT_TRUE(writer.Write("x"));
  EXPECT_TRUE(steps.empty());
  EXPECT_TRUE(writer.Commit());
  EXPECT_EQ(steps, kCommitSteps);
}

TEST_F(FileAccessTest, NoCommitStepRunsForAFailedWrite) {
  std::vector<WriteStep> steps;
  RecordWriteSteps(&steps);
  SetWriteFaultAfter(0);
  AtomicFileWriter writer(dir_ / "a.txt");
  EXPECT_FALSE(writer.Write("x"));
  EXPECT_FALSE(writer.Commit());
  EXPECT_TRUE(steps.empty());
}

struct StepFault {
  WriteStep step;
  bool committed;       // what Commit reports
  std::size_t reached;  // steps run, the faulted one included
};

class CommitStepFaultTest : public FileAccessTest,
                            public ::testing::WithParamInterface<StepFault> {};

TEST_P(CommitStepFaultTest, OldFileOrNewFileAndNeverATemporaryOne) {
  const StepFault fault = GetParam();
  const auto target = dir_ / "out.txt";
  WriteBytes(target, "old");
  std::vector<WriteStep> steps;
  RecordWriteSteps(&steps);
  SetWriteFaultAt(fault.step);
  AtomicFileWriter writer(target);
  EXPECT_TRUE(writer.Write("new"));
  EXPECT_EQ(writer.Commit(), fault.committed);
  EXPECT_EQ(ReadBytes(target), fault.committed ? "new" : "old");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"out.txt"});
  EXPECT_EQ(steps,
            std::vector<WriteStep>(kCommitSteps.begin(),
                                   kCommitSteps.begin() + fault.reached));
  if (fault.committed) {
    EXPECT_FALSE(writer.Error());
  } else {
    EXPECT_EQ(writer.Error(), std::errc::io_error);
  }
}

const StepFault kStepFaults[] = {
    {WriteStep::Flush, false, 1},
    {WriteStep::Rename, false, 2},
#ifndef _WIN32
    // The new file is in place; a failed sync only delays its being durable.
    {WriteStep::FolderSync, true, 3},
#endif
};
INSTANTIATE_TEST_SUITE_P(Steps, CommitStepFaultTest,
                         ::testing::ValuesIn(kStepFaults));

TEST_F(FileAccessTest, ReadOnlyTargetIsKeptWithItsPermissions) {
  namespace fs = std::filesystem;
  const auto target = dir_ / "locked.txt";
  WriteBytes(target, "kept");
  const auto read_only =
      fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(target, read_only);
  const fs::perms locked = fs::status(target).permissions();
  ASSERT_TRUE(IsReadOnlyFile(target));
  std::vector<WriteStep> steps;
  RecordWriteSteps(&steps);
  AtomicFileWriter writer(target);
  EXPECT_FALSE(writer.Write("new"));
  EXPECT_FALSE(writer.Commit());
  EXPECT_EQ(writer.Error(), std::errc::permission_denied);
  EXPECT_TRUE(steps.empty());
  EXPECT_EQ(ReadBytes(target), "kept");
  EXPECT_EQ(fs::status(target).permissions(), locked);
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"locked.txt"});
  fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_FALSE(IsReadOnlyFile(target));
  AtomicFileWriter unlocked(target);
  EXPECT_TRUE(unlocked.Write("new"));
  EXPECT_TRUE(unlocked.Commit());
  EXPECT_EQ(ReadBytes(target), "new");
}

TEST_F(FileAccessTest, OnlyExistingFilesAreReadOnly) {
  EXPECT_FALSE(IsReadOnlyFile(dir_ / "missing.txt"));
  EXPECT_FALSE(IsReadOnlyFile(dir_.Path()));
  WriteBytes(dir_ / "a.txt", "x");
  EXPECT_FALSE(IsReadOnlyFile(dir_ / "a.txt"));
}

}  // namespace
}  // namespace halvane
