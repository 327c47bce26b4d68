#include "view/taken_pieces.h"

#include <algorithm>

namespace {

// The full set, in the order a recount lists it.
constexpr std::array<std::uint8_t, TTakenPieces::Slots> FullSet {engine::King, engine::Queen, engine::Rook,
    engine::Rook, engine::Knight, engine::Knight, engine::Bishop, engine::Bishop, engine::Pawn, engine::Pawn,
    engine::Pawn, engine::Pawn, engine::Pawn, engine::Pawn, engine::Pawn, engine::Pawn};

bool ValidSide(int colour, int kind)
{
    return (colour == 0 || colour == 1) && kind >= engine::King && kind <= engine::Pawn;
}

} // namespace

void TTakenPieces::Clear()
{
    Counts = {};
    Order = {};
}

void TTakenPieces::Take(int colour, int kind)
{
    if (!ValidSide(colour, kind)) {
        return;
    }
    ++Counts[colour][kind];
    auto& slots = Order[colour];
    const auto empty = std::find(slots.begin(), slots.end(), 0);
    if (empty != slots.end()) {
        *empty = static_cast<std::uint8_t>(kind);
    }
}

void TTakenPieces::Untake(int colour, int kind)
{
    if (!ValidSide(colour, kind)) {
        return;
    }
    if (Counts[colour][kind] < 1) {
        kind = engine::Pawn;
    }
    --Counts[colour][kind];
    auto& slots = Order[colour];
    const auto last = std::find(slots.rbegin(), slots.rend(), kind);
    if (last != slots.rend()) {
        // Later slots move up one.
        const auto at = std::prev(last.base());
        std::move(at + 1, slots.end(), at);
        slots.back() = 0;
    }
}

void TTakenPieces::Recount(const engine::BoardImage& board)
{
    for (int colour = 0; colour < 2; ++colour) {
        Counts[colour] = {0, 1, 1, 2, 2, 2, 8};
        Order[colour] = FullSet;
    }
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const engine::ImageCell& cell = board.At(file, rank);
            if (cell.Kind != engine::Empty) {
                Untake(cell.Colour, cell.Kind);
            }
        }
    }
}
