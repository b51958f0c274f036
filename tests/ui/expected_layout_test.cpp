// The control table and the label table against the layout the end-to-end
// check holds the running dialog to (tests/e2e/expected_layout.txt), so that
// a change to either table shows here before it shows on the screen.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "ui/dialog_layout.h"
#include "ui/layout_listing.h"
#include "util/text_encoding.h"

namespace halvane {
namespace {

std::string Rect(const PixelRect& r) {
  return std::to_string(r.Left) + " " + std::to_string(r.Top) + " " +
         std::to_string(r.Width) + " " + std::to_string(r.Height);
}

struct Expected {
  std::map<std::string, std::string> Places, Texts;
  std::set<std::string> Labels;
  std::map<std::string, std::string> Frame;  // client, caption, owner
  std::string Memo;
};

Expected ReadExpected() {
  Expected expected;
  std::ifstream file(std::string(HALVANE_TEST_DATA) +
                     "/e2e/expected_layout.txt");
  EXPECT_TRUE(file) << "expected_layout.txt";
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t space = line.find(' ');
    const std::string key = line.substr(0, space);
    const std::string rest = line.substr(space + 1);
    const std::size_t name_end = rest.find(' ');
    if (key == "control") {
      expected.Places[rest.substr(0, name_end)] = rest.substr(name_end + 1);
    } else if (key == "text") {
      expected.Texts[rest.substr(0, name_end)] = rest.substr(name_end + 1);
    } else if (key == "label") {
      expected.Labels.insert(rest);
    } else if (key == "memo") {
      expected.Memo = rest;
    } else {
      expected.Frame[key] = rest;
    }
  }
  return expected;
}

TEST(ExpectedLayout, EveryControlSitsAndReadsAsTheDialogMustShowIt) {
  const Expected expected = ReadExpected();
  ASSERT_EQ(expected.Places.size(), ControlRows().size());
  for (const ControlRow& row : ControlRows()) {
    const auto place = expected.Places.find(row.Name);
    ASSERT_NE(place, expected.Places.end()) << row.Name;
    EXPECT_EQ(Rect(row.Place), place->second) << row.Name;
    const auto text = expected.Texts.find(row.Name);
    if (text != expected.Texts.end()) {
      EXPECT_EQ(ShownText(row), text->second) << row.Name;
    }
    if (row.Kind == ControlKind::Memo) {
      EXPECT_EQ(ShownText(row), expected.Memo);
    }
  }
  for (const auto& [name, text] : expected.Texts) {
    EXPECT_TRUE(expected.Places.contains(name)) << name;
  }
}

TEST(ExpectedLayout, EveryLabelAndTheFrame) {
  const Expected expected = ReadExpected();
  std::set<std::string> labels;
  for (const LabelPlace& label : LabelPlaces())
    labels.insert(std::to_string(label.Left) + " " + std::to_string(label.Top) +
                  " " + std::to_string(label.FontHeight) + " " +
                  SjisToUtf8(label.Text));
  EXPECT_EQ(labels, expected.Labels);
  EXPECT_EQ(expected.Frame.at("client"),
            std::to_string(kClientWidth) + " " + std::to_string(kClientHeight));
  EXPECT_EQ(expected.Frame.at("caption"), kFormCaption);
  EXPECT_EQ(expected.Frame.at("owner"), kApplicationTitle);
}

}  // namespace
}  // namespace halvane
