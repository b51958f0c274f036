#include "util/native_path.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

// The path with '/' as the system's delimiter.
NativePath Native(const char* path) {
  NativePath native;
  for (const char* c = path; *c != '\0'; ++c) {
    native +=
        *c == '/' ? kPathDelimiter : static_cast<NativePath::value_type>(*c);
  }
  return native;
}

TEST(NativePath, SplitsAndJoinsAtTheDelimiter) {
  const struct {
    const char* path;
    bool has_folder;
    const char* folder;     // RemoveFileName
    const char* with_name;  // AppendFileName(path, "f.txt")
  } cases[] = {
      {"/a/b.txt", true, "/a/", "/a/b.txt/f.txt"},
      {"/b", true, "/", "/b/f.txt"},
      {"a/", true, "a/", "a/f.txt"},
      {"b.txt", false, "", "b.txt/f.txt"},
      {"x", false, "", "x/f.txt"},
      {"", false, "", "f.txt"},
  };
  for (const auto& c : cases) {
    const NativePath path = Native(c.path);
    EXPECT_EQ(HasFolder(path), c.has_folder) << c.path;
    EXPECT_EQ(RemoveFileName(path), Native(c.folder)) << c.path;
    EXPECT_EQ(AppendFileName(path, "f.txt"), Native(c.with_name)) << c.path;
  }
}

}  // namespace
}  // namespace halvane
