#include "engine/eval.h"

#include "engine/attacks.h"
#include "engine/engine_state.h"
#include "engine/movegen.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace engine {

TEvaluation Eval;

namespace {

constexpr int CentreDistance[8] = {3, 2, 1, 0, 0, 1, 2, 3};
constexpr int Advance[8] = {0, 0, 0, 0, 1, 2, 4, 4};
constexpr int PawnFileFactor[8] = {0, 0, 2, 5, 6, 2, 0, 0};
constexpr int PawnRankBonus[8] = {0, 0, 0, 2, 4, 8, 30, 0};
constexpr int PassedBonus[8] = {0, 0, 10, 20, 40, 60, 70, 0};

constexpr int EndgameMaterial = 8192;
constexpr int MatingWeakerMaximum = 1536; // two bishops
constexpr int MatingAdvantageMinimum = 448; // rook minus bishop
constexpr int RookBehindPassedPawn = 16;
constexpr int BlockedBishop = 20;
constexpr int DoubledPenalty = 8;
constexpr int IsolatedPenalty = 20;
constexpr int IsolatedDoubledPenalty = 40;
constexpr int ShortCastlingBonus = 32;
constexpr int LongCastlingBonus = 4;
constexpr int BehindCapturePenalty = 32;

constexpr std::uint8_t FileBit(int file)
{
    return std::uint8_t(1u << file);
}
constexpr std::uint8_t Neighbours(std::uint8_t files)
{
    return std::uint8_t((files << 1) | (files >> 1));
}

// Pawn files of each colour by absolute rank.
struct PawnRanks {
    std::uint8_t Files[2][8];
};

PawnRanks CollectPawnRanks()
{
    PawnRanks ranks {};
    for (int colour = White; colour <= Black; ++colour) {
        for (int index = 0; index <= Pos.PieceLast[colour]; ++index) {
            const ListEntry& entry = Pos.PieceList[colour][index];
            if (entry.Kind == Pawn) {
                ranks.Files[colour][RankOf(entry.Square)] |= FileBit(FileOf(entry.Square));
            }
        }
    }
    return ranks;
}

void CountMaterial()
{
    Eval.TotalMaterial = 0;
    Eval.MaterialBalance = 0;
    for (int colour = White; colour <= Black; ++colour) {
        for (int index = 1; index <= Pos.PieceLast[colour]; ++index) {
            const int value = BaseValue[Pos.PieceList[colour][index].Kind];
            Eval.TotalMaterial += value;
            Eval.MaterialBalance += colour == White ? value : -value;
        }
    }
    Eval.Phase = std::max(0, Eval.TotalMaterial - EndgameMaterial) / 256;
    const int advantage = std::abs(Eval.MaterialBalance);
    Eval.Mating
        = (Eval.TotalMaterial - advantage) / 2 <= MatingWeakerMaximum && advantage >= MatingAdvantageMinimum;
}

void FillAttackValues()
{
    const int phaseWeight = Eval.Phase + 8;
    for (int square = 0; square < SquareCount; ++square) {
        if (!OnBoard(square)) {
            continue;
        }
        const int rank = RankOf(square);
        const int centre = std::max(0, 8 - 3 * (CentreDistance[rank] + CentreDistance[FileOf(square)]));
        Eval.AttackValue[White][square] = std::uint8_t(centre + Advance[rank] * 3 * phaseWeight / 32);
        Eval.AttackValue[Black][square] = std::uint8_t(centre + Advance[7 - rank] * 3 * phaseWeight / 32);
    }
    // Once a king can no longer castle short it stays in the open, and the
    // squares around it become worth attacking.
    for (int colour = White; colour <= Black; ++colour) {
        const Colour them = Other(Colour(colour));
        if ((CastlingAvailable(them) & CastleShort) || Eval.Phase == 0) {
            continue;
        }
        const int king = Pos.KingOf(them).Square;
        for (int index = 0; index < 8; ++index) {
            const int square = king + Directions[index];
            if (OnBoard(square)) {
                Eval.AttackValue[colour][square] += std::uint8_t(phaseWeight * 12 / 32);
            }
        }
    }
}

// The worth of the squares a slider of `kind` sees from `from`; squares
// behind a piece it cannot look through count half, and a pawn ends the ray.
int RayValue(Colour colour, int from, int kind)
{
    const int first = kind == Rook ? 0 : 4;
    int total = 0;
    for (int index = first; index < first + 4; ++index) {
        int sum = 0;
        bool screened = false;
        for (int square = from + Directions[index]; OnBoard(square); square += Directions[index]) {
            const int value = Eval.AttackValue[colour][square];
            sum += screened ? value / 2 : value;
            const int occupant = Pos.Board[square].Kind;
            if (occupant == Pawn) {
                break;
            }
            if (occupant != Empty && occupant != kind && occupant != Queen) {
                screened = true;
            }
        }
        total += sum / 4;
    }
    return total;
}

int KnightValue(Colour colour, int from, int centre)
{
    int sum = 0;
    for (int index = 8; index < 16; ++index) {
        const int square = from + Directions[index];
        if (OnBoard(square)) {
            sum += Eval.AttackValue[colour][square];
        }
    }
    return sum / 2 - 3 * centre;
}

int PawnPlacementBase(int relativeRank, int file)
{
    if (relativeRank == 0 || relativeRank == 7) {
        return 0;
    }
    return PawnFileFactor[file] * (relativeRank + 2) + PawnRankBonus[relativeRank] - 12;
}

int MatingKingValue(Colour colour, int square, Colour weaker)
{
    const int rank = RankOf(square);
    const int file = FileOf(square);
    if (colour == weaker) {
        // The lone king is driven towards the corners.
        const int edge = (rank == 0 || rank == 7) ? 16 : 0;
        return 128 - 16 * CentreDistance[RelativeRank(colour, rank)] - 12 * CentreDistance[file] - edge;
    }
    // The stronger king closes in on the lone king.
    const int target = Pos.KingOf(Other(colour)).Square;
    const int distance = std::abs(rank - RankOf(target)) + std::abs(file - FileOf(target));
    const int relative = RelativeRank(colour, rank);
    const bool outer = relative <= 1 || relative >= 6 || file == 0 || file == 7;
    return 128 - 4 * distance - (outer ? 16 : 0);
}

void FillPieceSquareValues()
{
    const Colour weaker = Eval.MaterialBalance >= 0 ? Black : White;
    for (int colour = White; colour <= Black; ++colour) {
        const Colour c = Colour(colour);
        for (int square = 0; square < SquareCount; ++square) {
            if (!OnBoard(square)) {
                continue;
            }
            const int relative = RelativeRank(c, RankOf(square));
            const int file = FileOf(square);
            const int centre = CentreDistance[relative] + CentreDistance[file];
            std::int16_t* table[7];
            for (int kind = King; kind <= Pawn; ++kind) {
                table[kind] = &Eval.PieceSquareTable[c][kind][square];
            }
            *table[Pawn] = std::int16_t(PawnPlacementBase(relative, file));
            if (Eval.Mating) {
                *table[King] = std::int16_t(MatingKingValue(c, square, weaker));
                *table[Queen] = *table[Rook] = *table[Bishop] = *table[Knight] = 0;
                continue;
            }
            const int rookRay = RayValue(c, square, Rook);
            const int bishopRay = RayValue(c, square, Bishop);
            *table[King] = std::int16_t(Eval.Phase > 0 ? 0 : -2 * centre);
            *table[Queen] = std::int16_t((rookRay + bishopRay) / 4);
            *table[Rook] = std::int16_t(rookRay);
            *table[Bishop] = std::int16_t(bishopRay);
            *table[Knight] = std::int16_t(KnightValue(c, square, centre));
        }
    }
}

void AddPawnPlacement(Colour us, const PawnRanks& ranks)
{
    const Colour them = Other(us);
    const auto filesAt = [&](Colour colour, int relative) -> std::uint8_t {
        return relative < 0 || relative > 7 ? 0 : ranks.Files[colour][us == White ? relative : 7 - relative];
    };
    const bool passedBonusApplies = !(Eval.Phase > 0 && them == Eval.RootSide);
    std::uint8_t free = 0xFF;
    std::uint8_t passedSeen = 0;
    for (int r = 1; r <= 6; ++r) {
        const std::uint8_t cur = filesAt(us, r);
        const std::uint8_t prev = r == 1 ? 0 : filesAt(us, r - 1);
        const std::uint8_t next = filesAt(us, r + 1);
        free &= std::uint8_t(~(prev | Neighbours(prev)));
        passedSeen |= filesAt(them, r) & free;
        const int rank = RelativeRank(us, r);
        for (int file = 0; file < 8; ++file) {
            const int square = MakeSquare(file, rank);
            const std::uint8_t bit = FileBit(file);
            const std::uint8_t sides = Neighbours(bit);
            // Pawns that stand side by side or guard each other are stronger.
            int bonus = (cur & sides) ? 6 : (prev & sides) ? 3 : 0;
            bonus += (next & std::uint8_t(bit << 1)) ? 3 : 0;
            bonus += (next & (bit >> 1)) ? 3 : 0;
            bonus += (cur & bit) ? 3 : 0;
            Eval.PieceSquareTable[us][Pawn][square] += std::int16_t(bonus);
            if (!passedBonusApplies) {
                continue;
            }
            if (free & bit) {
                Eval.PieceSquareTable[them][Pawn][square]
                    += std::int16_t(PassedBonus[RelativeRank(them, rank)]);
            }
            if (passedSeen & bit) {
                // Rooks belong behind passed pawns.
                for (int colour = White; colour <= Black; ++colour) {
                    Eval.PieceSquareTable[colour][Rook][square] += RookBehindPassedPawn;
                    if (r == 6) {
                        Eval.PieceSquareTable[colour][Rook][MakeSquare(file, RelativeRank(us, 7))]
                            += RookBehindPassedPawn;
                    }
                }
            }
        }
    }
}

// A bishop in front of its own centre pawn blocks it.
void PenaliseBlockingBishops()
{
    struct Block {
        Colour Side;
        int PawnSquare;
        int BishopSquare;
    };
    constexpr Block Blocks[4]
        = {{White, 0x13, 0x23}, {White, 0x14, 0x24}, {Black, 0x63, 0x53}, {Black, 0x64, 0x54}};
    for (const Block& block : Blocks) {
        const Cell& cell = Pos.Board[block.PawnSquare];
        if (cell.Kind == Pawn && cell.Colour == block.Side) {
            Eval.PieceSquareTable[block.Side][Bishop][block.BishopSquare] -= BlockedBishop;
        }
    }
}

void FillRootPawnSummaries()
{
    for (int colour = White; colour <= Black; ++colour) {
        PawnSummary summary {0, 0};
        for (int index = 0; index <= Pos.PieceLast[colour]; ++index) {
            const ListEntry& entry = Pos.PieceList[colour][index];
            const int relative = RelativeRank(Colour(colour), RankOf(entry.Square));
            if (entry.Kind != Pawn || relative < 1 || relative > 6) {
                continue;
            }
            const std::uint8_t bit = FileBit(FileOf(entry.Square));
            summary.DoubledFiles |= summary.PawnFiles & bit;
            summary.PawnFiles |= bit;
        }
        Eval.Pawns[0][colour] = summary;
    }
}

int SideValue(Colour colour)
{
    int sum = PawnStructureValue(Eval.Pawns[0][colour]);
    for (int index = 0; index <= Pos.PieceLast[colour]; ++index) {
        const ListEntry& entry = Pos.PieceList[colour][index];
        if (entry.Kind != Empty) {
            sum += PieceValue(entry.Kind, colour, entry.Square);
        }
    }
    return sum;
}

// The change of a colour's pawn-structure value when a pawn leaves `from`.
int RemovePawn(PawnSummary& summary, int from)
{
    const int before = PawnStructureValue(summary);
    const std::uint8_t f = FileBit(from);
    summary.PawnFiles = std::uint8_t((summary.PawnFiles & ~f) | summary.DoubledFiles);
    summary.DoubledFiles &= std::uint8_t(~f);
    return PawnStructureValue(summary) - before;
}

// The change when a pawn goes from file `from` to file `to` by a capture.
int ShiftPawn(PawnSummary& summary, int from, int to)
{
    const int before = PawnStructureValue(summary);
    const std::uint8_t f = FileBit(from);
    const std::uint8_t t = FileBit(to);
    summary.DoubledFiles |= t & summary.PawnFiles;
    summary.PawnFiles = std::uint8_t((summary.PawnFiles & ~f) | summary.DoubledFiles | t);
    summary.DoubledFiles &= std::uint8_t(~f);
    return PawnStructureValue(summary) - before;
}

} // namespace

void CalcPieceSquareTable()
{
    CountMaterial();
    FillAttackValues();
    FillPieceSquareValues();
    const PawnRanks ranks = CollectPawnRanks();
    AddPawnPlacement(White, ranks);
    AddPawnPlacement(Black, ranks);
    PenaliseBlockingBishops();
    FillRootPawnSummaries();
    Eval.RootValue = SideValue(Pos.Player) - SideValue(Pos.Opponent);
}

int PawnStructureValue(PawnSummary summary)
{
    const std::uint8_t isolated = summary.PawnFiles & std::uint8_t(~Neighbours(summary.PawnFiles));
    return -(DoubledPenalty * std::popcount(summary.DoubledFiles) + IsolatedPenalty * std::popcount(isolated)
        + IsolatedDoubledPenalty * std::popcount(std::uint8_t(isolated & summary.DoubledFiles)));
}

int MoveValue(const EngineMove& move)
{
    const int ply = Pos.MoveStackTop;
    const Colour us = Pos.Player;
    const Colour them = Pos.Opponent;
    PawnSummary* next = Eval.Pawns[ply + 1];
    int value = 0;
    if (move.IsCastling()) {
        value = PieceValue(Rook, us, CastlingRookTo(move.New))
            - PieceValue(Rook, us, CastlingRookFrom(move.New))
            + (move.New > move.Old ? ShortCastlingBonus : LongCastlingBonus);
    } else if (move.IsEnPassant()) {
        value = PieceValue(Pawn, them, move.New - PawnStep[us]);
    }
    if (move.Captured != Empty) {
        value += PieceValue(move.Captured, them, move.New);
        const int mainValue = Engine.MainValue;
        if (std::abs(mainValue) >= 256 && move.Captured != Pawn) {
            // The side that is behind should not trade pieces down.
            const Colour behind = mainValue < 0 ? Eval.RootSide : Other(Eval.RootSide);
            if (us == behind) {
                value -= BehindCapturePenalty;
            }
        }
    }
    next[White] = Eval.Pawns[ply][White];
    next[Black] = Eval.Pawns[ply][Black];
    if (move.IsPromotion()) {
        value += PieceValue(move.Piece, us, move.Old) - PieceValue(Pawn, us, move.Old)
            + RemovePawn(next[us], FileOf(move.Old));
    }
    if (move.Piece == Pawn && (move.Captured != Empty || move.Special)) {
        value += ShiftPawn(next[us], FileOf(move.Old), FileOf(move.New));
    }
    if (move.Captured == Pawn || move.IsEnPassant()) {
        value -= RemovePawn(next[them], FileOf(move.New));
    }
    return value + PieceValue(move.Piece, us, move.New) - PieceValue(move.Piece, us, move.Old);
}

} // namespace engine
