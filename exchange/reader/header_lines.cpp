#include <array>
#include <string>
#include <utility>

#include "exchange/exchange_data.h"
#include "exchange/reader/line_rows.h"

namespace halvane {
namespace {

// Numbers 1..10 of a text-type line into one member of the ten types.
void StoreTextTypeNumbers(ExchangeData& d, const LineFields& f,
                          double TJwwTextType::*member) {
  auto& types = d.TextTypes;
  for (int i = 0; i < 10; ++i) types[i].*member = NumberOf(f, i + 1);
}

void StorePickedPoint(ExchangeData& d, std::string_view key,
                      const LineFields& f) {
  static constexpr std::pair<std::string_view, int32_t> kMarks[] = {
      {"-", 1}, {"ln", 2}, {"ci", 3}, {"ch", 4}};
  std::string_view number_text = FromChar(key, 3);
  int32_t kind = 0;
  for (const auto& [mark, mark_kind] : kMarks) {
    const std::size_t at = key.find(mark);
    if (at == std::string_view::npos) continue;
    number_text = key.substr(2, at - 2);  // after "hp", so at >= 2
    kind = mark_kind;
  }
  const int32_t number = ParseInt(number_text);
  if (number < 1 || number > 99) return;
  TJwwPickPoint& point = d.PickedPoints[number];
  point.Used = true;
  point.X = NumberOf(f, 1);
  point.Y = NumberOf(f, 2);
  point.Kind = kind;
  d.PickedCount = Incremented(d.PickedCount);
}

void StorePickRef(ReaderState& r, std::string_view key) {
  std::size_t length = key.size();
  for (std::string_view mark : {"ln", "ci", "ch"}) {
    const std::size_t at = key.find(mark);  // 0-based: 1-based p = at + 1
    if (at != std::string_view::npos && at + 1 > 4) length = at - 3;
  }
  r.CurPickRef = ParseInt(key.substr(3, length));
}

}  // namespace

void StoreHostFileName(ReaderState& r, std::string_view key) {
  r.Data.HostFileName.assign(FromChar(key, 6));
}

bool StoreHeaderLine(ReaderState& r, const LineFields& f) {
  ExchangeData& d = r.Data;
  const std::string_view key = f.Field(1);
  const int n = f.Count;
  if (key == "hk" && n >= 2) {
    d.DrawingAngle = NumberOf(f, 1);
  } else if (key == "hs" && n >= 17) {
    for (int i = 0; i < 16; ++i) d.GroupScale[i] = NumberOf(f, i + 1);
  } else if (key == "hzs" && n >= 3) {
    d.PaperWidth = NumberOf(f, 1);
    d.PaperHeight = NumberOf(f, 2);
  } else if (key == "hcw" && n >= 11) {
    StoreTextTypeNumbers(d, f, &TJwwTextType::W);
  } else if (key == "hch" && n >= 11) {
    StoreTextTypeNumbers(d, f, &TJwwTextType::H);
  } else if (key == "hcd" && n >= 11) {
    StoreTextTypeNumbers(d, f, &TJwwTextType::D);
  } else if (key == "hcc" && n >= 11) {
    for (int i = 0; i < 10; ++i) d.TextTypes[i].Color = IntegerField(f, i + 2);
  } else if (key == "hn" && n >= 5) {
    for (int i = 0; i < 4; ++i) d.HnValues[i] = NumberOf(f, i + 1);
  } else if (StartsWith(key, "hp") && n >= 3) {
    StorePickedPoint(d, key, f);
  } else if (StartsWith(key, "hhp")) {
    StorePickRef(r, key);
  } else {
    return false;
  }
  return true;
}

}  // namespace halvane
