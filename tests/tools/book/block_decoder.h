// Reads a library block back into named lists, on its own: it walks the
// bytes by their format, replays every stored move on the engine board and
// reports any move that is not legal where it stands.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace book::testing {

struct DecodedBlock {
    // Candidate lists by the moves leading to them ("" is the root, "e4 e5"
    // the position after 1. e4 e5), as "Nf3 f4 Bc4 | Nc3 d4" with '|' for
    // the separator.
    std::map<std::string, std::string> Lists;
    std::vector<std::string> Faults;
    int MoveNodes = 0;
    int Separators = 0;
    int Deepest = 0;
    int BytesUsed = 0; // the tree's length; every byte after it must be 0
};

DecodedBlock DecodeBlock(std::span<const std::uint8_t> block);

} // namespace book::testing
