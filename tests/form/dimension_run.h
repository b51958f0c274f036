// Runs the dialog in-process on a folder, with a toolkit that records what
// the user would have seen.
#pragma once

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"
#include "form/headless_toolkit.h"
#include "tests/support/temp_folder.h"

namespace halvane::test {

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
  HeadlessToolkit toolkit(form, folder / "halvane-run");
  form.FormShow();
  toolkit.Events.clear();
  for (int i = 0; i < presses && !toolkit.Closed; ++i) {
    if (adjust) adjust(form, i);
    form.OkClick();
  }
  RunResult result;
  result.Drawn = toolkit.Closed;
  result.Events = toolkit.Events;
  if (!toolkit.Closed) form.CancelClick();
  result.Output = ReadBytes(folder / "JWC_TEMP.TXT");
  return result;
}

}  // namespace halvane::test
