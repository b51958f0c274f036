// The line forms of JWC_TEMP.TXT and what each stores in the exchange data
// model. Each Store...Line returns false when no form of its group matched
// (key or field count), so the caller can go on to the later forms.
#pragma once

#include <cstdint>
#include <string_view>

#include "exchange/reader/line_splitter.h"
#include "exchange/reader/reader_state.h"
#include "util/number_parse.h"

namespace halvane {

// Number k of a line is its field k + 1.
inline double NumberOf(const LineFields& f, int k) { return f.Number(k + 1); }
inline int32_t IntegerField(const LineFields& f, int field) {
  return ParseInt(f.Field(field));
}
inline bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}
// The part of `s` from its 1-based character `from` on (empty if shorter).
inline std::string_view FromChar(std::string_view s, std::size_t from) {
  return from - 1 < s.size() ? s.substr(from - 1) : std::string_view();
}

// n + 1, wrapping instead of overflowing on absurdly many lines.
inline int32_t Incremented(int32_t n) {
  return static_cast<int32_t>(static_cast<uint32_t>(n) + 1u);
}

// Recognises one split line and stores what it says.
void StoreLine(ReaderState& r, const LineFields& f);

// "file=" (anywhere in the key), "hk" "hs" "hzs" "hcw" "hch" "hcd" "hcc"
// "hn", picked points "hp" and "hhp".
void StoreHostFileName(ReaderState& r, std::string_view key);
bool StoreHeaderLine(ReaderState& r, const LineFields& f);
// Layer groups, layers, attributes, "z1".."z5", "pn" "pl" "msg" "#".
bool StoreAttributeLine(ReaderState& r, const LineFields& f);
// Circles, arcs, texts and dimensions, points, blocks.
bool StoreEntityLine(ReaderState& r, const LineFields& f);
// "sl" "sc" "se" "so" "sg".
bool StoreSolidLine(ReaderState& r, const LineFields& f);
// A line of four fields and no known form.
void StoreSegment(ReaderState& r, const LineFields& f);

// The resets after a stored entity (not after a line segment).
void EndEntity(ReaderState& r);

}  // namespace halvane
