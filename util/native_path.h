// Full file names as the system takes them, UTF-16 on Windows and bytes
// elsewhere. A plain string rather than std::filesystem::path, whose locale
// and conversion machinery would more than double the program's size; a
// std::filesystem::path converts to it.
#pragma once

#include <string>

namespace halvane {

#ifdef _WIN32
using NativePath = std::wstring;
inline constexpr wchar_t kPathDelimiter = L'\\';
#else
using NativePath = std::string;
inline constexpr char kPathDelimiter = '/';
#endif

// True for a character after which a file name starts: a delimiter, and on
// Windows the colon of a drive ("C:name").
inline bool EndsFolder(NativePath::value_type c) {
#ifdef _WIN32
  return c == L'\\' || c == L'/' || c == L':';
#else
  return c == '/';
#endif
}

// `path` without its file name, keeping the trailing delimiter, as
// std::filesystem::path::remove_filename does; empty for a bare name.
inline NativePath RemoveFileName(const NativePath& path) {
  std::size_t end = path.size();
  while (end > 0 && !EndsFolder(path[end - 1])) --end;
  return path.substr(0, end);
}

// True when `path` names a folder as well as a file.
inline bool HasFolder(const NativePath& path) {
  for (const auto c : path) {
    if (EndsFolder(c)) return true;
  }
  return false;
}

// `folder` and the plain ASCII `name`, with a delimiter between where needed.
inline NativePath AppendFileName(const NativePath& folder, const char* name) {
  NativePath joined = folder;
  if (!joined.empty() && !EndsFolder(joined.back())) joined += kPathDelimiter;
  for (const char* c = name; *c != '\0'; ++c) {
    joined += static_cast<NativePath::value_type>(*c);
  }
  return joined;
}

}  // namespace halvane
