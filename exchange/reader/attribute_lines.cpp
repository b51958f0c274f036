#include <string>

#include "exchange/exchange_data.h"
#include "exchange/reader/line_rows.h"

namespace halvane {
namespace {

// True once per kind: the first line of that kind gives the first-line value.
bool TakeFirst(ForceFlag marker) {
  bool& unread = Exchange().Force[marker];
  const bool first = unread;
  unread = false;
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

void StoreGroup(const LineFields& f) {
  ExchangeData& d = Exchange();
  const int32_t g = GroupDigit(f.Field(1));
  if (TakeFirst(kForceGroup)) d.HostGroup = g;
  d.CurGroup = g;
  if (f.Count >= 2) d.GroupValue[g] = IntegerField(f, 2);
}

void StoreLayer(const LineFields& f) {
  ExchangeData& d = Exchange();
  const int32_t l = GroupDigit(f.Field(1));
  if (TakeFirst(kForceLayer)) d.HostLayer = l;
  d.CurLayer = l;
  if (f.Count >= 2) d.LayerValue[d.CurGroup * 16 + l] = IntegerField(f, 2);
}

void StoreLineColor(const LineFields& f) {
  ExchangeData& d = Exchange();
  const int32_t v = KeyNumber(f.Field(1));
  if (TakeFirst(kForceLineColor)) d.HostLineColor = v;
  d.CurLineColor = v;
  if (v == 10 && f.Count >= 2) d.CurExtColor = IntegerField(f, 2);
}

void StoreLineType(std::string_view key) {
  ExchangeData& d = Exchange();
  const int32_t t = KeyNumber(key);
  if (TakeFirst(kForceLineType)) d.HostLineType = t;
  d.CurLineType = t;
}

void StoreLineWidth(std::string_view key) {
  ExchangeData& d = Exchange();
  const int32_t w = KeyNumber(key);
  if (TakeFirst(kForceLineWidth)) d.HostLineWidth = w;
  d.CurLineWidth = w;
  d.LineWidthGiven = true;
}

void StoreFontName(std::string_view key) {
  ExchangeData& d = Exchange();
  const std::string_view name = FromChar(key, 4);
  if (d.HostFontName.empty()) d.HostFontName.assign(name);
  d.CurFontName.assign(name);
}

void StoreTextType(const LineFields& f) {
  ExchangeData& d = Exchange();
  const int32_t t = KeyNumber(f.Field(1));
  const bool free_size = t == 0 && f.Count >= 5;
  if (TakeFirst(kForceTextType)) {
    d.HostTextType = t;
    if (free_size) {
      d.HostFreeW = NumberOf(f, 1);
      d.HostFreeH = NumberOf(f, 2);
      d.HostFreeD = NumberOf(f, 3);
      d.HostFreeColor = IntegerField(f, 5);
    }
  }
  d.CurTextType = t;
  if (free_size) {
    d.CurFreeW = NumberOf(f, 1);
    d.CurFreeH = NumberOf(f, 2);
    d.CurFreeD = NumberOf(f, 3);
    d.CurFreeColor = IntegerField(f, 5);
  }
}

void StoreTextCode(std::string_view key) {
  const char c = key.size() >= 3 ? key[2] : '\0';
  Exchange().CurTextCode = c >= '0' && c <= '8' ? c - '0' : 0;
}

// Rows that end a polyline and leave the dimension state.
bool StoreAttribute(const LineFields& f) {
  const std::string_view key = f.Field(1);
  if (StartsWith(key, "lg")) {
    StoreGroup(f);
  } else if (StartsWith(key, "ly")) {
    StoreLayer(f);
  } else if (StartsWith(key, "lc")) {
    StoreLineColor(f);
  } else if (StartsWith(key, "lt")) {
    StoreLineType(key);
  } else if (StartsWith(key, "lw")) {
    StoreLineWidth(key);
  } else if (StartsWith(key, "cn$")) {
    StoreFontName(key);
  } else if (StartsWith(key, "cn")) {
    StoreTextType(f);
  } else if (StartsWith(key, "cc")) {
    StoreTextCode(key);
  } else {
    return false;
  }
  Exchange().InPolyline = false;
  return true;
}

int32_t ZFlagBit(std::string_view key) {
  if (key.size() != 2 || key[0] != 'z' || key[1] < '1' || key[1] > '5') {
    return 0;
  }
  return 1 << (key[1] - '1');
}

}  // namespace

bool StoreAttributeLine(const LineFields& f) {
  ExchangeData& d = Exchange();
  const std::string_view key = f.Field(1);
  if (StartsWith(key, "lgn")) {
    d.GroupName[d.CurGroup].assign(FromChar(key, 4));
  } else if (StartsWith(key, "lyn")) {
    d.LayerName[d.CurGroup * 16 + d.CurLayer].assign(FromChar(key, 4));
  } else if (StoreAttribute(f)) {
    // stored
  } else if (const int32_t bit = ZFlagBit(key); bit != 0) {
    d.CurZFlags |= bit;
  } else if (StartsWith(key, "pn")) {
    d.CurPointColor = KeyNumber(key);
    d.InPolyline = false;
  } else if (key == "pl") {
    d.PolylineNo = Incremented(d.PolylineNo);
    d.InPolyline = true;
    d.InDimension = false;
  } else if (key == "msg") {
    d.InDimension = true;
    d.InPolyline = false;
  } else if (key == "#") {
    d.InPolyline = false;
    d.InDimension = false;
  } else {
    return false;
  }
  return true;
}

}  // namespace halvane
