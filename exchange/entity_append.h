// Appending one entity to its table and to the entity order together.
#pragma once

#include <cstdint>

#include "exchange/exchange_data.h"

namespace halvane {

// Appends a zero-filled record of `kind` to `table`, lists it in EntityOrder
// and fills its head from the current attributes. Throws std::bad_alloc
// before anything changes, so the order and the tables always agree.
template <class Record>
Record& AppendEntity(BlockTable<Record>& table, int32_t kind) {
  ExchangeData& d = Exchange();
  d.EntityOrder.ReserveNext();
  table.ReserveNext();
  AppendEntityOrder(kind, static_cast<int32_t>(table.Count()));
  Record& record = table.Append();
  FillEntHead(record.Head);
  return record;
}

// The same for a record made beforehand; its head is filled here.
template <class Record>
void AppendEntity(BlockTable<Record>& table, int32_t kind, Record record) {
  ExchangeData& d = Exchange();
  d.EntityOrder.ReserveNext();
  table.ReserveNext();
  AppendEntityOrder(kind, static_cast<int32_t>(table.Count()));
  FillEntHead(record.Head);
  table.Append(record);
}

}  // namespace halvane
