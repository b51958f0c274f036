#include <string>
#include <utility>

#include "exchange/exchange_data.h"
#include "exchange/reader/entity_append.h"
#include "exchange/reader/line_rows.h"
#include "util/sjis_text.h"

namespace halvane {
namespace {

constexpr int kTextLimit = 255;

// At most 255 bytes, cut before a double-byte character that would not fit.
std::string LimitedText(std::string_view text) {
  if (text.size() <= kTextLimit) return std::string(text);
  int copied = 0;
  return SjisCopy(text, 1, kTextLimit, copied);
}

// "ch" 0, "cv" 1, "cs" 2, ... "c2" 9; -1 for any other key.
int32_t TextStyle(std::string_view key) {
  static constexpr std::string_view kSecond = "hvsroptkz2";
  if (key.size() != 2 || key[0] != 'c') return -1;
  const std::size_t at = kSecond.find(key[1]);
  return at == std::string_view::npos ? -1 : static_cast<int32_t>(at);
}

// Everything of a text but its head's other fields and its two strings.
void FillText(const ReaderState& r, TJwwEntText& text, const LineFields& f,
              int32_t style) {
  const CurrentAttributes& cur = r.Cur;
  text.Style = style;
  text.TextCode = cur.TextCode;
  text.TextType = cur.TextType;
  if (text.TextType >= 1 && text.TextType <= 10) {
    const TJwwTextType& type = r.Data.TextTypes[text.TextType - 1];
    text.W = type.W;
    text.H = type.H;
    text.D = type.D;
    text.Head.Color = type.Color;
  } else {
    text.W = cur.FreeW;
    text.H = cur.FreeH;
    text.D = cur.FreeD;
    text.Head.Color = cur.FreeColor;
  }
  text.X = NumberOf(f, 1);
  text.Y = NumberOf(f, 2);
  text.DX = NumberOf(f, 3);
  text.DY = NumberOf(f, 4);
}

void StoreText(ReaderState& r, const LineFields& f, int32_t style) {
  // The strings are made first, so a failed allocation stores nothing.
  std::string font_name = LimitedText(r.Cur.FontName);
  std::string body = LimitedText(f.Field(6));
  if (style == 2 && r.InDimension) {
    TJwwEntDim& dim = AppendEntity(r, r.Data.Dims, kKindDim);
    dim.Line = r.HeldDimLine;
    dim.Line.PolylineNo = 0;
    FillEntHead(r, dim.Text.Head);
    FillText(r, dim.Text, f, style);
    dim.Text.FontName = std::move(font_name);
    dim.Text.Text = std::move(body);
  } else {
    TJwwEntText& text = AppendEntity(r, r.Data.Texts, kKindText);
    FillText(r, text, f, style);
    text.FontName = std::move(font_name);
    text.Text = std::move(body);
  }
  EndEntity(r);
}

template <std::size_t N>
void StoreNumbers(double (&values)[N], const LineFields& f) {
  for (std::size_t i = 0; i < N; ++i) {
    values[i] = NumberOf(f, static_cast<int>(i) + 1);
  }
}

void StoreCircle(ReaderState& r, const LineFields& f) {
  StoreNumbers(AppendEntity(r, r.Data.Circles, kKindCircle).Values, f);
  EndEntity(r);
}

void StoreArc(ReaderState& r, const LineFields& f) {
  StoreNumbers(AppendEntity(r, r.Data.Arcs, kKindArc).Values, f);
  EndEntity(r);
}

// A point with its x and y, coloured with the point colour; "pt" lines of
// both lengths start alike.
template <class Record>
Record& StorePointStart(ReaderState& r, BlockTable<Record>& table, int32_t kind,
                        const LineFields& f) {
  Record& point = AppendEntity(r, table, kind);
  point.Head.Color = r.Cur.PointColor;
  point.X = NumberOf(f, 1);
  point.Y = NumberOf(f, 2);
  return point;
}

void StorePoint(ReaderState& r, const LineFields& f) {
  StorePointStart(r, r.Data.Points, kKindPoint, f);
  EndEntity(r);
}

void StorePointEx(ReaderState& r, const LineFields& f) {
  TJwwEntPointEx& point = StorePointStart(r, r.Data.PointsEx, kKindPointEx, f);
  point.Value1 = NumberOf(f, 3);
  point.Value2 = NumberOf(f, 4);
  point.Code = IntegerField(f, 6);
  EndEntity(r);
}

void StoreBlock(ReaderState& r, const LineFields& f) {
  std::string name(f.Field(4));
  TJwwEntBlk& block = AppendEntity(r, r.Data.Blocks, kKindBlock);
  block.X = NumberOf(f, 1);
  block.Y = NumberOf(f, 2);
  block.Name = std::move(name);
  EndEntity(r);
}

}  // namespace

void EndEntity(ReaderState& r) {
  r.CurZFlags = 0;
  r.CurPickRef = 0;
  r.InPolyline = false;
  r.InDimension = false;
}

bool StoreEntityLine(ReaderState& r, const LineFields& f) {
  const std::string_view key = f.Field(1);
  const int n = f.Count;
  if (key == "ci" && n == 4) {
    StoreCircle(r, f);
  } else if (key == "ci" && n >= 8) {
    StoreArc(r, f);
  } else if (const int32_t style = TextStyle(key); style >= 0 && n >= 6) {
    StoreText(r, f, style);
  } else if (key == "pt" && n == 3) {
    StorePoint(r, f);
  } else if (key == "pt" && n >= 6) {
    StorePointEx(r, f);
  } else if (key == "BL" && n >= 4) {
    StoreBlock(r, f);
  } else {
    return false;
  }
  return true;
}

void StoreSegment(ReaderState& r, const LineFields& f) {
  const double x1 = f.Number(1);
  const double y1 = f.Number(2);
  const double x2 = f.Number(3);
  const double y2 = f.Number(4);
  if (r.InDimension) {
    TJwwEntLine& held = r.HeldDimLine;  // taken by the next "cs" text
    held = TJwwEntLine{{}, 0, x1, y1, x2, y2};
    FillEntHead(r, held.Head);
  } else {
    const int32_t polyline_no = r.InPolyline ? r.PolylineNo : 0;
    AppendEntity(r, r.Data.Lines, kKindLine,
                 TJwwEntLine{{}, polyline_no, x1, y1, x2, y2});
  }
  r.CurZFlags = 0;
  r.CurPickRef = 0;
}

}  // namespace halvane
