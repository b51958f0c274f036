// The lines in the output buffer, and a check that every number in a line
// reads back.
#pragma once

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/attribute_writers.h"
#include "exchange/exchange_data.h"
#include "exchange/exchange_output.h"
#include "util/number_parse.h"

namespace halvane::test {

// A fresh input and output with the writers ready, as after the dialog was
// shown.
struct FreshRun {
  // The output lines as strings.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < Output.Lines.Count(); ++i) {
      lines.emplace_back(Output.Lines[i].Bytes, Output.Lines[i].Length);
    }
    return lines;
  }

  ExchangeData Input;
  ExchangeOutput Output{Input};
};

// Empty when every number of the line reads back with ParseFloat; otherwise
// the offending word. The text after a double quote is not looked at, nor the
// command word that starts a line ("pt", "cs", "cn0", "lc1", ...).
inline std::string BadNumberIn(std::string_view line) {
  const std::size_t quote = line.find('"');
  if (quote != std::string_view::npos) line = line.substr(0, quote);
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start <= line.size()) {
    std::size_t end = line.find(' ', start);
    if (end == std::string_view::npos) end = line.size();
    if (end > start) words.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    std::string lower(word);
    for (char& c : lower) c = static_cast<char>(std::tolower(c));
    if (lower.find("inf") != std::string::npos ||
        lower.find("nan") != std::string::npos) {
      return std::string(word);
    }
    if (i == 0 && std::isalpha(static_cast<unsigned char>(word[0]))) continue;
    double value = 0;
    const ParseResult r =
        ParseFloat(word.data(), word.data() + word.size(), value);
    if (!r.ok || r.ptr != word.data() + word.size()) return std::string(word);
  }
  return {};
}

}  // namespace halvane::test
