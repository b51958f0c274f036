#include "exchange/file_access.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <system_error>

namespace halvane {

namespace {

// Bytes left before the test seam makes writes fail; negative when off.
long long g_write_budget = -1;

// Takes up to `wanted` bytes from the seam's budget; the rest must fail.
std::size_t AllowedBytes(std::size_t wanted) {
  if (g_write_budget < 0) return wanted;
  const auto budget = static_cast<unsigned long long>(g_write_budget);
  const std::size_t allowed = budget < wanted ? budget : wanted;
  g_write_budget -= static_cast<long long>(allowed);
  return allowed;
}

std::string UniqueSuffix() {
  static std::atomic<unsigned> counter{0};
  static const std::uint64_t seed = [] {
    std::random_device device;
    const auto clock = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ clock;
  }();
  std::uint64_t mixed = seed + 0x9E3779B97F4A7C15ull * ++counter;
  mixed ^= mixed >> 29;
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string suffix;
  for (int i = 0; i < 8; ++i) {
    suffix += kDigits[mixed % 36];
    mixed /= 36;
  }
  return suffix;
}

// Creates a new file beside `target`; never opens a file that exists.
std::FILE* CreateTemporary(const std::filesystem::path& target,
                           std::filesystem::path& temp) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    temp = target;
    temp += ".tmp" + UniqueSuffix();
    std::error_code ec;
    if (std::filesystem::exists(temp, ec) || ec) continue;
#ifdef _WIN32
    // The C runtime of MinGW does not know the "x" mode.
    std::FILE* file = OpenFile(temp, "wb");
#else
    std::FILE* file = OpenFile(temp, "wbx");
#endif
    if (file != nullptr) return file;
  }
  temp.clear();
  return nullptr;
}

}  // namespace

bool RegularFileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
  std::wstring wide_mode;
  for (const char* c = mode; *c != '\0'; ++c) wide_mode += wchar_t(*c);
  return _wfopen(path.c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

AtomicFileWriter::AtomicFileWriter(const std::filesystem::path& path)
    : target_(path) {
  file_ = CreateTemporary(target_, temp_);
  failed_ = file_ == nullptr;
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (failed_ || file_ == nullptr) return false;
  const std::size_t allowed = AllowedBytes(bytes.size());
  const std::size_t written =
      allowed == 0 ? 0 : std::fwrite(bytes.data(), 1, allowed, file_);
  if (written != bytes.size()) failed_ = true;
  return !failed_;
}

bool AtomicFileWriter::Commit() {
  if (failed_ || file_ == nullptr) {
    Abandon();
    return false;
  }
  const bool flushed = std::fflush(file_) == 0 && std::ferror(file_) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!flushed || !closed) {
    Abandon();
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp_, target_, ec);
  if (ec) {
    Abandon();
    return false;
  }
  temp_.clear();
  return true;
}

void AtomicFileWriter::Abandon() {
  failed_ = true;
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temp_.empty()) {
    std::error_code ec;
    std::filesystem::remove(temp_, ec);
    temp_.clear();
  }
}

void SetWriteFaultAfter(long long bytes) {
  g_write_budget = bytes < 0 ? -1 : bytes;
}

}  // namespace halvane
