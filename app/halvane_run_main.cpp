// halvane-run [--cancel] DIR: one run of the command without a window. DIR
// stands for the program folder: JWC_TEMP.TXT and t517.dat are read there,
// OK (or Cancel) is pressed, and JWC_TEMP.TXT is written back.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "form/form_model.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace halvane {
namespace {

constexpr char kUsage[] =
    "usage: halvane-run [--cancel] DIR\n"
    "  Runs the dimension command once on DIR/JWC_TEMP.TXT and DIR/t517.dat\n"
    "  and presses OK (or Cancel with --cancel). Exit status: 0 dimension\n"
    "  drawn, 1 OK refused or Cancel, 2 usage error, 3 internal error.\n";

enum ExitStatus { kDrawn = 0, kNotDrawn = 1, kUsageError = 2, kFailed = 3 };

#ifdef _WIN32
constexpr char kProgramFileName[] = "halvane-run.exe";

std::string SjisToUtf8(std::string_view sjis) {
  const int n = static_cast<int>(sjis.size());
  if (n == 0) return {};
  const int wide_count =
      MultiByteToWideChar(932, 0, sjis.data(), n, nullptr, 0);
  if (wide_count <= 0) return std::string(sjis);
  std::wstring wide(static_cast<std::size_t>(wide_count), L'\0');
  MultiByteToWideChar(932, 0, sjis.data(), n, wide.data(), wide_count);
  const int utf8_count = WideCharToMultiByte(
      CP_UTF8, 0, wide.data(), wide_count, nullptr, 0, nullptr, nullptr);
  if (utf8_count <= 0) return std::string(sjis);
  std::string utf8(static_cast<std::size_t>(utf8_count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_count, utf8.data(),
                      utf8_count, nullptr, nullptr);
  return utf8;
}

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
constexpr char kProgramFileName[] = "halvane-run";

std::string SjisToUtf8(std::string_view sjis) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(sjis);
  std::string in(sjis);
  std::string out(in.size() * 3 + 4, '\0');
  char* in_ptr = in.data();
  std::size_t in_left = in.size();
  char* out_ptr = out.data();
  std::size_t out_left = out.size();
  const std::size_t rc = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) return std::string(sjis);
  out.resize(out.size() - out_left);
  return out;
}

std::vector<std::filesystem::path> Arguments(int argc, char** argv) {
  return {argv + 1, argv + argc};
}
#endif

// The toolkit of a run without a window: it remembers what the user would
// have seen and closes the form as the dialog would.
class HeadlessToolkit : public FormToolkit {
 public:
  HeadlessToolkit(TForm1& form, std::filesystem::path folder)
      : form_(form), folder_(std::move(folder)) {}

  void SetFocus(ControlId control) override {
    seen_ = std::string("focus ") + ControlName(control);
  }
  void ShowMessage(std::string_view text) override {
    seen_ = "message " + SjisToUtf8(text);
  }
  void RepaintStatus() override {}
  void Close() override {
    if (closed_) return;
    closed_ = true;
    form_.FormClose();
  }
  void GetPosition(int& left, int& top) override {
    left = left_;
    top = top_;
  }
  void MoveTo(int left, int top) override {
    left_ = left;
    top_ = top;
  }
  std::filesystem::path ExecutablePath() override {
    return folder_ / kProgramFileName;
  }

  bool Closed() const { return closed_; }
  const std::string& Seen() const { return seen_; }

 private:
  TForm1& form_;
  std::filesystem::path folder_;
  bool closed_ = false;
  std::string seen_;
  int left_ = 0;
  int top_ = 0;
};

struct Request {
  bool Cancel = false;
  std::filesystem::path Folder;
};

std::optional<Request> ParseArguments(
    const std::vector<std::filesystem::path>& args, std::string& error) {
  Request request;
  bool have_folder = false;
  for (const auto& arg : args) {
    if (arg == "--cancel") {
      request.Cancel = true;
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

int Run(const Request& request) {
  TForm1 form;
  HeadlessToolkit toolkit(form, request.Folder);
  form.SetToolkit(&toolkit);
  form.FormShow();
  if (request.Cancel) {
    form.Button2Click();
    return kNotDrawn;
  }
  form.Button1Click();
  if (toolkit.Closed()) return kDrawn;
  std::printf("%s\n", toolkit.Seen().c_str());
  // Refused: the user gives up as with Cancel.
  form.Button2Click();
  return kNotDrawn;
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
