// Runs the dialog in-process on a folder, with a toolkit that records what
// the user would have seen.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"

namespace halvane::test {

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path,
                       std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Lines joined with CR LF, the last one ended too.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

inline std::vector<std::string> SplitCrLf(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    const auto stamp =
        std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("halvane-dim-" + std::to_string(stamp) + "-" +
             std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class RecordingToolkit : public FormToolkit {
 public:
  RecordingToolkit(TForm1& form, std::filesystem::path folder)
      : form_(form), folder_(std::move(folder)) {}

  void SetFocus(ControlId control) override {
    Events.push_back(std::string("focus ") + ControlName(control));
  }
  void ShowMessage(std::string_view text) override {
    Events.push_back("message " + std::string(text));
  }
  void RepaintStatus() override { Events.push_back("status " + form_.LabelA1); }
  void Close() override {
    Events.push_back("close");
    Closed = true;
    form_.FormClose();
  }
  void GetPosition(int& left, int& top) override {
    left = Left;
    top = Top;
  }
  void MoveTo(int left, int top) override {
    Left = left;
    Top = top;
  }
  std::filesystem::path ExecutablePath() override {
    return folder_ / "halvane-run";
  }

  std::vector<std::string> Events;
  bool Closed = false;
  int Left = 0;
  int Top = 0;

 private:
  TForm1& form_;
  std::filesystem::path folder_;
};

struct RunResult {
  bool Drawn = false;
  std::vector<std::string> Events;  // of the OK presses
  std::string Output;               // JWC_TEMP.TXT after the close
};

// Shows the form on `folder`, lets `adjust` change the controls before each
// OK press (`presses` of them, stopping at the close), closes as Cancel
// when OK never closed, and reads back the written file.
inline RunResult RunDialog(const std::filesystem::path& folder,
                           const std::function<void(TForm1&, int)>& adjust = {},
                           int presses = 1) {
  TForm1 form;
  RecordingToolkit toolkit(form, folder);
  form.SetToolkit(&toolkit);
  form.FormShow();
  for (int i = 0; i < presses && !toolkit.Closed; ++i) {
    if (adjust) adjust(form, i);
    form.Button1Click();
  }
  RunResult result;
  result.Drawn = toolkit.Closed;
  result.Events = toolkit.Events;
  if (!toolkit.Closed) form.Button2Click();
  result.Output = ReadBytes(folder / "JWC_TEMP.TXT");
  return result;
}

}  // namespace halvane::test
