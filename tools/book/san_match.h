// Finding the legal move a SAN token names, with the exactness the book
// asks for: the written disambiguation, capture mark and any check or mate
// suffix must be the ones standard notation gives.
#pragma once

#include "engine/types.h"
#include "tools/book/book_board.h"

#include <string>

namespace book {

struct SanMatch {
    engine::EngineMove Move; // NoMove when the token names no legal move
    std::string Fault; // why not, when Move is NoMove
};

SanMatch MatchSan(const BookBoard& board, const std::string& token);

} // namespace book
