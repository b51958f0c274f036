#include "tools/host_standin/batch_directives.h"

#include "util/number_parse.h"
#include "util/sjis_text.h"

namespace halvane {
namespace {

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
    s.remove_suffix(1);
  return s;
}

// Position of a "#" within the first columns, walking whole characters.
std::size_t DirectiveStart(std::string_view line) {
  for (std::size_t i = 0; i < line.size() && i < kDirectiveColumns; ++i) {
    unsigned char b = static_cast<unsigned char>(line[i]);
    if (IsLeadByte(b)) {
      ++i;
    } else if (b == '#') {
      return i;
    }
  }
  return std::string_view::npos;
}

bool ReadPointRequest(std::string_view body, PointRequest& request) {
  std::size_t digits = 0;
  while (digits < body.size() && body[digits] >= '0' && body[digits] <= '9')
    ++digits;
  if (digits == 0 || digits > 2) return false;
  int32_t number = 0;
  ParseResult r = ParseInt(body.data(), body.data() + digits, number);
  if (!r.ok || number < 1 || number > 99) return false;
  std::string_view rest = body.substr(digits);
  std::size_t word_end = rest.find_first_of(" \t");
  std::string_view suffix = rest.substr(0, word_end);
  if (suffix != "" && suffix != "-" && suffix != "ln" && suffix != "ci" &&
      suffix != "ch") {
    return false;
  }
  request.Number = number;
  request.Suffix = std::string(suffix);
  request.Prompt = word_end == std::string_view::npos
                       ? std::string()
                       : std::string(TrimSpaces(rest.substr(word_end)));
  return true;
}

// Splits a command line into words; double quotes group and are dropped.
std::vector<std::string> CommandWords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, in_word = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      in_word = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

bool EndsWithExe(std::string_view word) {
  if (word.size() <= 4) return false;
  std::string tail(word.substr(word.size() - 4));
  for (char& c : tail)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return tail == ".exe";
}

// A REM line never qualifies: its first word is REM.
void ReadProgramLine(std::string_view line, BatchDirectives& out) {
  line = TrimSpaces(line);
  if (!line.empty() && line.front() == '@') line.remove_prefix(1);
  std::vector<std::string> words = CommandWords(line);
  if (words.empty() || !EndsWithExe(words[0])) return;
  out.Program = words[0];
  out.ProgramArguments.assign(words.begin() + 1, words.end());
}

}  // namespace

BatchDirectives ReadBatchDirectives(std::string_view batch_file) {
  BatchDirectives out;
  bool first = true;
  while (!batch_file.empty()) {
    std::size_t end = batch_file.find('\n');
    std::string_view line = batch_file.substr(0, end);
    batch_file.remove_prefix(end == std::string_view::npos ? batch_file.size()
                                                           : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      first = false;
      std::string_view memo = TrimSpaces(line);
      if (memo.size() >= 3 &&
          (memo.substr(0, 3) == "REM" || memo.substr(0, 3) == "rem")) {
        memo = TrimSpaces(memo.substr(3));
      }
      out.Memo = std::string(memo);
    }
    if (out.Program.empty()) ReadProgramLine(line, out);
    if (out.Ended) continue;
    std::size_t hash = DirectiveStart(line);
    if (hash == std::string_view::npos) continue;
    std::string_view body = line.substr(hash + 1);
    std::string_view word =
        TrimSpaces(body.substr(0, body.find_first_of(" \t")));
    PointRequest request;
    if (word == "jww") {
      out.WindowsFormat = true;
    } else if (word == "cd") {
      out.ChangeFolder = true;
    } else if (word == "h0") {
      out.NoRange = true;
    } else if (word == "zw") {
      out.AsksLineWidth = true;
    } else if (word == "e") {
      out.Ended = true;
    } else if (ReadPointRequest(body, request)) {
      out.Points.push_back(request);
    } else {
      out.Unknown.push_back(std::string(TrimSpaces(body)));
    }
  }
  return out;
}

std::optional<std::vector<std::string>> RunnerSwitches(
    const std::vector<std::string>& program_arguments) {
  std::vector<std::string> switches;
  for (const std::string& a : program_arguments) {
    if (a.size() < 2 || a[0] != '/') return std::nullopt;
    switches.push_back("--" + a.substr(1));
  }
  return switches;
}

}  // namespace halvane
