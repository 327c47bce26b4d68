#include "engine_program/move_text.h"

#include "engine/engine_interface.h"

namespace engine_program {

namespace {

bool IsFile(char c)
{
    return c >= 'a' && c <= 'h';
}

bool IsRank(char c)
{
    return c >= '1' && c <= '8';
}

std::uint8_t PromotionKind(char letter)
{
    switch (letter) {
    case 'q':
    case 'Q':
        return engine::Queen;
    case 'r':
    case 'R':
        return engine::Rook;
    case 'b':
    case 'B':
        return engine::Bishop;
    case 'n':
    case 'N':
        return engine::Knight;
    default:
        return engine::Empty;
    }
}

char PromotionLetter(std::uint8_t kind)
{
    constexpr char Letters[7] = {'?', 'k', 'q', 'r', 'b', 'n', 'p'};
    return kind < 7 ? Letters[kind] : '?';
}

void AppendSquare(std::string& text, engine::SquarePair square)
{
    text.push_back(char('a' + square.File - 1));
    text.push_back(char('0' + square.Rank));
}

} // namespace

std::optional<engine::MovePattern> ParseCoordinateMove(std::string_view text)
{
    if (text.size() < 4 || text.size() > 6 || !IsFile(text[0]) || !IsRank(text[1]) || !IsFile(text[2])
        || !IsRank(text[3])) {
        return std::nullopt;
    }
    engine::MovePattern pattern {engine::Empty, std::uint8_t(text[0] - 'a' + 1), std::uint8_t(text[1] - '0'),
        std::uint8_t(text[2] - 'a' + 1), std::uint8_t(text[3] - '0')};
    std::string_view rest = text.substr(4);
    if (!rest.empty() && rest.front() == '=') {
        rest.remove_prefix(1);
    }
    if (rest.size() > 1) {
        return std::nullopt;
    }
    if (rest.size() == 1) {
        pattern.Piece = PromotionKind(rest.front());
        if (pattern.Piece == engine::Empty) {
            return std::nullopt;
        }
    }
    return pattern;
}

std::string FormatCoordinateMove(const engine::MoveRecord& move)
{
    if (move.Piece == engine::Empty) {
        return "0000";
    }
    std::string text;
    AppendSquare(text, move.Origin);
    AppendSquare(text, move.Destination);
    if (move.SpecialKind == engine::SpecialPromotion) {
        text.push_back(PromotionLetter(move.Piece));
    }
    return text;
}

engine::MovePattern PatternOf(const engine::MoveRecord& move)
{
    const std::uint8_t piece
        = move.SpecialKind == engine::SpecialPromotion ? move.Piece : std::uint8_t(engine::Empty);
    return engine::MovePattern {
        piece, move.Origin.File, move.Origin.Rank, move.Destination.File, move.Destination.Rank};
}

CheckedMove CheckCoordinateMove(std::string_view text)
{
    const std::optional<engine::MovePattern> parsed = ParseCoordinateMove(text);
    if (!parsed) {
        return {};
    }
    CheckedMove checked {std::uint8_t(engine::CodeNoSuchMove), *parsed};
    if (checked.Pattern.Piece == engine::Empty) {
        // CompleteMove turns a bare pawn move to the last rank into a
        // queen promotion; for every other move it is the plain test.
        checked.Code = engine::CompleteMove(checked.Pattern) ? std::uint8_t(engine::CodeDone)
                                                             : engine::TestMove(checked.Pattern);
    } else {
        // A promotion letter is only meaningful on a pawn's promotion:
        // the pattern's piece would otherwise match a piece of that kind.
        engine::MoveRecord matches[2];
        const engine::MovePattern any {
            engine::Empty, parsed->OriginFile, parsed->OriginRank, parsed->DestFile, parsed->DestRank};
        engine::FindMoves(any, matches, 1);
        const bool promotes = matches[0].SpecialKind == engine::SpecialPromotion;
        checked.Code = promotes ? engine::TestMove(checked.Pattern) : std::uint8_t(engine::CodeNoSuchMove);
    }
    return checked;
}

} // namespace engine_program
