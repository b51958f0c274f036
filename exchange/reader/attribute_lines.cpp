#include <string>

#include "exchange/exchange_data.h"
#include "exchange/reader/line_rows.h"

namespace halvane {
namespace {

// True once per kind: the first line of that kind gives the first-line value.
bool TakeFirst(ReaderState& r, FirstLineKind kind) {
  const bool first = !r.FirstSeen[kind];
  r.FirstSeen[kind] = true;
  return first;
}

// The third character of the key as a hexadecimal digit, else 0.
int32_t GroupDigit(std::string_view key) {
  if (key.size() < 3) return 0;
  const char c = key[2];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

// The number written right after the two-letter key ("lc3" gives 3).
int32_t KeyNumber(std::string_view key) { return ParseInt(FromChar(key, 3)); }

void StoreGroup(ReaderState& r, const LineFields& f) {
  ExchangeData& d = r.Data;
  const int32_t g = GroupDigit(f.Field(1));
  if (TakeFirst(r, kFirstGroup)) d.HostGroup = g;
  r.Cur.Group = g;
  if (f.Count >= 2) d.GroupValue[g] = IntegerField(f, 2);
}

void StoreLayer(ReaderState& r, const LineFields& f) {
  ExchangeData& d = r.Data;
  const int32_t l = GroupDigit(f.Field(1));
  if (TakeFirst(r, kFirstLayer)) d.HostLayer = l;
  r.Cur.Layer = l;
  if (f.Count >= 2) d.LayerValue[r.Cur.Group * 16 + l] = IntegerField(f, 2);
}

void StoreLineColor(ReaderState& r, const LineFields& f) {
  const int32_t v = KeyNumber(f.Field(1));
  if (TakeFirst(r, kFirstLineColor)) r.Data.HostLineColor = v;
  r.Cur.LineColor = v;
  if (v == 10 && f.Count >= 2) r.Cur.ExtColor = IntegerField(f, 2);
}

void StoreLineType(ReaderState& r, std::string_view key) {
  const int32_t t = KeyNumber(key);
  if (TakeFirst(r, kFirstLineType)) r.Data.HostLineType = t;
  r.Cur.LineType = t;
}

void StoreLineWidth(ReaderState& r, std::string_view key) {
  const int32_t w = KeyNumber(key);
  if (TakeFirst(r, kFirstLineWidth)) r.Data.HostLineWidth = w;
  r.Cur.LineWidth = w;
  r.Data.LineWidthGiven = true;
}

void StoreFontName(ReaderState& r, std::string_view key) {
  const std::string_view name = FromChar(key, 4);
  if (r.Data.HostFontName.empty()) r.Data.HostFontName.assign(name);
  r.Cur.FontName.assign(name);
}

void StoreTextType(ReaderState& r, const LineFields& f) {
  ExchangeData& d = r.Data;
  CurrentAttributes& cur = r.Cur;
  const int32_t t = KeyNumber(f.Field(1));
  const bool free_size = t == 0 && f.Count >= 5;
  if (TakeFirst(r, kFirstTextType)) {
    d.HostTextType = t;
    if (free_size) {
      d.HostFreeW = NumberOf(f, 1);
      d.HostFreeH = NumberOf(f, 2);
      d.HostFreeD = NumberOf(f, 3);
      d.HostFreeColor = IntegerField(f, 5);
    }
  }
  cur.TextType = t;
  if (free_size) {
    cur.FreeW = NumberOf(f, 1);
    cur.FreeH = NumberOf(f, 2);
    cur.FreeD = NumberOf(f, 3);
    cur.FreeColor = IntegerField(f, 5);
  }
}

void StoreTextCode(ReaderState& r, std::string_view key) {
  const char c = key.size() >= 3 ? key[2] : '\0';
  r.Cur.TextCode = c >= '0' && c <= '8' ? c - '0' : 0;
}

// Rows that end a polyline and leave the dimension state.
bool StoreAttribute(ReaderState& r, const LineFields& f) {
  const std::string_view key = f.Field(1);
  if (StartsWith(key, "lg")) {
    StoreGroup(r, f);
  } else if (StartsWith(key, "ly")) {
    StoreLayer(r, f);
  } else if (StartsWith(key, "lc")) {
    StoreLineColor(r, f);
  } else if (StartsWith(key, "lt")) {
    StoreLineType(r, key);
  } else if (StartsWith(key, "lw")) {
    StoreLineWidth(r, key);
  } else if (StartsWith(key, "cn$")) {
    StoreFontName(r, key);
  } else if (StartsWith(key, "cn")) {
    StoreTextType(r, f);
  } else if (StartsWith(key, "cc")) {
    StoreTextCode(r, key);
  } else {
    return false;
  }
  r.InPolyline = false;
  return true;
}

int32_t ZFlagBit(std::string_view key) {
  if (key.size() != 2 || key[0] != 'z' || key[1] < '1' || key[1] > '5') {
    return 0;
  }
  return 1 << (key[1] - '1');
}

}  // namespace

bool StoreAttributeLine(ReaderState& r, const LineFields& f) {
  ExchangeData& d = r.Data;
  const std::string_view key = f.Field(1);
  if (StartsWith(key, "lgn")) {
    d.GroupName[r.Cur.Group].assign(FromChar(key, 4));
  } else if (StartsWith(key, "lyn")) {
    d.LayerName[r.Cur.Group * 16 + r.Cur.Layer].assign(FromChar(key, 4));
  } else if (StoreAttribute(r, f)) {
    // stored
  } else if (const int32_t bit = ZFlagBit(key); bit != 0) {
    r.CurZFlags |= bit;
  } else if (StartsWith(key, "pn")) {
    r.Cur.PointColor = KeyNumber(key);
    r.InPolyline = false;
  } else if (key == "pl") {
    r.PolylineNo = Incremented(r.PolylineNo);
    r.InPolyline = true;
    r.InDimension = false;
  } else if (key == "msg") {
    r.InDimension = true;
    r.InPolyline = false;
  } else if (key == "#") {
    r.InPolyline = false;
    r.InDimension = false;
  } else {
    return false;
  }
  return true;
}

}  // namespace halvane
