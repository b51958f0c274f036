// Appending one entity to its table and to the entity order together.
#pragma once

#include <cstdint>
#include <utility>

#include "exchange/exchange_data.h"
#include "exchange/reader/reader_state.h"

namespace halvane {

inline void AppendEntityOrder(ExchangeData& d, int32_t kind, int32_t index) {
  d.EntityOrder.Append(TJwwOrderItem{kind, index});
}

// The head of a new entity: the current attributes.
inline void FillEntHead(const ReaderState& r, TJwwEntHead& head) {
  const CurrentAttributes& c = r.Cur;
  head = TJwwEntHead{r.CurPickRef, c.Group,     c.Layer,    c.LineColor,
                     c.LineType,   c.LineWidth, r.CurZFlags};
}

// Appends a zero-filled record of `kind` to `table`, lists it in EntityOrder
// and fills its head from the current attributes. Throws std::bad_alloc
// before anything changes, so the order and the tables always agree.
// Or appends `record`, made beforehand, with its head filled here.
template <class Record>
Record& AppendEntity(ReaderState& r, BlockTable<Record>& table, int32_t kind,
                     Record record = Record{}) {
  ExchangeData& d = r.Data;
  d.EntityOrder.ReserveNext();
  table.ReserveNext();
  AppendEntityOrder(d, kind, static_cast<int32_t>(table.Count()));
  FillEntHead(r, record.Head);
  return table.Append(std::move(record));
}

}  // namespace halvane
