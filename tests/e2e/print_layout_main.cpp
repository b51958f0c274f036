// halvane-layout: prints the layout the end-to-end check expects, from the
// control table. Run as: halvane-layout > tests/e2e/expected_layout.txt
#include <cstdio>

#include "ui/layout_listing.h"

int main() {
  const std::string listing = halvane::LayoutListing();
  return std::fwrite(listing.data(), 1, listing.size(), stdout) ==
                 listing.size()
             ? 0
             : 1;
}
