#include "exchange/reader/line_rows.h"

namespace halvane {
namespace {

// The forms are tried in a fixed order; keys of different first characters
// never compete, so the first character picks the group to try.
bool StoreKeyedLine(ReaderState& r, const LineFields& f, char first) {
  switch (first) {
    case 'h':
      return StoreHeaderLine(r, f);
    case 'l':
    case 'z':
    case 'm':
    case '#':
      return StoreAttributeLine(r, f);
    case 'c':
    case 'p':
      return StoreAttributeLine(r, f) || StoreEntityLine(r, f);
    case 'B':
      return StoreEntityLine(r, f);
    case 's':
      return StoreSolidLine(r, f);
    default:
      return false;
  }
}

}  // namespace

void StoreLine(ReaderState& r, const LineFields& f) {
  const std::string_view key = f.Field(1);
  if (key.empty()) return;  // only possible with n = 1: a blank line
  // An equals sign ends the splitting, so only a lone field can hold "file=".
  if (f.Count == 1 && key.find("file=") != std::string_view::npos) {
    StoreHostFileName(r, key);
    return;
  }
  if (StoreKeyedLine(r, f, key[0])) return;
  if (f.Count == 4) StoreSegment(r, f);
}

}  // namespace halvane
