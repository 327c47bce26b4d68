// The book compiler: replays every line of the source on the engine board
// and writes the library tree as the engine reads it (engine/
// opening_library.h), moves stored by their place in the generator's order.
#pragma once

#include "tools/book/book_source.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace book {

struct CompiledBook {
    std::vector<std::uint8_t> Block; // 32000 bytes; empty when there are errors
    std::vector<BookError> Errors;
    int Lines = 0;
    int MoveNodes = 0;
    int Separators = 0;
    int Deepest = 0; // half-moves
    int BytesUsed = 0;
};

CompiledBook CompileBook(std::string_view source);

} // namespace book
