#include "form/refusal_message.h"

#include "util/texts.h"

namespace halvane {

const char* RefusalMessage(PlanRefusal refusal) {
  switch (refusal) {
    case PlanRefusal::ZeroLength:
      break;
    case PlanRefusal::CoordinateTooLarge:
      return kCoordinateTooLargeMessage;
    case PlanRefusal::TextSizeTooLarge:
      return kTextSizeTooLargeMessage;
    case PlanRefusal::DistanceTooLarge:
      return kDistanceTooLargeMessage;
    case PlanRefusal::MarkerTooLarge:
      return kMarkerTooLargeMessage;
    case PlanRefusal::ValueTooLong:
      return kValueTooLongMessage;
  }
  return kZeroLengthMessage;
}

}  // namespace halvane
