#include "exchange/exchange_data.h"

#include <memory>
#include <type_traits>

namespace halvane {

static_assert(std::is_nothrow_default_constructible_v<ExchangeData>);

// Destroying releases every string and table; the new object starts at the
// initial values of the member declarations.
void ExchangeData::Reset() {
  std::destroy_at(this);
  std::construct_at(this);
}

}  // namespace halvane
