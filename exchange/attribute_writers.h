// Attribute commands, each written only when its value changes or its force
// flag is set.
#pragma once

#include <cstdint>
#include <string_view>

namespace halvane {

int32_t MapColorNo(int32_t n);
int32_t MapLineTypeNo(int32_t n);

void PutLayerGroup(int32_t n);
void PutLayer(int32_t n);
void PutLineColor(int32_t n, int32_t map);
void PutLineType(int32_t n, int32_t map);
void PutLineWidth(int32_t n);
void PutTextType(int32_t type, int32_t colour, int32_t map, double width,
                 double height, double spacing);
void PutTextCode(int32_t n);
void PutFontName(std::string_view name);
void PutPointColor(int32_t n, int32_t map);
void PutZFlags(uint8_t bits);
// Sets every force flag and puts the cache back to its defaults.
void ResetWriterState();

}  // namespace halvane
