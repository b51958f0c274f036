// halvane-host: stands in for Jw_cad running an external command. Writes
// JWC_TEMP.TXT for a scenario as the host does, runs the program, reads the
// commands written back and draws them into an SVG (and PNG) picture.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/exchange_data.h"
#include "exchange/exchange_reader.h"
#include "tools/host_standin/batch_directives.h"
#include "tools/host_standin/host_input.h"
#include "tools/host_standin/run_program.h"
#include "tools/host_standin/scenario.h"
#include "tools/host_standin/svg_picture.h"
#include "util/text_encoding.h"

namespace fs = std::filesystem;
using namespace halvane;

namespace {

constexpr int kExitDrawn = 0;
constexpr int kExitUsage = 1;
constexpr int kExitFailed = 2;
constexpr int kExitNotExecuted = 3;
constexpr char kNotExecuted[] = "未実行";

constexpr char kUsage[] =
    "usage: halvane-host --bat HALVANE.BAT --work DIR\n"
    "         (--headless RUNNER [--cancel] | --windows HALVANE.EXE\n"
    "          [--launcher PROG] [--direct])\n"
    "         [--svg FILE] [--png FILE] SCENARIO\n"
    "  --headless  run RUNNER [--cancel] [--SWITCH...] PROGRAM-FOLDER\n"
    "              (halvane-run), with --name for each /name that the batch\n"
    "              file passes to the program\n"
    "  --windows   copy the program beside the batch file and run the batch\n"
    "              file with cmd /c, as Jw_cad does (--direct: the program\n"
    "              itself, with the batch file's switches); --launcher runs\n"
    "              Windows programs (e.g. Wine)\n"
    "exit: 0 drawn, 3 not executed (JWC_TEMP.TXT still starts with hq),\n"
    "      1 bad arguments or scenario, 2 could not prepare or run\n";

struct Options {
  fs::path Bat, Work, Scenario, Svg, Png;
  fs::path Headless, Windows, Launcher;
  bool Cancel = false;
  bool Direct = false;
};

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](fs::path& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    bool ok = true;
    if (a == "--bat")
      ok = value(o.Bat);
    else if (a == "--work")
      ok = value(o.Work);
    else if (a == "--svg")
      ok = value(o.Svg);
    else if (a == "--png")
      ok = value(o.Png);
    else if (a == "--headless")
      ok = value(o.Headless);
    else if (a == "--windows")
      ok = value(o.Windows);
    else if (a == "--launcher")
      ok = value(o.Launcher);
    else if (a == "--cancel")
      o.Cancel = true;
    else if (a == "--direct")
      o.Direct = true;
    else if (!a.empty() && a[0] != '-' && o.Scenario.empty())
      o.Scenario = a;
    else
      ok = false;
    if (!ok) return false;
  }
  // The programs run in another folder: fix relative names now.
  for (fs::path* p : {&o.Work, &o.Headless, &o.Launcher, &o.Windows}) {
    if (p->has_parent_path()) *p = fs::absolute(*p);
  }
  return !o.Bat.empty() && !o.Work.empty() && !o.Scenario.empty() &&
         (o.Headless.empty() != o.Windows.empty());
}

std::optional<std::string> ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return s.str();
}

bool WriteWhole(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  return static_cast<bool>(out);
}

void Warn(const std::string& text) { std::cerr << "warning: " << text << "\n"; }

void CheckBatch(const BatchDirectives& b) {
  if (!b.Ended) Warn("the batch file has no #e");
  if (!b.WindowsFormat)
    Warn("no #jww: Jw_cad would use the old DOS format and split dimensions");
  if (!b.ChangeFolder)
    Warn(
        "no #cd: JWC_TEMP.TXT goes to Jw_cad's own folder, not the batch "
        "file's");
  if (!b.NoRange) Warn("no #h0: Jw_cad would ask for a range first");
  for (const std::string& u : b.Unknown) Warn("unknown directive #" + u);
  if (b.Program.empty()) Warn("no line of the batch file starts an .exe");
}

// Blank lines start a run of connected points at the host.
void CheckReadBack(const std::string& bytes) {
  std::istringstream in(bytes);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) Warn("blank line " + std::to_string(number));
  }
}

int Run(const Options& o) {
  std::optional<std::string> scenario_text = ReadWhole(o.Scenario);
  if (!scenario_text) {
    std::cerr << "cannot read " << o.Scenario << "\n";
    return kExitUsage;
  }
  Scenario scenario;
  ScenarioError error;
  if (!ParseScenario(*scenario_text, scenario, error)) {
    std::cerr << o.Scenario.string() << ":" << error.Line << ": "
              << error.Message << "\n";
    return kExitUsage;
  }
  std::optional<std::string> bat_text = ReadWhole(o.Bat);
  if (!bat_text) {
    std::cerr << "cannot read " << o.Bat << "\n";
    return kExitUsage;
  }
  BatchDirectives batch = ReadBatchDirectives(*bat_text);
  CheckBatch(batch);

  std::error_code ec;
  const fs::path program_folder = o.Work / "prog";
  const fs::path host_folder = o.Work / "jw_cad";
  fs::create_directories(program_folder, ec);
  fs::create_directories(host_folder, ec);
  const fs::path exchange_folder =
      batch.ChangeFolder ? program_folder : host_folder;
  const fs::path exchange_file = exchange_folder / "JWC_TEMP.TXT";
  fs::remove(program_folder / "JWC_TEMP.TXT", ec);
  fs::remove(host_folder / "JWC_TEMP.TXT", ec);
  bool copied = fs::copy_file(o.Bat, program_folder / o.Bat.filename(),
                              fs::copy_options::overwrite_existing, ec);
  if (copied && !scenario.Settings.empty()) {
    fs::path settings = scenario.Settings.is_absolute()
                            ? scenario.Settings
                            : o.Scenario.parent_path() / scenario.Settings;
    copied = fs::copy_file(settings, program_folder / "t517.dat",
                           fs::copy_options::overwrite_existing, ec);
  }
  if (copied && !o.Windows.empty()) {
    copied = fs::copy_file(o.Windows, program_folder / "Halvane.exe",
                           fs::copy_options::overwrite_existing, ec);
  }
  if (!copied) {
    std::cerr << "cannot prepare " << program_folder << ": " << ec.message()
              << "\n";
    return kExitFailed;
  }

  std::vector<int> missing;
  std::vector<std::string> input = HostInputLines(scenario, batch, missing);
  if (!missing.empty()) {
    std::cerr << "the scenario lacks point";
    for (int n : missing) std::cerr << " " << n;
    std::cerr << " that the batch file asks for\n";
    return kExitUsage;
  }
  if (!WriteWhole(exchange_file, JoinCrLf(input))) {
    std::cerr << "cannot write " << exchange_file << "\n";
    return kExitFailed;
  }

  std::vector<fs::path> command;
  fs::path working = batch.ChangeFolder ? program_folder : host_folder;
  if (!o.Headless.empty()) {
    std::optional<std::vector<std::string>> switches =
        RunnerSwitches(batch.ProgramArguments);
    if (!switches) {
      std::cerr << "the batch file passes the program something other than "
                   "/switches\n";
      return kExitUsage;
    }
    command.push_back(o.Headless);
    if (o.Cancel) command.push_back("--cancel");
    command.insert(command.end(), switches->begin(), switches->end());
    command.push_back(program_folder);
  } else {
    if (!o.Launcher.empty()) command.push_back(o.Launcher);
    if (o.Direct) {
      command.push_back(program_folder / "Halvane.exe");
      command.insert(command.end(), batch.ProgramArguments.begin(),
                     batch.ProgramArguments.end());
    } else {
      command.insert(command.end(), {"cmd", "/c"});
      command.push_back(
          fs::relative(program_folder / o.Bat.filename(), working, ec));
    }
  }
  std::cout << "running";
  for (const fs::path& c : command) std::cout << " " << c.string();
  std::cout << std::endl;
  int code = RunProgram(command, working);
  if (code == kNotStarted) {
    std::cerr << "cannot start " << command[0] << "\n";
    return kExitFailed;
  }
  if (code != 0)
    Warn("the program ended with exit code " + std::to_string(code));

  std::optional<std::string> back = ReadWhole(exchange_file);
  bool executed = back && back->compare(0, 2, "hq") != 0;
  PictureNotes notes;
  notes.Title =
      scenario.Title.empty() ? o.Scenario.filename().string() : scenario.Title;
  if (!batch.Memo.empty())
    notes.Title += " \xe2\x80\x94 " + SjisToUtf8(batch.Memo);
  for (const PointRequest& r : batch.Points) {
    const ScenarioPoint& p = scenario.Points[r.Number];
    notes.Picked.push_back({r.Number, p.X, p.Y, SjisToUtf8(r.Prompt)});
  }
  PictureCounts counts;
  std::string svg;
  if (executed) {
    CheckReadBack(*back);
    ExchangeData drawing;
    ExchangeReader reader(drawing);
    for (const std::string& line : input) reader.ParseLine(line);
    if (!reader.ReadFile(exchange_file)) {
      std::cerr << "cannot read back " << exchange_file << "\n";
      return kExitFailed;
    }
    notes.Status = "JWC_TEMP.TXT:";
    svg = RenderSvg(&drawing, notes, &counts);
  } else {
    notes.Status = kNotExecuted;
    svg = RenderSvg(nullptr, notes, &counts);
  }
  if (!o.Svg.empty() && !WriteWhole(o.Svg, svg)) {
    std::cerr << "cannot write " << o.Svg << "\n";
    return kExitFailed;
  }
  if (!o.Png.empty()) {
    if (o.Svg.empty()) {
      std::cerr << "--png needs --svg\n";
      return kExitUsage;
    }
    if (RunProgram({"rsvg-convert", "-o", o.Png, o.Svg}) != 0) {
      std::cerr << "rsvg-convert could not write " << o.Png << "\n";
      return kExitFailed;
    }
  }
  if (!executed) {
    std::cout << kNotExecuted << " (not executed): " << exchange_file.string()
              << " still starts with hq\n";
    return kExitNotExecuted;
  }
  std::cout << "drawn: " << counts.Drawn << " entities";
  if (counts.Skipped) std::cout << ", " << counts.Skipped << " not drawn";
  std::cout << "\n";
  return kExitDrawn;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  try {
    return Run(options);
  } catch (const std::exception& e) {
    std::cerr << "halvane-host: " << e.what() << "\n";
    return kExitFailed;
  }
}
