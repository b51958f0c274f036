#include "tools/host_standin/svg_picture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "tools/host_standin/point_shapes.h"
#include "util/sjis_text.h"
#include "util/text_encoding.h"

namespace halvane {
namespace {

constexpr double kMaxWidth = 1100;  // drawing area, pixels
constexpr double kMaxHeight = 800;
constexpr double kPad = 70;
constexpr double kMinWidth = 900;  // room for the caption under tall drawings
constexpr double kCaption = 48;
constexpr char kFonts[] =
    "IPAGothic, 'IPA Gothic', 'MS Gothic', 'Noto Sans CJK JP', monospace";

struct Style {
  int Color = 2;
  int LineType = 1;
};

struct Stroke {
  std::vector<Point> Points;  // drawing units
  bool Closed = false;
  bool Filled = false;
  Style Look;
};

struct Glyph {
  std::string Utf8;
  double Offset;  // along the text, drawing units
};

struct TextRun {
  Point At;
  double AngleDeg;
  double Width;   // of a full-width character, drawing units
  double Height;  // drawing units
  std::vector<Glyph> Glyphs;
  int Color;
};

std::string Num(double v) {
  char buffer[64];
  if (std::fabs(v) < 0.005) v = 0;  // no "-0.00"
  auto r = std::to_chars(buffer, buffer + sizeof buffer, v,
                         std::chars_format::fixed, 2);
  std::string s(buffer, r.ptr);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        // Control bytes are not allowed in XML.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

// Colour numbers 1..9 of the host, on a white sheet.
const char* ColorOf(int n) {
  static constexpr const char* kColors[10] = {
      "#000000", "#0090b0", "#000000", "#00a000", "#b08c00",
      "#c000c0", "#0000d0", "#007878", "#d00000", "#808080"};
  return n >= 0 && n <= 9 ? kColors[n] : "#606060";
}

const char* DashOf(int line_type) {
  switch (line_type) {
    case 2:
      return "9 4";
    case 3:
      return "5 3";
    case 4:
      return "1.5 3";
    case 5:
      return "12 3 2 3";
    case 6:
      return "12 3 2 3 2 3";
    case 7:
      return "12 3 2 3 2 3 2 3";
    case 8:
      return "14 4 6 4";
    case 9:
      return "6 2";
    default:
      return nullptr;
  }
}

bool Finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

class Scene {
 public:
  explicit Scene(const ExchangeData& d) : d_(d) {}

  void Add(const TJwwOrderItem& item, PictureCounts& counts) {
    switch (item.Kind) {
      case kKindLine: {
        const TJwwEntLine& l = d_.Lines[item.Index];
        AddLine(l, l.Head.Color);
        break;
      }
      case kKindCircle: {
        const TJwwEntCircle& c = d_.Circles[item.Index];
        AddCircle(c);
        break;
      }
      case kKindText:
        AddText(d_.Texts[item.Index]);
        break;
      case kKindPoint: {
        const TJwwEntPoint& p = d_.Points[item.Index];
        AddGlyph(0, {p.X, p.Y}, 1, 0, p.Head);
        break;
      }
      case kKindPointEx: {
        const TJwwEntPointEx& p = d_.PointsEx[item.Index];
        AddGlyph(p.Code, {p.X, p.Y}, p.Value1, p.Value2, p.Head);
        break;
      }
      case kKindDim: {
        const TJwwEntDim& dim = d_.Dims[item.Index];
        AddLine(dim.Line, dim.Head.Color);
        AddText(dim.Text);
        break;
      }
      default:
        ++counts.Skipped;
        return;
    }
    ++counts.Drawn;
  }

  std::vector<Stroke> Strokes;
  std::vector<TextRun> Texts;

 private:
  double ScaleOf(const TJwwEntHead& head) const {
    int g = head.Group >= 0 && head.Group < 16 ? head.Group : 0;
    double s = d_.GroupScale[g];
    return std::isfinite(s) && s > 0 ? s : 1.0;
  }

  void AddLine(const TJwwEntLine& l, int color) {
    Strokes.push_back(
        {{{l.X1, l.Y1}, {l.X2, l.Y2}}, false, false, {color, l.Head.LineType}});
  }

  void AddCircle(const TJwwEntCircle& c) {
    Stroke s{{}, true, false, {c.Head.Color, c.Head.LineType}};
    constexpr int kSteps = 96;
    for (int i = 0; i < kSteps; ++i) {
      double t = 2 * std::numbers::pi * i / kSteps;
      s.Points.push_back({c.Values[0] + c.Values[2] * std::cos(t),
                          c.Values[1] + c.Values[2] * std::sin(t)});
    }
    Strokes.push_back(std::move(s));
  }

  void AddGlyph(int code, Point at, double factor, double angle_deg,
                const TJwwEntHead& head) {
    double size = factor * ScaleOf(head);
    double a = angle_deg * std::numbers::pi / 180;
    double c = std::cos(a), s = std::sin(a);
    for (const GlyphOutline& g : GlyphShape(code)) {
      Stroke out{{}, g.Closed, g.Filled, {head.Color, 1}};
      for (Point p : g.Points) {
        out.Points.push_back({at.x + size * (p.x * c - p.y * s),
                              at.y + size * (p.x * s + p.y * c)});
      }
      Strokes.push_back(std::move(out));
    }
  }

  void AddText(const TJwwEntText& t) {
    double scale = ScaleOf(t.Head);
    TextRun run{{t.X, t.Y},  std::atan2(t.DY, t.DX) * 180 / std::numbers::pi,
                t.W * scale, t.H * scale,
                {},          t.Head.Color};
    if (!(run.Height > 0) || !(run.Width > 0)) return;
    double offset = 0;
    const std::string& text = t.Text;
    for (std::size_t i = 0; i < text.size();) {
      bool wide = IsLeadByte(static_cast<unsigned char>(text[i])) &&
                  i + 1 < text.size();
      std::size_t n = wide ? 2 : 1;
      std::string_view ch(text.data() + i, n);
      i += n;
      if (ch != " " && ch != "\x81\x40")
        run.Glyphs.push_back({SjisToUtf8(ch), offset});
      offset += (t.W + t.D) * scale * (wide ? 1 : 0.5);
    }
    Texts.push_back(std::move(run));
  }

  const ExchangeData& d_;
};

struct Bounds {
  double MinX = INFINITY, MinY = INFINITY, MaxX = -INFINITY, MaxY = -INFINITY;
  void Add(Point p) {
    if (!Finite(p)) return;
    MinX = std::min(MinX, p.x);
    MaxX = std::max(MaxX, p.x);
    MinY = std::min(MinY, p.y);
    MaxY = std::max(MaxY, p.y);
  }
  bool Empty() const { return MinX > MaxX; }
};

Point Along(const TextRun& t, double along, double up) {
  double a = t.AngleDeg * std::numbers::pi / 180;
  return {t.At.x + along * std::cos(a) - up * std::sin(a),
          t.At.y + along * std::sin(a) + up * std::cos(a)};
}

class Canvas {
 public:
  Canvas(const Bounds& b) {
    double w = std::max(b.MaxX - b.MinX, 1e-9);
    double h = std::max(b.MaxY - b.MinY, 1e-9);
    k_ = std::min(kMaxWidth / w, kMaxHeight / h);
    min_x_ = b.MinX;
    max_y_ = b.MaxY;
    left_ = std::max(kPad, (kMinWidth - w * k_) / 2);
    width_ = w * k_ + 2 * left_;
    height_ = h * k_ + 2 * kPad + kCaption;
  }
  double X(double x) const { return left_ + (x - min_x_) * k_; }
  double Y(double y) const { return kPad + (max_y_ - y) * k_; }
  double K() const { return k_; }
  double Width() const { return width_; }
  double Height() const { return height_; }

 private:
  double k_, min_x_, max_y_, left_, width_, height_;
};

void WriteStroke(std::string& out, const Canvas& c, const Stroke& s) {
  std::vector<Point> points;
  for (Point p : s.Points)
    if (Finite(p)) points.push_back(p);
  if (points.size() < 2) return;
  out += s.Closed ? "<polygon points=\"" : "<polyline points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i) out += ' ';
    out += Num(c.X(points[i].x)) + ',' + Num(c.Y(points[i].y));
  }
  const char* color = ColorOf(s.Look.Color);
  out += std::string("\" stroke=\"") + color + '"';
  if (s.Filled) out += std::string(" fill=\"") + color + '"';
  if (const char* dash = DashOf(s.Look.LineType))
    out += std::string(" stroke-dasharray=\"") + dash + '"';
  out += "/>\n";
}

void WriteText(std::string& out, const Canvas& c, const TextRun& t) {
  if (!Finite(t.At) || !std::isfinite(t.AngleDeg)) return;
  double h = t.Height * c.K();
  double sx = t.Width / t.Height;
  out += "<g transform=\"translate(" + Num(c.X(t.At.x)) + ' ' +
         Num(c.Y(t.At.y)) + ") rotate(" + Num(-t.AngleDeg) + ")\" fill=\"" +
         ColorOf(t.Color) + "\" font-size=\"" + Num(h) + "\">\n";
  for (const Glyph& g : t.Glyphs) {
    out += "<text transform=\"translate(" + Num(g.Offset * c.K()) +
           " 0) scale(" + Num(sx) + " 1)\">" + Escape(g.Utf8) + "</text>\n";
  }
  out += "</g>\n";
}

void WriteMark(std::string& out, const Canvas& c, const PickedMark& m) {
  double x = c.X(m.X), y = c.Y(m.Y);
  out += "<g stroke=\"#e03000\" fill=\"none\"><circle cx=\"" + Num(x) +
         "\" cy=\"" + Num(y) + "\" r=\"5\"/><line x1=\"" + Num(x - 9) +
         "\" y1=\"" + Num(y) + "\" x2=\"" + Num(x + 9) + "\" y2=\"" + Num(y) +
         "\"/><line x1=\"" + Num(x) + "\" y1=\"" + Num(y - 9) + "\" x2=\"" +
         Num(x) + "\" y2=\"" + Num(y + 9) + "\"/></g>\n";
  out += "<text x=\"" + Num(x + 8) + "\" y=\"" + Num(y + 20) +
         "\" fill=\"#e03000\" font-size=\"13\">" +
         Escape(std::to_string(m.Number) + " " + m.Label) + "</text>\n";
}

}  // namespace

std::string RenderSvg(const ExchangeData* drawing, const PictureNotes& notes,
                      PictureCounts* counts_out) {
  PictureCounts counts;
  std::vector<Stroke> strokes;
  std::vector<TextRun> texts;
  if (drawing) {
    Scene scene(*drawing);
    for (std::size_t i = 0; i < drawing->EntityOrder.Count(); ++i)
      scene.Add(drawing->EntityOrder[i], counts);
    strokes = std::move(scene.Strokes);
    texts = std::move(scene.Texts);
  }
  Bounds b;
  for (const Stroke& s : strokes)
    for (Point p : s.Points) b.Add(p);
  for (const TextRun& t : texts) {
    double length = t.Glyphs.empty() ? 0 : t.Glyphs.back().Offset + t.Width;
    b.Add(t.At);
    b.Add(Along(t, length, 0));
    b.Add(Along(t, 0, t.Height));
    b.Add(Along(t, length, t.Height));
  }
  for (const PickedMark& m : notes.Picked) b.Add({m.X, m.Y});
  if (b.Empty()) b.Add({0, 0});
  // Never zoom into a single point or a flat line.
  double span = std::max(b.MaxX - b.MinX, b.MaxY - b.MinY);
  if (span <= 0) span = 10;
  double min_span = span / 4;
  if (b.MaxX - b.MinX < min_span) {
    double mid = (b.MinX + b.MaxX) / 2;
    b.MinX = mid - min_span / 2;
    b.MaxX = mid + min_span / 2;
  }
  if (b.MaxY - b.MinY < min_span) {
    double mid = (b.MinY + b.MaxY) / 2;
    b.MinY = mid - min_span / 2;
    b.MaxY = mid + min_span / 2;
  }
  Canvas c(b);

  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         Num(std::ceil(c.Width())) + "\" height=\"" +
         Num(std::ceil(c.Height())) + "\" viewBox=\"0 0 " +
         Num(std::ceil(c.Width())) + ' ' + Num(std::ceil(c.Height())) +
         "\" font-family=\"" + kFonts + "\">\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  out +=
      "<g fill=\"none\" stroke-width=\"1.3\" stroke-linecap=\"round\" "
      "stroke-linejoin=\"round\">\n";
  for (const Stroke& s : strokes) WriteStroke(out, c, s);
  out += "</g>\n";
  for (const TextRun& t : texts) WriteText(out, c, t);
  for (const PickedMark& m : notes.Picked) WriteMark(out, c, m);
  double y = c.Height() - kCaption + 18;
  out += "<text x=\"12\" y=\"" + Num(y) +
         "\" font-size=\"15\" fill=\"#303030\">" + Escape(notes.Title) +
         "</text>\n";
  std::string status = notes.Status;
  if (drawing)
    status += "  " + std::to_string(counts.Drawn) +
              " \xe8\xa6\x81\xe7\xb4\xa0";  // 要素
  if (counts.Skipped)
    status += "  (" + std::to_string(counts.Skipped) + " not drawn)";
  out += "<text x=\"12\" y=\"" + Num(y + 20) +
         "\" font-size=\"13\" fill=\"#606060\">" + Escape(status) +
         "</text>\n</svg>\n";
  if (counts_out) *counts_out = counts;
  return out;
}

}  // namespace halvane
