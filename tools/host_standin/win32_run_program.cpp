#include <windows.h>

#include <string>

#include "tools/host_standin/run_program.h"

namespace halvane {
namespace {

// Quoting as the C runtime splits a command line.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) {
    line += arg;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

}  // namespace

int RunProgram(const std::vector<std::filesystem::path>& argv,
               const std::filesystem::path& working_folder) {
  if (argv.empty()) return kNotStarted;
  std::wstring line;
  for (const auto& a : argv) {
    if (!line.empty()) line += L' ';
    AppendQuoted(line, a.wstring());
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring folder = working_folder.wstring();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup,
                      &process)) {
    return kNotStarted;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

}  // namespace halvane
