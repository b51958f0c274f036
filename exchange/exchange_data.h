// The exchange data model: everything read from JWC_TEMP.TXT. A new one
// holds the initial values; the reader fills it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "exchange/attributes.h"
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

template <class T, std::size_t N>
constexpr std::array<T, N> Filled(T value) noexcept {
  std::array<T, N> values{};
  values.fill(value);
  return values;
}

struct ExchangeData {
  ExchangeData() = default;
  ExchangeData(const ExchangeData&) = delete;
  ExchangeData& operator=(const ExchangeData&) = delete;

  // Back to the initial values, every table emptied and its storage released.
  void Reset();

  // Header values.
  double DrawingAngle = 0;
  std::string HostFileName;
  std::array<double, 16> GroupScale = Filled<double, 16>(1.0);
  double PaperWidth = 1189.0;
  double PaperHeight = 841.0;
  std::array<TJwwTextType, 10> TextTypes =
      Filled<TJwwTextType, 10>({3.0, 3.0, 0.0, 2});
  std::array<double, 4> HnValues{};

  // Layer groups and layers.
  std::array<int32_t, 16> GroupValue{};
  std::array<std::string, 16> GroupName;
  std::array<int32_t, 256> LayerValue{};  // group * 16 + layer
  std::array<std::string, 256> LayerName;

  // First-line values: each the value of the first line of its kind.
  int32_t HostGroup = kInitialLineAttributes.Group;
  int32_t HostLayer = kInitialLineAttributes.Layer;
  int32_t HostLineColor = kInitialLineAttributes.LineColor;
  int32_t HostLineType = kInitialLineAttributes.LineType;
  int32_t HostLineWidth = kInitialLineAttributes.LineWidth;
  int32_t HostTextType = kInitialLineAttributes.TextType;
  double HostFreeW = kInitialLineAttributes.FreeW;
  double HostFreeH = kInitialLineAttributes.FreeH;
  double HostFreeD = kInitialLineAttributes.FreeD;
  int32_t HostFreeColor = kInitialLineAttributes.FreeColor;
  std::string HostFontName;
  bool LineWidthGiven = false;

  // Picked points, indexed by point number 1..99 (entry 0 unused).
  std::array<TJwwPickPoint, 100> PickedPoints{};
  int32_t PickedCount = 0;

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
};

}  // namespace halvane
