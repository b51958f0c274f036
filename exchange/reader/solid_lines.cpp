#include <cmath>

#include "exchange/exchange_data.h"
#include "exchange/reader/entity_append.h"
#include "exchange/reader/line_rows.h"

namespace halvane {
namespace {

struct Corner {
  double X, Y;
};

bool Same(Corner a, Corner b) {
  return std::fabs(a.X - b.X) <= 1e-10 && std::fabs(a.Y - b.Y) <= 1e-10;
}

// Corner i (1-based) from numbers 2i-1 and 2i.
Corner CornerOf(const LineFields& f, int i) {
  return {NumberOf(f, 2 * i - 1), NumberOf(f, 2 * i)};
}

template <class Record>
Record& AppendSolid(ReaderState& r, BlockTable<Record>& table, int32_t kind) {
  Record& solid = AppendEntity(r, table, kind);
  solid.ExtColor = r.Cur.ExtColor;
  return solid;
}

void StoreSolid2(ReaderState& r, Corner a, Corner b) {
  TJwwEntSolid2& s = AppendSolid(r, r.Data.Solids2, kKindSolid2);
  s.X1 = a.X, s.Y1 = a.Y;
  s.X2 = b.X, s.Y2 = b.Y;
}

void StoreSolid3(ReaderState& r, Corner a, Corner b, Corner c) {
  TJwwEntSolid3& s = AppendSolid(r, r.Data.Solids3, kKindSolid3);
  s.X1 = a.X, s.Y1 = a.Y;
  s.X2 = b.X, s.Y2 = b.Y;
  s.X3 = c.X, s.Y3 = c.Y;
}

void StoreSolid4(ReaderState& r, Corner a, Corner b, Corner c, Corner d) {
  TJwwEntSolid4& s = AppendSolid(r, r.Data.Solids4, kKindSolid4);
  s.X1 = a.X, s.Y1 = a.Y;
  s.X2 = b.X, s.Y2 = b.Y;
  s.X3 = c.X, s.Y3 = c.Y;
  s.X4 = d.X, s.Y4 = d.Y;
}

// Corners that coincide give the solid of fewer corners.
void StoreThreeCornerSolid(ReaderState& r, Corner p1, Corner p2, Corner p3) {
  if (Same(p1, p2)) {
    StoreSolid2(r, p1, p3);
  } else if (Same(p2, p3)) {
    StoreSolid2(r, p1, p2);
  } else {
    StoreSolid3(r, p1, p2, p3);
  }
}

void StoreFourCornerSolid(ReaderState& r, Corner p1, Corner p2, Corner p3,
                          Corner p4) {
  if (Same(p1, p2) && Same(p1, p3)) {
    StoreSolid2(r, p1, p4);
  } else if (Same(p2, p3) && Same(p2, p4)) {
    StoreSolid2(r, p1, p2);
  } else if (Same(p1, p2) && Same(p3, p4)) {
    StoreSolid2(r, p1, p3);
  } else if (Same(p4, p1) || Same(p4, p2) || Same(p4, p3)) {
    StoreSolid3(r, p1, p2, p3);
  } else if (Same(p3, p1) || Same(p3, p2)) {
    StoreSolid3(r, p1, p2, p4);
  } else if (Same(p2, p1)) {
    StoreSolid3(r, p1, p3, p4);
  } else {
    StoreSolid4(r, p1, p2, p3, p4);
  }
}

template <class Record>
void StoreValueSolid(ReaderState& r, BlockTable<Record>& table, int32_t kind,
                     const LineFields& f) {
  Record& s = AppendSolid(r, table, kind);
  constexpr int kValues = sizeof(s.Values) / sizeof(s.Values[0]);
  for (int i = 0; i < kValues; ++i) s.Values[i] = NumberOf(f, i + 1);
  if constexpr (requires { s.Code; }) s.Code = IntegerField(f, 9);
}

}  // namespace

bool StoreSolidLine(ReaderState& r, const LineFields& f) {
  ExchangeData& d = r.Data;
  const std::string_view key = f.Field(1);
  const int n = f.Count;
  if (key == "sl" && n == 5) {
    StoreSolid2(r, CornerOf(f, 1), CornerOf(f, 2));
  } else if (key == "sl" && n == 7) {
    StoreThreeCornerSolid(r, CornerOf(f, 1), CornerOf(f, 2), CornerOf(f, 3));
  } else if (key == "sl" && n >= 9) {
    StoreFourCornerSolid(r, CornerOf(f, 1), CornerOf(f, 2), CornerOf(f, 3),
                         CornerOf(f, 4));
  } else if (key == "sc" && n >= 9) {
    StoreValueSolid(r, d.SolidsSc, kKindSolidSc, f);
  } else if (key == "se" && n >= 9) {
    StoreValueSolid(r, d.SolidsSe, kKindSolidSe, f);
  } else if (key == "so" && n >= 9) {
    StoreValueSolid(r, d.SolidsSo, kKindSolidSo, f);
  } else if (key == "sg" && n >= 9) {
    StoreValueSolid(r, d.SolidsSg, kKindSolidSg, f);
  } else {
    return false;
  }
  EndEntity(r);
  return true;
}

}  // namespace halvane
