// Reads the manifest of the built Halvane.exe the way Windows does, through
// an activation context, and asks it for the display settings.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

namespace halvane {
namespace {

const wchar_t kSettings2005[] =
    L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
const wchar_t kSettings2017[] =
    L"http://schemas.microsoft.com/SMI/2017/WindowsSettings";

std::filesystem::path ProgramBesideTests() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return std::filesystem::path(path).parent_path() / L"Halvane.exe";
}

// The value of `name`, or "(none)" when the manifest does not set it.
std::wstring Setting(HANDLE context, const wchar_t* space,
                     const wchar_t* name) {
  wchar_t value[64] = L"";
  SIZE_T written = 0;
  if (!QueryActCtxSettingsW(0, context, space, name, value, 64, &written))
    return L"(none)";
  return value;
}

class ProgramManifest : public testing::Test {
 protected:
  void SetUp() override {
    program_ = ProgramBesideTests();
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = program_.c_str();
    request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    context_ = CreateActCtxW(&request);
    ASSERT_NE(context_, INVALID_HANDLE_VALUE)
        << "no valid manifest in " << program_.string() << ", error "
        << GetLastError();
  }
  void TearDown() override {
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
  }

  std::filesystem::path program_;
  HANDLE context_ = INVALID_HANDLE_VALUE;
};

TEST_F(ProgramManifest, AsksForSharpGdiTextAndStaysAt96Dpi) {
  EXPECT_EQ(Setting(context_, kSettings2017, L"gdiScaling"), L"true");
  EXPECT_EQ(Setting(context_, kSettings2005, L"dpiAware"), L"false");
}

}  // namespace
}  // namespace halvane
