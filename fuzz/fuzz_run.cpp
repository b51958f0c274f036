// Arbitrary bytes as both files of a program folder: JWC_TEMP.TXT up to the
// first kSettingsMark, t517.dat after it (no mark: no settings file). Each
// direction runs the whole command as halvane-run does, OK pressed, twice.
// What is written must be a file the host can read: "hq" alone or a whole
// dimension, lines of at most 255 bytes without control bytes, finite
// numbers, and the same bytes both times.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/exchange_data.h"
#include "exchange/exchange_reader.h"
#include "exchange_invariants.h"
#include "form/form_model.h"
#include "form/headless_toolkit.h"
#include "form/program_files.h"
#include "fuzz_file.h"
#include "large_block_cache.h"

namespace halvane {
namespace {

constexpr std::string_view kSettingsMark = "\n--t517.dat--\n";
constexpr std::string_view kHostFileAlone = "hq\r\n";

// One row per command a batch file can start.
constexpr DimensionDirection kDirections[] = {
    DimensionDirection::Horizontal,
    DimensionDirection::Vertical,
    DimensionDirection::Aligned,
};

// halvane-run's exit statuses that a run (not its arguments) can end with.
enum class RunStatus { Drawn = 0, NotDrawn = 1, NotWrittenBack = 4 };

struct Files {
  std::string Host;
  std::optional<std::string> Settings;
  bool operator==(const Files&) const = default;
};

struct RunResult {
  RunStatus Status;
  bool EndedBeforeDialog;
  Files Written;
};

const FuzzFolder& Folder() {
  static const FuzzFolder folder;
  return folder;
}

std::filesystem::path InFolder(const char* name) {
  return Folder().Path() / name;
}

std::optional<std::string> ReadAll(const std::filesystem::path& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
    bytes.append(buffer, got);
  std::fclose(f);
  return bytes;
}

bool Put(const std::filesystem::path& path, std::string_view bytes) {
  return WriteBytes(path, bytes.data(), bytes.size());
}

bool Prepare(const Files& input) {
  std::error_code ec;
  std::filesystem::remove(InFolder(kSettingsFileName), ec);
  return Put(InFolder(kExchangeFileName), input.Host) &&
         (!input.Settings || Put(InFolder(kSettingsFileName), *input.Settings));
}

// The buttons as halvane-run presses them: OK, and Cancel after a refusal.
std::optional<RunResult> RunOnce(const Files& input,
                                 DimensionDirection direction) {
  if (!Prepare(input)) return std::nullopt;
  TForm1 form;
  form.Direction = direction;
  HeadlessToolkit toolkit(form, InFolder("halvane-run"));
  RunResult result{RunStatus::NotDrawn, false, {}};
  form.FormShow();
  if (toolkit.Closed) {
    result.EndedBeforeDialog = true;
  } else {
    form.OkClick();
    if (toolkit.Closed) {
      result.Status = RunStatus::Drawn;
    } else {
      form.CancelClick();
    }
  }
  if (form.ExchangeFileError) result.Status = RunStatus::NotWrittenBack;
  result.Written.Host = ReadAll(InFolder(kExchangeFileName)).value_or("");
  result.Written.Settings = ReadAll(InFolder(kSettingsFileName));
  return result;
}

// Lines end in CR LF; none is longer than the host takes or holds a
// control byte.
void CheckLines(std::string_view file) {
  Require(file.empty() || file.ends_with("\r\n"), "the last line is ended");
  std::size_t start = 0;
  while (start < file.size()) {
    const std::size_t end = file.find("\r\n", start);
    const std::string_view line = file.substr(start, end - start);
    Require(line.size() <= 255, "a line of at most 255 bytes");
    for (unsigned char c : line)
      Require(c >= 0x20, "no control byte in a line");
    start = end + 2;
  }
}

void RequireFinite(std::initializer_list<double> values) {
  for (double v : values) Require(std::isfinite(v), "a finite number");
}

void CheckTextFinite(const TJwwEntText& t) {
  RequireFinite({t.W, t.H, t.D, t.X, t.Y, t.DX, t.DY});
}

// Everything a writer can put out, as the reader took it back.
void CheckFinite(const ExchangeData& d) {
  RequireFinite({d.HostFreeW, d.HostFreeH, d.HostFreeD});
  for (std::size_t i = 0; i < d.Lines.Count(); ++i) {
    const TJwwEntLine& l = d.Lines[i];
    RequireFinite({l.X1, l.Y1, l.X2, l.Y2});
  }
  for (std::size_t i = 0; i < d.Texts.Count(); ++i) CheckTextFinite(d.Texts[i]);
  for (std::size_t i = 0; i < d.Points.Count(); ++i)
    RequireFinite({d.Points[i].X, d.Points[i].Y});
  for (std::size_t i = 0; i < d.PointsEx.Count(); ++i) {
    const TJwwEntPointEx& p = d.PointsEx[i];
    RequireFinite({p.X, p.Y, p.Value1, p.Value2});
  }
  for (std::size_t i = 0; i < d.Dims.Count(); ++i) {
    const TJwwEntDim& m = d.Dims[i];
    RequireFinite({m.Line.X1, m.Line.Y1, m.Line.X2, m.Line.Y2});
    CheckTextFinite(m.Text);
  }
}

// A drawn dimension reads back whole: one value, as a text beside its
// dimension line or as a dimension record that carries the line.
void CheckDrawn() {
  static ExchangeData back;
  back.Reset();
  ExchangeReader reader(back);
  Require(reader.ReadFile(InFolder(kExchangeFileName)), "the output reads");
  CheckFinite(back);
  const std::size_t values = back.Texts.Count() + back.Dims.Count();
  Require(values == 1, "a drawn dimension has one value");
  Require(back.Dims.Count() == 1 || back.Lines.Count() >= 1,
          "a drawn dimension has its line");
}

void CheckRun(const Files& input, const RunResult& run) {
  if (run.EndedBeforeDialog) {
    Require(run.Status == RunStatus::NotDrawn, "ended early: not drawn");
    Require(run.Written == input, "ended early: both files as they were");
    return;
  }
  CheckLines(run.Written.Host);
  if (run.Written.Settings != input.Settings && run.Written.Settings)
    CheckLines(*run.Written.Settings);
  switch (run.Status) {
    case RunStatus::Drawn:
      Require(run.Written.Host != kHostFileAlone, "drawn: more than hq");
      CheckDrawn();
      break;
    case RunStatus::NotDrawn:
      Require(run.Written.Host == kHostFileAlone, "not drawn: hq alone");
      break;
    case RunStatus::NotWrittenBack:
      Require(run.Written.Host == input.Host, "not written back: as it was");
      break;
  }
}

Files Split(std::string_view bytes) {
  const std::size_t mark = bytes.find(kSettingsMark);
  if (mark == std::string_view::npos) return {std::string(bytes), {}};
  return {std::string(bytes.substr(0, mark)),
          std::string(bytes.substr(mark + kSettingsMark.size()))};
}

}  // namespace
}  // namespace halvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  const Files input =
      Split(std::string_view(reinterpret_cast<const char*>(data), size));
  for (DimensionDirection direction : kDirections) {
    const std::optional<RunResult> first = RunOnce(input, direction);
    if (!first) return 0;
    CheckRun(input, *first);
    const std::optional<RunResult> second = RunOnce(input, direction);
    if (!second) return 0;
    Require(
        second->Status == first->Status && second->Written == first->Written,
        "a second run writes the same bytes");
  }
  return 0;
}
