// JWC_TEMP.TXT as the host writes it for a points-only external command.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/host_standin/batch_directives.h"
#include "tools/host_standin/scenario.h"

namespace halvane {

// The lines without their line ends, in the order the host writes them:
// "hq", the header, the picked points the batch file asks for, then the
// current attributes. A point the scenario does not give is added to
// `missing` and left out.
std::vector<std::string> HostInputLines(const Scenario& scenario,
                                        const BatchDirectives& batch,
                                        std::vector<int>& missing);
// The lines joined with CR LF ends.
std::string JoinCrLf(const std::vector<std::string>& lines);

}  // namespace halvane
