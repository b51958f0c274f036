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
void FillText(TJwwEntText& text, const LineFields& f, int32_t style) {
  const ExchangeData& d = Exchange();
  text.Style = style;
  text.TextCode = d.CurTextCode;
  text.TextType = d.CurTextType;
  if (text.TextType >= 1 && text.TextType <= 10) {
    const TJwwTextType& type = d.TextTypes[text.TextType - 1];
    text.W = type.W;
    text.H = type.H;
    text.D = type.D;
    text.Head.Color = type.Color;
  } else {
    text.W = d.CurFreeW;
    text.H = d.CurFreeH;
    text.D = d.CurFreeD;
    text.Head.Color = d.CurFreeColor;
  }
  text.X = NumberOf(f, 1);
  text.Y = NumberOf(f, 2);
  text.DX = NumberOf(f, 3);
  text.DY = NumberOf(f, 4);
}

void StoreText(const LineFields& f, int32_t style) {
  ExchangeData& d = Exchange();
  // The strings are made first, so a failed allocation stores nothing.
  std::string font_name = LimitedText(d.CurFontName);
  std::string body = LimitedText(f.Field(6));
  if (style == 2 && d.InDimension) {
    TJwwEntDim& dim = AppendEntity(d.Dims, kKindDim);
    dim.Line = d.HeldDimLine;
    dim.Line.PolylineNo = 0;
    FillEntHead(dim.Text.Head);
    FillText(dim.Text, f, style);
    dim.Text.FontName = std::move(font_name);
    dim.Text.Text = std::move(body);
  } else {
    TJwwEntText& text = AppendEntity(d.Texts, kKindText);
    FillText(text, f, style);
    text.FontName = std::move(font_name);
    text.Text = std::move(body);
  }
  EndEntity();
}

template <std::size_t N>
void StoreNumbers(double (&values)[N], const LineFields& f) {
  for (std::size_t i = 0; i < N; ++i) {
    values[i] = NumberOf(f, static_cast<int>(i) + 1);
  }
}

void StoreCircle(const LineFields& f) {
  StoreNumbers(AppendEntity(Exchange().Circles, kKindCircle).Values, f);
  EndEntity();
}

void StoreArc(const LineFields& f) {
  StoreNumbers(AppendEntity(Exchange().Arcs, kKindArc).Values, f);
  EndEntity();
}

void StorePoint(const LineFields& f) {
  ExchangeData& d = Exchange();
  TJwwEntPoint& point = AppendEntity(d.Points, kKindPoint);
  point.Head.Color = d.CurPointColor;
  point.X = NumberOf(f, 1);
  point.Y = NumberOf(f, 2);
  EndEntity();
}

void StorePointEx(const LineFields& f) {
  ExchangeData& d = Exchange();
  TJwwEntPointEx& point = AppendEntity(d.PointsEx, kKindPointEx);
  point.Head.Color = d.CurPointColor;
  point.X = NumberOf(f, 1);
  point.Y = NumberOf(f, 2);
  point.Value1 = NumberOf(f, 3);
  point.Value2 = NumberOf(f, 4);
  point.Code = IntegerField(f, 6);
  EndEntity();
}

void StoreBlock(const LineFields& f) {
  ExchangeData& d = Exchange();
  std::string name(f.Field(4));
  TJwwEntBlk& block = AppendEntity(d.Blocks, kKindBlock);
  block.X = NumberOf(f, 1);
  block.Y = NumberOf(f, 2);
  block.Name = std::move(name);
  EndEntity();
}

}  // namespace

void EndEntity() {
  ExchangeData& d = Exchange();
  d.CurZFlags = 0;
  d.CurPickRef = 0;
  d.InPolyline = false;
  d.InDimension = false;
}

bool StoreEntityLine(const LineFields& f) {
  const std::string_view key = f.Field(1);
  const int n = f.Count;
  if (key == "ci" && n == 4) {
    StoreCircle(f);
  } else if (key == "ci" && n >= 8) {
    StoreArc(f);
  } else if (const int32_t style = TextStyle(key); style >= 0 && n >= 6) {
    StoreText(f, style);
  } else if (key == "pt" && n == 3) {
    StorePoint(f);
  } else if (key == "pt" && n >= 6) {
    StorePointEx(f);
  } else if (key == "BL" && n >= 4) {
    StoreBlock(f);
  } else {
    return false;
  }
  return true;
}

void StoreSegment(const LineFields& f) {
  ExchangeData& d = Exchange();
  const double x1 = f.Number(1);
  const double y1 = f.Number(2);
  const double x2 = f.Number(3);
  const double y2 = f.Number(4);
  if (d.InDimension) {
    TJwwEntLine& held = d.HeldDimLine;  // taken by the next "cs" text
    held = TJwwEntLine{{}, 0, x1, y1, x2, y2};
    FillEntHead(held.Head);
  } else {
    const int32_t polyline_no = d.InPolyline ? d.PolylineNo : 0;
    AppendEntity(d.Lines, kKindLine,
                 TJwwEntLine{{}, polyline_no, x1, y1, x2, y2});
  }
  d.CurZFlags = 0;
  d.CurPickRef = 0;
}

}  // namespace halvane
