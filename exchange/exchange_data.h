// The exchange data model: everything read from JWC_TEMP.TXT, the writers'
// current-attribute cache and the output line buffer. One instance per run,
// reached through Exchange(); InitExchangeData() makes it fresh.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "exchange/block_table.h"

namespace halvane {

struct TJwwTextType {
  double W;
  double H;
  double D;
  int32_t Color;
};

struct TJwwPickPoint {
  bool Used;
  double X;
  double Y;
  int32_t Kind;  // 0 plain, 1 "-", 2 "ln", 3 "ci", 4 "ch"
};

struct TJwwEntHead {
  int32_t PickRef;
  int32_t Group;
  int32_t Layer;
  int32_t Color;
  int32_t LineType;
  int32_t LineWidth;
  int32_t ZFlags;
};

struct TJwwEntLine {
  TJwwEntHead Head;
  int32_t PolylineNo;
  double X1, Y1, X2, Y2;
};

struct TJwwEntCircle {
  TJwwEntHead Head;
  double Values[3];
};

struct TJwwEntArc {
  TJwwEntHead Head;
  double Values[7];
};

struct TJwwEntText {
  TJwwEntHead Head;
  int32_t Style;
  int32_t TextCode;
  int32_t TextType;
  double W, H, D;
  double X, Y, DX, DY;
  std::string FontName;  // at most 255 bytes
  std::string Text;      // at most 255 bytes
};

struct TJwwEntPoint {
  TJwwEntHead Head;
  double X, Y;
};

struct TJwwEntPointEx {
  TJwwEntHead Head;
  double X, Y, Value1, Value2;
  int32_t Code;
};

struct TJwwEntDim {
  TJwwEntHead Head;
  TJwwEntLine Line;
  TJwwEntText Text;
};

struct TJwwEntBlk {
  TJwwEntHead Head;
  double X, Y;
  std::string Name;
};

struct TJwwEntSolid2 {
  TJwwEntHead Head;
  int32_t ExtColor;
  double X1, Y1, X2, Y2;
};

struct TJwwEntSolid3 {
  TJwwEntHead Head;
  int32_t ExtColor;
  double X1, Y1, X2, Y2, X3, Y3;
};

struct TJwwEntSolid4 {
  TJwwEntHead Head;
  int32_t ExtColor;
  double X1, Y1, X2, Y2, X3, Y3, X4, Y4;
};

struct TJwwEntSolidSc {
  TJwwEntHead Head;
  int32_t ExtColor;
  double Values[7];
  int32_t Code;
};
using TJwwEntSolidSe = TJwwEntSolidSc;

struct TJwwEntSolidSo {
  TJwwEntHead Head;
  int32_t ExtColor;
  double Values[8];
};
using TJwwEntSolidSg = TJwwEntSolidSo;

struct TJwwOrderItem {
  int32_t Kind;   // 1..15
  int32_t Index;  // position in the table of that kind
};

enum EntityKind : int32_t {
  kKindLine = 1,
  kKindCircle = 2,
  kKindArc = 3,
  kKindText = 4,
  kKindPoint = 5,
  kKindPointEx = 6,
  kKindDim = 7,
  kKindBlock = 8,
  kKindSolid2 = 9,
  kKindSolid3 = 10,
  kKindSolid4 = 11,
  kKindSolidSc = 12,
  kKindSolidSe = 13,
  kKindSolidSo = 14,
  kKindSolidSg = 15,
};

// One line of the output buffer: at most 255 bytes, no line end.
struct OutputLine {
  uint8_t Length;
  char Bytes[255];
};

// Force flags of the caching attribute writers.
enum ForceFlag : int {
  kForceGroup,
  kForceLayer,
  kForceLineColor,
  kForceLineType,
  kForceLineWidth,
  kForceTextType,
  kForceTextCode,
  kForceFontName,
  kForcePointColor,
  kForceFlagCount
};

// "<ＭＳ ゴシック>" in Shift-JIS: the initial current font name.
inline constexpr char kDefaultFontName[] =
    "<\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e>";

struct ExchangeData {
  // Header values.
  double DrawingAngle;
  std::string HostFileName;
  std::array<double, 16> GroupScale;
  double PaperWidth;
  double PaperHeight;
  std::array<TJwwTextType, 10> TextTypes;
  std::array<double, 4> HnValues;

  // Layer groups and layers.
  std::array<int32_t, 16> GroupValue;
  std::array<std::string, 16> GroupName;
  std::array<int32_t, 256> LayerValue;  // group * 16 + layer
  std::array<std::string, 256> LayerName;

  // First-line values.
  int32_t HostGroup;
  int32_t HostLayer;
  int32_t HostLineColor;
  int32_t HostLineType;
  int32_t HostLineWidth;
  int32_t HostTextType;
  double HostFreeW, HostFreeH, HostFreeD;
  int32_t HostFreeColor;
  std::string HostFontName;
  bool LineWidthGiven;

  // Current-attribute cache (the reader's running attributes while reading).
  int32_t CurGroup;
  int32_t CurLayer;
  int32_t CurLineColor;
  int32_t CurLineType;
  int32_t CurLineWidth;
  int32_t CurTextType;
  double CurFreeW, CurFreeH, CurFreeD;
  int32_t CurFreeColor;
  int32_t CurTextCode;
  std::string CurFontName;
  int32_t CurPointColor;
  int32_t CurExtColor;
  std::array<bool, kForceFlagCount> Force;

  // Reader-only state.
  int32_t CurPickRef;
  int32_t CurZFlags;
  int32_t PolylineNo;
  bool InPolyline;
  bool InDimension;
  TJwwEntLine HeldDimLine;

  // Picked points, indexed by point number 1..99 (entry 0 unused).
  std::array<TJwwPickPoint, 100> PickedPoints;
  int32_t PickedCount;

  // Entity tables and their order in the file.
  BlockTable<TJwwEntLine> Lines;
  BlockTable<TJwwEntCircle> Circles;
  BlockTable<TJwwEntArc> Arcs;
  BlockTable<TJwwEntText> Texts;
  BlockTable<TJwwEntPoint> Points;
  BlockTable<TJwwEntPointEx> PointsEx;
  BlockTable<TJwwEntDim> Dims;
  BlockTable<TJwwEntBlk> Blocks;
  BlockTable<TJwwEntSolid2> Solids2;
  BlockTable<TJwwEntSolid3> Solids3;
  BlockTable<TJwwEntSolid4> Solids4;
  BlockTable<TJwwEntSolidSc> SolidsSc;
  BlockTable<TJwwEntSolidSe> SolidsSe;
  BlockTable<TJwwEntSolidSo> SolidsSo;
  BlockTable<TJwwEntSolidSg> SolidsSg;
  BlockTable<TJwwOrderItem> EntityOrder;

  // Output line buffer.
  BlockTable<OutputLine> Output;
};

namespace exchange_detail {
extern ExchangeData instance;
}

// The one model of the run.
inline ExchangeData& Exchange() { return exchange_detail::instance; }

// Every field to its initial value, the six reader markers set, all tables
// and the output buffer emptied.
void InitExchangeData();
// Releases every table and the output buffer.
void FreeExchangeData();

inline void AppendEntityOrder(int32_t kind, int32_t index) {
  Exchange().EntityOrder.Append(TJwwOrderItem{kind, index});
}

// The head of a new entity: the current attributes.
inline void FillEntHead(TJwwEntHead& head) {
  const ExchangeData& d = Exchange();
  head = TJwwEntHead{d.CurPickRef,  d.CurGroup,     d.CurLayer, d.CurLineColor,
                     d.CurLineType, d.CurLineWidth, d.CurZFlags};
}

}  // namespace halvane
