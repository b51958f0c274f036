// Shared pieces of the writer and file tests: a fresh model per test, the
// output buffer as strings, and a scratch folder removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "exchange/attribute_writers.h"
#include "exchange/exchange_data.h"

namespace halvane {

inline std::vector<std::string> OutputLines() {
  const auto& output = Exchange().Output;
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < output.Count(); ++i) {
    lines.emplace_back(output[i].Bytes, output[i].Length);
  }
  return lines;
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::filesystem::path& path,
                           const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// The model as the run sequence leaves it before the OK command.
class WriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitExchangeData();
    ResetWriterState();
  }
  void TearDown() override { FreeExchangeData(); }
};

class ScratchDir {
 public:
  ScratchDir() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() /
            ("halvane-test-" + std::to_string(device()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const {
    return path_ / name;
  }
  // Names of everything in the folder, to see that no temporary file is left.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace halvane
