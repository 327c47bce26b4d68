#include "engine/opening_library.h"

#include "engine/board.h"
#include "engine/engine_state.h"
#include "engine/movegen.h"
#include "engine/random.h"
#include "engine/search.h"

namespace engine {

namespace {

const std::uint8_t* Library = nullptr;
int LibPos = 0; // the candidate list of the position found; 0 = none
int LibNo = 0; // the move number being matched or chosen

// No line is anywhere near this deep; the bound only keeps a damaged block
// from running the check into deep recursion.
constexpr int DeepestList = 128;

struct BlockCheck {
    const std::uint8_t* Block;
    std::size_t Size;
    std::size_t Pos = 1;

    // A list: move nodes (each followed by its subtree when it has
    // children) and at most one separator, never first, ending with a node
    // that has the last bit.
    bool List(int depth)
    {
        if (depth > DeepestList) {
            return false;
        }
        bool separatorSeen = false;
        for (bool first = true;; first = false) {
            if (Pos >= Size) {
                return false;
            }
            const std::uint8_t node = Block[Pos++];
            if (node == LibSeparator) {
                if (first || separatorSeen) {
                    return false;
                }
                separatorSeen = true;
                continue;
            }
            if ((node & LibNumberMask) == LibSeparator) {
                return false;
            }
            if ((node & LibHasChildren) && !List(depth + 1)) {
                return false;
            }
            if (node & LibLastNode) {
                return true;
            }
        }
    }
};

bool WellFormed(const std::uint8_t* block, std::size_t size)
{
    if (size < 2 || block[0] != LibRoot) {
        return false;
    }
    BlockCheck check {block, size};
    return check.List(1);
}

int Number(int pos)
{
    return Library[pos] & LibNumberMask;
}

bool Last(int pos)
{
    return (Library[pos] & LibLastNode) != 0;
}

bool HasChildren(int pos)
{
    return (Library[pos] & LibHasChildren) != 0;
}

// The tree starts from the standard initial position with White to move and
// every castling right. Its move numbers mean nothing anywhere else, so a
// game set up otherwise is never looked up, whatever BookPlies says.
bool StartedFromInitialPosition()
{
    constexpr PieceKind backRank[8] = {Rook, Knight, Bishop, Queen, King, Bishop, Knight, Rook};
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            ImageCell expected {Empty, White, 0};
            if (rank == 1 || rank == 8) {
                expected.Kind = backRank[file - 1];
            } else if (rank == 2 || rank == 7) {
                expected.Kind = Pawn;
            }
            expected.Colour = rank >= 7 ? Black : White;
            const ImageCell& cell = Pos.StartImage.At(file, rank);
            if (cell.Kind != expected.Kind || (cell.Kind != Empty && cell.Colour != expected.Colour)) {
                return false;
            }
        }
    }
    const bool whiteBegan = (Pos.Player == White) == (Pos.MovesSinceSetup % 2 == 0);
    return whiteBegan && Pos.CastlingRights[White] == (CastleLong | CastleShort)
        && Pos.CastlingRights[Black] == (CastleLong | CastleShort) && !OnBoard(Pos.EnPassantTarget);
}

// The move's place in MovGen's list for the current position (MoveStackTop
// raised), or -1.
int GeneratorIndex(const EngineMove& move)
{
    MovGen();
    for (int i = 0; i < GenBuffer.Count; ++i) {
        if (GenBuffer.Moves[i] == move) {
            return i;
        }
    }
    return -1;
}

// Follows the game moves from the set-up point (MoveStackTop raised just
// above it) down the tree. Returns the candidate list of the game
// position, or 0 when the game leaves the tree; the board is restored.
int WalkGameMoves()
{
    int pos = 0; // the root
    int found = 0;
    int made = 0;
    for (;;) {
        ++pos; // the parent's child list starts right after it
        if (Pos.MoveStackTop == 0) {
            found = pos; // every game move is replayed
            break;
        }
        const EngineMove move = Pos.Stack(Pos.MoveStackTop);
        LibNo = GeneratorIndex(move);
        if (LibNo < 0) {
            break;
        }
        while (Number(pos) != LibNo && !Last(pos)) {
            pos = SkipNode(pos, false);
        }
        // A move that ends a line may be played, but the library is left.
        if (Number(pos) != LibNo || !HasChildren(pos)) {
            break;
        }
        DoMove(move);
        ++made;
    }
    for (; made > 0; --made) {
        UndoMove(Pos.Stack(Pos.MoveStackTop - 1));
    }
    return found;
}

} // namespace

bool InstallOpeningLibrary(const std::uint8_t* block, std::size_t size)
{
    Library = block != nullptr && WellFormed(block, size) ? block : nullptr;
    LibPos = 0;
    return Library != nullptr;
}

bool OpeningLibraryPresent()
{
    return Library != nullptr;
}

int LibPosition()
{
    return LibPos;
}

int SkipNode(int pos, bool wrap)
{
    if (Last(pos)) {
        return FirstSibling(pos);
    }
    int open = 0;
    do {
        open += HasChildren(pos) ? 1 : 0;
        open -= Last(pos) ? 1 : 0;
        ++pos;
    } while (open != 0);
    if (wrap && Library[pos] == LibSeparator) {
        return FirstSibling(pos);
    }
    return pos;
}

int FirstSibling(int pos)
{
    while (!HasChildren(pos - 1)) {
        int open = 0;
        do {
            --pos;
            open += Last(pos) ? 1 : 0;
            open -= HasChildren(pos) ? 1 : 0;
        } while (open != 0);
    }
    return pos;
}

bool LibFind()
{
    LibPos = 0;
    if (Library == nullptr || Pos.MovesSinceSetup >= Engine.BookPlies || !StartedFromInitialPosition()) {
        return false;
    }
    // Back to the set-up point: the lookup always follows the game's own
    // move order from the start, so a transposition never re-enters the tree.
    int undone = 0;
    while (Pos.MoveStackTop > MoveStackBottom && Pos.Stack(Pos.MoveStackTop).IsMove()) {
        UndoMove(Pos.Stack(Pos.MoveStackTop));
        ++undone;
    }
    const EngineMove& setupEntry = Pos.Stack(Pos.MoveStackTop);
    if (!setupEntry.IsMove() && setupEntry.Captured == 1) {
        ++Pos.MoveStackTop;
        LibPos = WalkGameMoves();
        --Pos.MoveStackTop;
    }
    for (; undone > 0; --undone) {
        DoMove(Pos.Stack(Pos.MoveStackTop + 1));
    }
    return LibPos != 0;
}

bool LibChoose()
{
    // 0 steps with probability 7/17, 1 with 3/17, 2 with 2/17, 3 to 7 with
    // 1/17 each: the walk cycles through the choosable moves, so the first
    // of a list is the likeliest and the list's order sets the preferences.
    constexpr int Threshold[] = {7, 10, 12, 13, 14, 15, 16, 144};
    const int draw = RandomUpTo(16);
    int steps = 0;
    while (draw >= Threshold[steps]) {
        ++steps;
    }
    int pos = LibPos;
    for (int i = 0; i < steps; ++i) {
        pos = SkipNode(pos, true);
    }
    LibNo = Number(pos);
    MovGen();
    if (LibNo >= GenBuffer.Count || IllegalMove(GenBuffer.Moves[LibNo])) {
        return false;
    }
    Engine.MainLine[0] = GenBuffer.Moves[LibNo];
    Engine.MainLine[1] = NoMove;
    Engine.MainValue = 0;
    Search.MaxDepthIter = 0;
    Search.LegalRootMoves = 0;
    return true;
}

} // namespace engine
