#include "ui/dialog_layout.h"

namespace halvane {

const char kFormCaption[] = "Halvane";
const char kApplicationTitle[] = "t482_Halvane";

}  // namespace halvane
