// Temporary folders and whole-file access for the tests of the run sequence
// and the settings file.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exchange/file_access.h"
#include "form/form_model.h"

namespace halvane::testing {

// A fresh folder below the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  explicit TempFolder(const std::filesystem::path& leaf = "halvane app") {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("halvane_" + std::to_string(random()) + "_" +
             std::to_string(random()));
    path_ /= leaf;
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_.parent_path(), ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const {
    return path_ / name;
  }
  // Names of everything in the folder.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      const auto name = entry.path().filename().u8string();
      names.emplace_back(name.begin(), name.end());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& path,
                       std::string_view bytes) {
  std::FILE* file = OpenFile(path, "wb");
  ASSERT_NE(file, nullptr) << path;
  EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
  std::fclose(file);
}

// The whole file, or "<missing>" when it cannot be opened.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return "<missing>";
  std::string bytes;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
    bytes.append(chunk, n);
  }
  std::fclose(file);
  return bytes;
}

// Every value the settings file stores, one readable entry per control.
inline std::vector<std::string> Snapshot(const TForm1& form) {
  std::vector<std::string> values;
  for (const ListControl* list :
       {&form.ComboBox1, &form.ComboBox2, &form.ComboBox3, &form.ComboBox4,
        &form.ComboBox5}) {
    values.push_back("list " + std::to_string(list->ItemIndex));
  }
  for (const EditControl* edit :
       {&form.Edit1, &form.Edit2, &form.Edit3, &form.Edit4, &form.Edit5,
        &form.Edit6, &form.Edit7, &form.Edit8, &form.Edit9}) {
    values.push_back("edit [" + edit->Text + "]");
  }
  for (const RadioControl* radio : {&form.RadioGroup1, &form.RadioGroup2}) {
    values.push_back("radio " + std::to_string(radio->ItemIndex));
  }
  for (const CheckControl* check :
       {&form.CheckBox1, &form.CheckBox2, &form.CheckBox3, &form.CheckBox4}) {
    values.push_back(check->Checked ? "checked" : "unchecked");
  }
  return values;
}

}  // namespace halvane::testing
