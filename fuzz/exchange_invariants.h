// What must hold for the exchange data model after any input: the order
// lists every record exactly once, attribute indices stay in range and the
// limited strings keep their limit. Aborts on a violation.
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>

#include "exchange/exchange_data.h"
#include "exchange/reader/reader_state.h"

namespace halvane {

inline void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

inline void CheckExchangeInvariants(const ReaderState& r) {
  const ExchangeData& d = r.Data;
  const std::array<std::size_t, 16> counts = {0,
                                              d.Lines.Count(),
                                              d.Circles.Count(),
                                              d.Arcs.Count(),
                                              d.Texts.Count(),
                                              d.Points.Count(),
                                              d.PointsEx.Count(),
                                              d.Dims.Count(),
                                              d.Blocks.Count(),
                                              d.Solids2.Count(),
                                              d.Solids3.Count(),
                                              d.Solids4.Count(),
                                              d.SolidsSc.Count(),
                                              d.SolidsSe.Count(),
                                              d.SolidsSo.Count(),
                                              d.SolidsSg.Count()};
  std::array<std::size_t, 16> seen{};
  for (std::size_t i = 0; i < d.EntityOrder.Count(); ++i) {
    const TJwwOrderItem& item = d.EntityOrder[i];
    Require(item.Kind >= 1 && item.Kind <= 15, "order kind 1..15");
    Require(static_cast<std::size_t>(item.Index) == seen[item.Kind]++,
            "order indices count up per kind");
  }
  Require(seen == counts, "every record listed once in the order");
  for (std::size_t i = 0; i < d.Texts.Count(); ++i) {
    Require(d.Texts[i].Text.size() <= 255, "text at most 255 bytes");
    Require(d.Texts[i].FontName.size() <= 255, "font name at most 255 bytes");
    Require(d.Texts[i].Head.ZFlags >= 0 && d.Texts[i].Head.ZFlags <= 31,
            "z flags");
  }
  for (std::size_t i = 0; i < d.Dims.Count(); ++i) {
    Require(d.Dims[i].Text.Text.size() <= 255, "dimension text limit");
    Require(d.Dims[i].Text.Style == 2, "dimension text style");
  }
  for (int32_t v : {r.Cur.Group, r.Cur.Layer, d.HostGroup, d.HostLayer}) {
    Require(v >= 0 && v <= 15, "group and layer 0..15");
  }
  Require(r.Cur.TextCode >= 0 && r.Cur.TextCode <= 8, "text code 0..8");
  Require(r.CurZFlags >= 0 && r.CurZFlags <= 31, "z flags 0..31");
  Require(!d.PickedPoints[0].Used, "picked point 0 never set");
  int used = 0;
  for (const TJwwPickPoint& p : d.PickedPoints) {
    used += p.Used;
    Require(p.Kind >= 0 && p.Kind <= 4, "picked point kind 0..4");
  }
  Require(d.PickedCount >= used, "picked count covers the used points");
}

}  // namespace halvane
