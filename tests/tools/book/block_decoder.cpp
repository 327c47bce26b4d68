#include "tests/tools/book/block_decoder.h"

#include "engine/movegen.h"
#include "tools/book/book_board.h"

#include <algorithm>

namespace book::testing {

namespace {

class Decoder {
public:
    Decoder(std::span<const std::uint8_t> block, DecodedBlock& out)
        : Block(block)
        , Out(out)
    { }

    void Run()
    {
        if (Block.empty() || Block[0] != 0xFF) {
            Out.Faults.push_back("the block does not begin with the root byte");
            return;
        }
        Board.Reset();
        std::size_t pos = 1;
        List(pos, "");
        Out.BytesUsed = int(pos);
        if (std::any_of(
                Block.begin() + std::min(pos, Block.size()), Block.end(), [](std::uint8_t b) { return b; })) {
            Out.Faults.push_back("bytes after the tree are not zero");
        }
    }

private:
    // Reads the list starting at `pos` for the position after `path`.
    void List(std::size_t& pos, const std::string& path)
    {
        const std::vector<engine::EngineMove> generated = Board.GeneratedMoves();
        const std::vector<engine::EngineMove> legal = Board.LegalMoves();
        std::string names;
        for (;;) {
            if (pos >= Block.size()) {
                Out.Faults.push_back(path + ": the list runs off the block");
                return;
            }
            const std::uint8_t byte = Block[pos++];
            if (byte == 0x3F) {
                ++Out.Separators;
                names += " |";
                continue;
            }
            const std::size_t number = byte & 0x3F;
            if (number >= generated.size()
                || std::find(legal.begin(), legal.end(), generated[number]) == legal.end()) {
                Out.Faults.push_back(
                    path + ": move number " + std::to_string(number) + " is not a legal move");
                return;
            }
            const engine::EngineMove move = generated[number];
            const std::string san = Board.San(move);
            names += (names.empty() ? "" : " ") + san;
            ++Out.MoveNodes;
            Out.Deepest = std::max(Out.Deepest, Board.Plies() + 1);
            if (byte & 0x40) {
                Board.Play(move);
                List(pos, path.empty() ? san : path + ' ' + san);
                Board.TakeBack();
            }
            if (byte & 0x80) {
                break;
            }
        }
        Out.Lists[path] = names;
    }

    std::span<const std::uint8_t> Block;
    DecodedBlock& Out;
    BookBoard Board;
};

} // namespace

DecodedBlock DecodeBlock(std::span<const std::uint8_t> block)
{
    DecodedBlock decoded;
    Decoder(block, decoded).Run();
    return decoded;
}

} // namespace book::testing
