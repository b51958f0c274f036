// Appending one entity to its table and to the entity order together.
#pragma once

#include <cstdint>
#include <utility>

#include "exchange/exchange_data.h"

namespace halvane {

// Appends a zero-filled record of `kind` to `table`, lists it in EntityOrder
// and fills its head from the current attributes. Throws std::bad_alloc
// before anything changes, so the order and the tables always agree.
// Or appends `record`, made beforehand, with its head filled here.
template <class Record>
Record& AppendEntity(BlockTable<Record>& table, int32_t kind,
                     Record record = Record{}) {
  ExchangeData& d = Exchange();
  d.EntityOrder.ReserveNext();
  table.ReserveNext();
  AppendEntityOrder(kind, static_cast<int32_t>(table.Count()));
  FillEntHead(record.Head);
  return table.Append(std::move(record));
}

}  // namespace halvane
