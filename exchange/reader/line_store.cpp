#include "exchange/reader/line_rows.h"

namespace halvane {
namespace {

// The forms are tried in a fixed order; keys of different first characters
// never compete, so the first character picks the group to try.
bool StoreKeyedLine(const LineFields& f, char first) {
  switch (first) {
    case 'h':
      return StoreHeaderLine(f);
    case 'l':
    case 'z':
    case 'm':
    case '#':
      return StoreAttributeLine(f);
    case 'c':
    case 'p':
      return StoreAttributeLine(f) || StoreEntityLine(f);
    case 'B':
      return StoreEntityLine(f);
    case 's':
      return StoreSolidLine(f);
    default:
      return false;
  }
}

}  // namespace

void StoreLine(const LineFields& f) {
  const std::string_view key = f.Field(1);
  if (key.empty()) return;  // only possible with n = 1: a blank line
  // An equals sign ends the splitting, so only a lone field can hold "file=".
  if (f.Count == 1 && key.find("file=") != std::string_view::npos) {
    StoreHostFileName(key);
    return;
  }
  if (StoreKeyedLine(f, key[0])) return;
  if (f.Count == 4) StoreSegment(f);
}

}  // namespace halvane
