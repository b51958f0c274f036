// halvane-run [--cancel] [--vertical | --aligned] DIR: one run of the command
// without a window. DIR stands for the program folder: JWC_TEMP.TXT and
// t517.dat are read there, OK (or Cancel) is pressed, and JWC_TEMP.TXT is
// written back.
#include <cctype>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "form/command_switch.h"
#include "form/form_model.h"
#include "form/headless_toolkit.h"
#include "form/program_files.h"
#include "form/run_sequence_internal.h"
#include "util/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace halvane {
namespace {

constexpr char kUsage[] =
    "usage: halvane-run [--cancel] [--vertical | --aligned] DIR\n"
    "       halvane-run --help | --version\n"
    "  Runs the dimension command once on DIR/JWC_TEMP.TXT and DIR/t517.dat\n"
    "  and presses OK (or Cancel with --cancel). The dimension is horizontal,\n"
    "  or vertical or aligned with the switch. Exit status: 0 dimension\n"
    "  drawn, 1 OK refused or Cancel, 2 usage error, 3 internal error,\n"
    "  4 JWC_TEMP.TXT unreadable or not written back.\n";

enum ExitStatus {
  kDrawn = 0,
  kNotDrawn = 1,
  kUsageError = 2,
  kFailed = 3,
  kNotWrittenBack = 4,
};

#ifdef _WIN32
constexpr wchar_t kSwitchLead[] = L"--";
constexpr char kProgramFileName[] = "halvane-run.exe";

// The arguments as wide strings, so that folder names in any script work.
std::vector<std::filesystem::path> Arguments(int, char**) {
  std::vector<std::filesystem::path> args;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) args.emplace_back(std::wstring(wide[i]));
  LocalFree(wide);
  return args;
}
#else
constexpr char kSwitchLead[] = "--";
constexpr char kProgramFileName[] = "halvane-run";

std::vector<std::filesystem::path> Arguments(int argc, char** argv) {
  return {argv + 1, argv + argc};
}
#endif

// What the user would have seen of a refused OK: the last focus or message.
std::string Refusal(const std::vector<std::string>& events) {
  constexpr std::string_view kMessage = "message ";
  std::string seen;
  for (const std::string& event : events) {
    if (event.starts_with(kMessage)) {
      seen = std::string(kMessage) + SjisToUtf8(event.substr(kMessage.size()));
    } else if (event.starts_with("focus ")) {
      seen = event;
    }
  }
  return seen;
}

// What the command line asks for besides a run.
enum class Query { None, Help, Version };

struct Request {
  Query Asked = Query::None;
  bool Cancel = false;
  std::optional<DimensionDirection> Direction;
  std::filesystem::path Folder;
};

std::optional<Request> ParseArguments(
    const std::vector<std::filesystem::path>& args, std::string& error) {
  Request request;
  bool have_folder = false;
  for (const auto& arg : args) {
    const auto direction = arg.native().starts_with(kSwitchLead)
                               ? DirectionOfSwitch(arg.string().substr(2))
                               : std::nullopt;
    if (arg == "--help" || arg == "-h") {
      request.Asked = Query::Help;
      return request;
    } else if (arg == "--version") {
      request.Asked = Query::Version;
      return request;
    } else if (arg == "--cancel") {
      request.Cancel = true;
    } else if (direction && !request.Direction) {
      request.Direction = direction;
    } else if (direction) {
      error = "more than one direction given";
      return std::nullopt;
    } else if (!arg.empty() && arg.native()[0] == '-') {
      error = "unknown option " + arg.string();
      return std::nullopt;
    } else if (have_folder) {
      error = "more than one folder given";
      return std::nullopt;
    } else {
      request.Folder = arg;
      have_folder = true;
    }
  }
  if (!have_folder) {
    error = "no folder given";
    return std::nullopt;
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(request.Folder, ec)) {
    error = "not a folder: " + request.Folder.string();
    return std::nullopt;
  }
  return request;
}

int PressButtons(TForm1& form, const HeadlessToolkit& toolkit, bool cancel) {
  form.FormShow();
  if (form.ExchangeReadFailure) {
    std::fprintf(
        stderr, "halvane-run: %s\n",
        SjisToUtf8(UnreadableFileMessage(*form.ExchangeReadFailure)).c_str());
    return kNotWrittenBack;
  }
  if (toolkit.Closed) {  // ended before the dialog opened
    std::printf("%s\n", Refusal(toolkit.Events).c_str());
    return kNotDrawn;
  }
  if (cancel) {
    form.CancelClick();
    return kNotDrawn;
  }
  form.OkClick();
  if (toolkit.Closed) return kDrawn;
  std::printf("%s\n", Refusal(toolkit.Events).c_str());
  // Refused: the user gives up as with Cancel.
  form.CancelClick();
  return kNotDrawn;
}

// One line on stderr: what failed, the file, and the system's reason.
void ReportWriteFailure(const char* what, const std::filesystem::path& file,
                        const std::error_code& error) {
  const std::u8string name = file.u8string();
  std::string reason = error.message();
  while (!reason.empty() &&
         std::isspace(static_cast<unsigned char>(reason.back()))) {
    reason.pop_back();
  }
  std::fprintf(stderr, "halvane-run: %s %.*s: %s\n", what,
               static_cast<int>(name.size()),
               reinterpret_cast<const char*>(name.data()), reason.c_str());
}

int Run(const Request& request) {
  TForm1 form;
  form.Direction = request.Direction.value_or(DimensionDirection::Horizontal);
  HeadlessToolkit toolkit(form, request.Folder / kProgramFileName);
  const int status = PressButtons(form, toolkit, request.Cancel);
  // The dialog keeps quiet about files it could not write; a script is told.
  if (form.SettingsError) {
    ReportWriteFailure("settings not saved to",
                       request.Folder / kSettingsFileName, form.SettingsError);
  }
  if (form.ExchangeFileError) {
    ReportWriteFailure("cannot write back", request.Folder / kExchangeFileName,
                       form.ExchangeFileError);
    return kNotWrittenBack;
  }
  return status;
}

}  // namespace
}  // namespace halvane

int main(int argc, char** argv) {
  using namespace halvane;
  try {
    std::string error;
    const auto request = ParseArguments(Arguments(argc, argv), error);
    if (!request) {
      std::fprintf(stderr, "halvane-run: %s\n%s", error.c_str(), kUsage);
      return kUsageError;
    }
    if (request->Asked != Query::None) {
      std::fputs(request->Asked == Query::Help
                     ? kUsage
                     : "halvane-run " HALVANE_VERSION_TEXT "\n",
                 stdout);
      return std::fflush(stdout) == 0 ? kDrawn : kFailed;
    }
    const int status = Run(*request);
    std::fflush(stdout);
    return status;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "halvane-run: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "halvane-run: internal error\n");
  }
  return kFailed;
}
