// One run's exchange with the host: what FormShow read from JWC_TEMP.TXT and
// what the OK command writes back through FormClose.
#pragma once

#include "exchange/exchange_data.h"
#include "exchange/exchange_output.h"

namespace halvane {

struct ExchangeRun {
  ExchangeData Input;
  ExchangeOutput Output{Input};
};

}  // namespace halvane
