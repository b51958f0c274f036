// The bounded copy behind sjis_text.cpp's fixed buffers, for it and its tests.
#pragma once

#include <cstddef>
#include <string_view>

namespace halvane {

// Copies the text into buffer[0..capacity) and closes it with a zero byte; a
// longer text is cut to capacity bytes (the buffer holds capacity + 1 bytes).
void CopyToBuffer(std::string_view text, char* buffer, std::size_t capacity);

}  // namespace halvane
