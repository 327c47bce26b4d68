#include "tests/tools/book/block_decoder.h"
#include "tools/book/opening_book.h"

#include <gtest/gtest.h>
#include <iostream>

namespace book::testing {
namespace {

TEST(OpeningBookBlock, BeginsWithTheRootAndTheMainLineOfTheRuyLopez)
{
    // Root, 1. e4 (number 1, children), 1... e5 (3), 2. Nf3 (15), ...
    const std::uint8_t expected[] = {0xFF, 0x41, 0x43, 0x4F, 0x4F, 0x56, 0x47, 0x5A};
    const auto block = OpeningBookBlock();
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(block[i], expected[i]) << "byte " << i;
    }
}

TEST(OpeningBookBlock, CandidateListsOfTheMainOpenings)
{
    const DecodedBlock decoded = DecodeBlock(OpeningBookBlock());
    const std::pair<const char*, const char*> lists[] = {
        {"", "e4 d4 Nf3 c4 f4 | b3 g3 b4 g4"},
        {"e4", "e5 c5 e6 Nf6 d5 | d6 c6 b6 g6 Nc6"},
        {"e4 e5", "Nf3 f4 Bc4 | Nc3 d4"},
        {"e4 e5 Nf3", "Nc6 Nf6 | d6 f5 d5"},
        {"e4 c5", "Nf3 | Nc3 f4 b4 d4 c3"},
        {"d4", "Nf6 d5 f5 | c5 e5"},
        {"d4 d5", "c4 | Nf3 Nc3 e4"},
        {"d4 Nf6", "c4 | Nf3 Bg5 Nc3 c3 Bf4 Nd2 f3"},
        {"Nf3", "Nf6 d5"},
        {"c4", "e5 | Nf6 c5 e6 g6 f5 c6 d6"},
    };
    for (const auto& [path, list] : lists) {
        EXPECT_EQ(decoded.Lists.count(path) ? decoded.Lists.at(path) : "(no list)", list)
            << "after '" << path << "'";
    }
}

// The whole tree read back independently: every stored move legal where it
// stands, the format's bounds kept, and most of the block in use.
TEST(OpeningBookBlock, EveryStoredMoveIsLegal)
{
    const DecodedBlock decoded = DecodeBlock(OpeningBookBlock());
    for (const std::string& fault : decoded.Faults) {
        ADD_FAILURE() << fault;
    }
    EXPECT_EQ(decoded.BytesUsed, 1 + decoded.MoveNodes + decoded.Separators);
    EXPECT_GT(decoded.BytesUsed, 20000);
    EXPECT_LE(decoded.Deepest, 42);
    std::cout << "Library block: " << decoded.BytesUsed << " bytes, " << decoded.MoveNodes << " move nodes, "
              << decoded.Separators << " separators, lines up to " << decoded.Deepest << " half-moves\n";
}

} // namespace
} // namespace book::testing
