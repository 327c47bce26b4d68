#include "tools/book/san_match.h"

#include "engine/board.h"

#include <string_view>

namespace book {

using namespace engine;

namespace {

struct Suffixed {
    std::string_view Body;
    std::string_view Suffix; // "", "+" or "#"
};

Suffixed SplitSuffix(std::string_view san)
{
    if (!san.empty() && (san.back() == '+' || san.back() == '#')) {
        return {san.substr(0, san.size() - 1), san.substr(san.size() - 1)};
    }
    return {san, {}};
}

bool IsFile(char c)
{
    return c >= 'a' && c <= 'h';
}

bool IsRank(char c)
{
    return c >= '1' && c <= '8';
}

// Shape of SAN: castling, or [piece][file][rank][x]square[=piece].
bool WellFormed(std::string_view body)
{
    if (body == "O-O" || body == "O-O-O") {
        return true;
    }
    if (body.size() >= 4 && body[body.size() - 2] == '=') {
        if (std::string_view("QRBN").find(body.back()) == std::string_view::npos) {
            return false;
        }
        body.remove_suffix(2);
    }
    if (body.size() < 2 || !IsFile(body[body.size() - 2]) || !IsRank(body.back())) {
        return false;
    }
    body.remove_suffix(2);
    if (!body.empty() && std::string_view("KQRBN").find(body.front()) != std::string_view::npos) {
        body.remove_prefix(1);
    }
    if (!body.empty() && body.back() == 'x') {
        body.remove_suffix(1);
    }
    if (!body.empty() && IsFile(body.front())) {
        body.remove_prefix(1);
    }
    if (!body.empty() && IsRank(body.front())) {
        body.remove_prefix(1);
    }
    return body.empty();
}

// The piece letter and destination (and promotion) of a move body, which
// names the candidates whatever disambiguation or capture mark was written.
std::string Target(std::string_view body)
{
    if (body.starts_with("O-O")) {
        return std::string(body);
    }
    std::string target;
    if (std::string_view("KQRBN").find(body.front()) != std::string_view::npos) {
        target += body.front();
    }
    const std::size_t promotion = body.find('=');
    const std::size_t squareEnd = promotion == std::string_view::npos ? body.size() : promotion;
    target += body.substr(squareEnd - 2);
    return target;
}

} // namespace

SanMatch MatchSan(const BookBoard& board, const std::string& token)
{
    const Suffixed written = SplitSuffix(token);
    if (!WellFormed(written.Body)) {
        return {NoMove, "not a well-formed move"};
    }
    int sameTarget = 0;
    std::string nearest; // the legal moves to the written target, by name
    for (const EngineMove& move : board.LegalMoves()) {
        const std::string san = board.San(move);
        const Suffixed proper = SplitSuffix(san);
        if (proper.Body == written.Body) {
            if (!written.Suffix.empty() && written.Suffix != proper.Suffix) {
                return {NoMove, "the move is written " + san};
            }
            return {move, {}};
        }
        if (Target(proper.Body) == Target(written.Body)) {
            ++sameTarget;
            nearest += (nearest.empty() ? "" : " or ") + san;
        }
    }
    if (sameTarget == 0) {
        return {NoMove, "illegal move"};
    }
    if (sameTarget == 1) {
        return {NoMove, "the move is written " + nearest};
    }
    return {NoMove, "ambiguous move: " + nearest};
}

} // namespace book
