#include "exchange/exchange_reader.h"
#include "exchange/output_buffer.h"
#include "form/program_files.h"
#include "form/run_sequence_internal.h"
#include "util/numbers.h"
#include "util/texts.h"

namespace halvane {

std::string CurrentTextTypeItem(int32_t host_text_type) {
  std::string item = kCurrentTextType;
  if (host_text_type == 0) {
    item += "Free)";
  } else {
    item += "No" + std::to_string(host_text_type) + ")";
  }
  return item;
}

std::string TextTypeItem(int k, const TJwwTextType& type) {
  std::string item = "No" + std::to_string(k) + ": W";
  AppendGeneral(item, type.W);
  item += " H";
  AppendGeneral(item, type.H);
  item += " D";
  AppendGeneral(item, type.D);
  return item;
}

void FillTextTypeList(ListControl& list, const ExchangeData& data) {
  list.Items.clear();
  list.Items.push_back(CurrentTextTypeItem(data.HostTextType));
  for (int k = 1; k <= 10; ++k) {
    list.Items.push_back(TextTypeItem(k, data.TextTypes[k - 1]));
  }
  list.ItemIndex = -1;
}

std::string MissingPointsMessage(const ExchangeData& data) {
  std::string missing;
  for (int n = 1; n <= 4; ++n) {
    if (data.PickedPoints[n].Used) continue;
    if (!missing.empty()) missing += kListSeparator;
    missing += std::to_string(n);
  }
  if (missing.empty()) return missing;
  return kMissingPointsBefore + missing + kMissingPointsAfter;
}

std::string UnreadableFileMessage(ReadFailure why) {
  const char* reason = kReasonReadError;
  switch (why) {
    case ReadFailure::Folder:
      reason = kReasonFolder;
      break;
    case ReadFailure::NotAFile:
      reason = kReasonNotAFile;
      break;
    case ReadFailure::NoPermission:
      reason = kReasonNoPermission;
      break;
    case ReadFailure::InUse:
      reason = kReasonInUse;
      break;
    case ReadFailure::NoMemory:
      reason = kReasonNoMemory;
      break;
    case ReadFailure::Missing:
    case ReadFailure::ReadError:
      break;
  }
  return std::string(kExchangeFileName) + kUnreadableFileAfterName + reason +
         kUnreadableFileEnd;
}

void TForm1::FormShow() {
  if (run_open_) return;
  run_open_ = true;
  keep_host_file_ = false;
  ExchangeReadFailure.reset();
  ExchangeRun& run = Run();
  run.Output.Reset();
  // remove_filename keeps the trailing delimiter.
  ProgramFolder = RemoveFileName(Toolkit().ExecutablePath());
  ReadFailure why = ReadFailure::Missing;
  const bool host_file_read = ReadExchangeFile(
      InProgramFolder(ProgramFolder, kExchangeFileName), run.Input, why);
  // Taken for an empty file, it would be replaced and the saved points lost.
  // A missing file opens the dialog as ever.
  if (!host_file_read && why != ReadFailure::Missing) {
    keep_host_file_ = true;
    ExchangeReadFailure = why;
    Toolkit().ShowMessage(UnreadableFileMessage(why));
    Toolkit().Close();
    return;
  }
  // Another command's batch file, or one edited by hand: points that are not
  // there would be taken as the origin.
  if (const std::string message = MissingPointsMessage(run.Input);
      host_file_read && !message.empty()) {
    keep_host_file_ = true;
    Toolkit().ShowMessage(message);
    Toolkit().Close();
    return;
  }
  FillTextTypeList(TextType, run.Input);
  LoadSettings(InProgramFolder(ProgramFolder, kSettingsFileName));
  Toolkit().MoveTo(SavedLeft, SavedTop);
}

// Runs from the toolkit's close handling, so nothing may escape it.
void TForm1::FormClose() {
  if (!run_open_) return;
  run_open_ = false;
  ExchangeRun& run = Run();
  ExchangeFileError.clear();
  try {
    if (!ProgramFolder.empty() && !keep_host_file_) {
      WriteOutputFile(run.Output,
                      InProgramFolder(ProgramFolder, kExchangeFileName),
                      ExchangeFileError);
    }
  } catch (...) {
    // Only building the path can throw, by running out of memory.
    ExchangeFileError = std::make_error_code(std::errc::not_enough_memory);
  }
  try {
    run.Output.Reset();
    run.Input.Reset();
  } catch (...) {
  }
}

void TForm1::CancelClick() { Toolkit().Close(); }

}  // namespace halvane
