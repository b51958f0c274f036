// The drawing is the file: every entity of a dimension's drawing comes back,
// in order and with its attributes, when the lines it writes are read, for
// every golden case and for thousands of generated runs.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <sstream>

#include "dimension/dimension_output.h"
#include "exchange/exchange_reader.h"
#include "exchange/output_buffer.h"
#include "form/form_options.h"
#include "host_file.h"

namespace halvane {
namespace {

namespace fs = std::filesystem;

// The file holds 15 significant digits.
bool Same(double drawn, double read) {
  return drawn == read ||
         std::fabs(drawn - read) <=
             1e-14 * std::max(std::fabs(drawn), std::fabs(read));
}
bool Same(Point drawn, double x, double y) {
  return Same(drawn.x, x) && Same(drawn.y, y);
}
bool Same(const Segment& s, const TJwwEntLine& l) {
  return Same(s.From, l.X1, l.Y1) && Same(s.To, l.X2, l.Y2);
}

bool SameHead(const DrawingAttributes& with, const TJwwEntHead& head) {
  return with.Group == head.Group && with.Layer == head.Layer &&
         with.LineType == head.LineType && with.LineWidth == head.LineWidth;
}

bool Same(const TextFrame& frame, const ValueLabel& label,
          const DrawingAttributes& with, const TJwwEntText& t) {
  return SameHead(with, t.Head) && t.Style == 2 && t.TextCode == 0 &&
         t.TextType == frame.Type && Same(t.W, frame.W) && Same(t.H, frame.H) &&
         Same(t.D, frame.D) && t.Head.Color == frame.Color &&
         t.FontName == with.FontName && t.Text == label.Text &&
         Same(label.Position, t.X, t.Y) && Same(label.Direction, t.DX, t.DY);
}

// The writers leave out a segment whose ends lie within 1e-8 of each other.
bool Written(const DrawnShape& shape) {
  const auto* s = std::get_if<DrawnSegment>(&shape);
  return !s || std::fabs(s->Line.To.x - s->Line.From.x) >= 1e-8 ||
         std::fabs(s->Line.To.y - s->Line.From.y) >= 1e-8;
}

// Empty when `back` holds the drawing's entities and nothing else.
std::string Difference(const DimensionDrawing& drawing,
                       const ExchangeData& back) {
  std::size_t at = 0;
  for (const DrawingEntity& e : drawing.Entities) {
    if (!Written(e.Shape)) continue;
    if (at == back.EntityOrder.Count()) return "an entity is missing";
    const TJwwOrderItem item = back.EntityOrder[at];
    const DrawingAttributes& with = e.With;
    bool same = false;
    if (const auto* s = std::get_if<DrawnSegment>(&e.Shape)) {
      const TJwwEntLine& l = back.Lines[item.Index];
      same = item.Kind == kKindLine && SameHead(with, l.Head) &&
             l.Head.Color == with.LineColor && Same(s->Line, l);
    } else if (const auto* t = std::get_if<DrawnText>(&e.Shape)) {
      same = item.Kind == kKindText &&
             Same(t->Frame, t->Label, with, back.Texts[item.Index]);
    } else if (const auto* g = std::get_if<DrawnGlyph>(&e.Shape)) {
      const TJwwEntPointEx& p = back.PointsEx[item.Index];
      same = item.Kind == kKindPointEx && SameHead(with, p.Head) &&
             p.Head.Color == with.LineColor &&
             p.Code == static_cast<int32_t>(g->Kind) && Same(g->At, p.X, p.Y) &&
             Same(g->Size, p.Value1) && Same(g->Angle, p.Value2);
    } else if (const auto* f = std::get_if<DrawnFigure>(&e.Shape)) {
      const TJwwEntDim& d = back.Dims[item.Index];
      same = item.Kind == kKindDim && SameHead(with, d.Line.Head) &&
             d.Line.Head.Color == with.LineColor && Same(f->Line, d.Line) &&
             Same(f->Frame, f->Label, with, d.Text);
    }
    if (!same) return "entity " + std::to_string(at) + " differs";
    ++at;
  }
  if (at != back.EntityOrder.Count()) return "an entity too many";
  return {};
}

// Writes the drawing to `file` and reads it back after the host's lines, as
// the host does with the file it handed over.
std::string WriteAndCompare(const std::vector<std::string>& host_lines,
                            const ExchangeData& input,
                            const DimensionDrawing& drawing,
                            const fs::path& file) {
  ExchangeOutput out{input};
  WriteDrawing(out, drawing);
  if (!WriteOutputFile(out, file.native())) return "not written";
  ExchangeData back;
  ExchangeReader reader(back);
  for (const std::string& line : host_lines) reader.ParseLine(line);
  back.EntityOrder.Clear();
  // Line by line after the host's lines: reading a whole file starts afresh.
  for (const std::string& line : test::SplitCrLf(test::ReadBytes(file)))
    reader.ParseLine(line);
  return Difference(drawing, back);
}

// The golden host files end their lines with CR LF or LF alone.
std::vector<std::string> HostLines(const fs::path& file) {
  std::vector<std::string> lines;
  std::istringstream in(test::ReadBytes(file));
  for (std::string line; std::getline(in, line);) {
    if (line.ends_with('\r')) line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> GoldenCases() {
  std::vector<std::string> cases;
  const fs::path root = fs::path(HALVANE_TEST_DATA) / "golden";
  for (const auto& entry : fs::directory_iterator(root)) {
    if (fs::exists(entry.path() / "expected.txt")) {
      cases.push_back(entry.path().filename().string());
    }
  }
  return cases;
}

TEST(DrawingFileTest, EveryGoldenCase) {
  int drawn = 0;
  for (const std::string& name : GoldenCases()) {
    const fs::path source = fs::path(HALVANE_TEST_DATA) / "golden" / name;
    test::TempFolder folder;
    fs::copy_file(source / "JWC_TEMP.TXT", folder.Path() / "JWC_TEMP.TXT");
    fs::copy_file(source / "t517.dat", folder.Path() / "t517.dat");
    TForm1 form;
    HeadlessToolkit toolkit(form, folder.Path() / "halvane-run");
    form.FormShow();
    if (fs::exists(source / "direction.txt")) {
      const bool vertical =
          test::ReadBytes(source / "direction.txt").starts_with("vertical");
      form.Direction =
          vertical ? DimensionDirection::Vertical : DimensionDirection::Aligned;
    }
    DimensionOptions options;
    ASSERT_FALSE(ReadDimensionOptions(form, options)) << name;
    const ExchangeData& input = form.Run().Input;
    const auto result =
        DrawDimension(PickedDimensionPoints(input), options, input);
    const std::string expected = test::ReadBytes(source / "expected.txt");
    if (!std::holds_alternative<DimensionDrawing>(result)) {
      EXPECT_EQ(expected, "hq\r\n") << name;
      continue;
    }
    ++drawn;
    const fs::path file = folder.Path() / "drawn.txt";
    EXPECT_EQ(WriteAndCompare(HostLines(source / "JWC_TEMP.TXT"), input,
                              std::get<DimensionDrawing>(result), file),
              "")
        << name;
    EXPECT_EQ(test::ReadBytes(file), expected) << name;
    form.CancelClick();
  }
  EXPECT_GE(drawn, 25);
}

// Random hosts and options: points from near the origin to 1e9, any axis
// angle, scales, attributes, text types, markers, directions and distances.
class RunGenerator {
 public:
  test::HostInput Host() {
    test::HostInput host;
    const double size = std::pow(10.0, Uniform(0, 9));
    const auto any = [&] {
      return Point{Uniform(-size, size), Uniform(-size, size)};
    };
    host.Points = {any(), any(), any(), Pick(6) == 0 ? host.Points[0] : any()};
    if (Pick(6) == 0) host.Points[3] = host.Points[0];
    host.Angle = Pick(3) == 0 ? 90.0 * Pick(5) : Uniform(-1e3, 1e3);
    host.Scale = std::pow(10.0, Uniform(-2, 4));
    const char* hex = "0123456789ABCDEF";
    host.Attributes = {
        std::string("lg") + hex[Pick(16)], std::string("ly") + hex[Pick(16)],
        "lc" + std::to_string(1 + Pick(9)), "lt" + std::to_string(1 + Pick(9))};
    if (Pick(2)) host.Attributes.push_back("lw" + std::to_string(Pick(30)));
    host.Attributes.push_back(Pick(3) ? "cn" + std::to_string(1 + Pick(10))
                                      : "cn0 2.5 4 0.5 " +
                                            std::to_string(1 + Pick(9)));
    if (Pick(2))
      host.Attributes.push_back("cn\"$Font" + std::to_string(Pick(3)));
    return host;
  }

  DimensionOptions Options() {
    DimensionOptions o;
    o.Direction = static_cast<DimensionDirection>(Pick(3));
    o.StartKind = static_cast<MarkerKind>(Pick(12));
    o.EndKind = static_cast<MarkerKind>(Pick(12));
    o.MarkerScale = Uniform(0.1, 100);
    o.ArrowLength = Uniform(0.5, 20);
    o.ArrowAngle = Uniform(1, 179);
    o.TextTypeChoice = Pick(11);
    o.Decimals = Pick(9);
    o.AsFigure = Pick(2) == 0;
    o.FullWidth = Pick(4) == 0;
    o.ValueDistance = Uniform(-5, 5);
    o.ExtensionGap = Pick(4) * 1.5;
    o.ExtensionOvershoot = Pick(4) * 1.5;
    o.ReverseOvershoot = Pick(3) * 2.0;
    return o;
  }

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  int Pick(int count) { return static_cast<int>(random_() % count); }

  std::mt19937_64 random_{20261210};
};

TEST(DrawingFileTest, GeneratedRuns) {
  RunGenerator generate;
  test::TempFolder folder;
  int drawn = 0;
  constexpr int kRuns = 3000;
  for (int i = 0; i < kRuns; ++i) {
    const test::HostInput host = generate.Host();
    const std::vector<std::string> lines =
        test::SplitCrLf(test::HostFile(host));
    ExchangeData input;
    ExchangeReader reader(input);
    for (const std::string& line : lines) reader.ParseLine(line);
    const DimensionOptions options = generate.Options();
    const auto result =
        DrawDimension(PickedDimensionPoints(input), options, input);
    if (const auto* drawing = std::get_if<DimensionDrawing>(&result)) {
      ++drawn;
      ASSERT_EQ(
          WriteAndCompare(lines, input, *drawing, folder.Path() / "drawn.txt"),
          "")
          << "run " << i << "\n"
          << test::HostFile(host);
    }
  }
  EXPECT_GT(drawn, kRuns * 8 / 10);
}

}  // namespace
}  // namespace halvane
