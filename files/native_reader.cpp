#include "files/key_lines.h"
#include "files/line_words.h"
#include "files/native_file.h"
#include "files/native_layout.h"
#include "files/piece_lines.h"
#include "record/position_reader.h"
#include "settings/game_settings.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"

#include <algorithm>

using namespace engine;

namespace {

enum class TSection { Header, Board, Settings, Moves };

// A start ply past the last move number a position may carry would let a
// file of many FirstMove lines run the counter over.
constexpr int MaxStartPly = 2 * MaxMoveNumber - 1;
// The same bound the FEN reader keeps, so the engine's counter cannot overflow.
constexpr int MaxFiftyMoveCount = 100000;

bool IsLine(const QString& line, const char16_t* text)
{
    return line.compare(QStringView(text), Qt::CaseInsensitive) == 0;
}

TSection EnterSection(const QString& line, TSection section, TNativeGame& game)
{
    // The demonstration mark is the second pass's business and may stand
    // among the moves.
    if (IsLine(line, u"[DEMO]")) {
        return section;
    }
    if (IsLine(line, u"[WHITE TO PLAY]") || IsLine(line, u"[BLACK TO PLAY]")) {
        game.startPly = IsLine(line, u"[BLACK TO PLAY]") ? 1 : 0;
        return section;
    }
    if (IsLine(line, u"[BOARD]")) {
        game.boardGiven = true;
        return TSection::Board;
    }
    if (IsLine(line, u"[SETTINGS]")) {
        return TSection::Settings;
    }
    // Comment text in the moves section is nobody's key: a comment piece
    // beginning "White:" must not rename the player.
    if (IsLine(line, u"[MOVES]")) {
        return TSection::Moves;
    }
    return TSection::Header;
}

// Clocks were written with the decimal separator of the writer's system, so
// a comma is read as the point.
bool MatchClock(const TLineWords& words, const QString& key, bool& given, double& days)
{
    QString value = words.rest;
    value.replace(u',', u'.');
    if (!MatchKeyReal(words.word, value, key, days)) {
        return false;
    }
    days = std::max(days, 0.0);
    given = true;
    return true;
}

void ReadHeaderLine(const TLineWords& words, TNativeGame& game)
{
    if (MatchClock(words, QStringLiteral("WhiteTime"), game.whiteTimeGiven, game.whiteDays)
        || MatchClock(words, QStringLiteral("BlackTime"), game.blackTimeGiven, game.blackDays)) {
        return;
    }
    if (MatchKeyFlag(words.word, words.rest, QStringLiteral("Rotated"), game.rotated)) {
        game.rotatedGiven = true;
        return;
    }
    int kind = 0;
    if (MatchKeyInteger(words.word, words.rest, QStringLiteral("GamePlay"), kind)) {
        // Only the kinds there are; anything else is no play kind at all.
        game.playKind = kind >= 0 && kind <= static_cast<int>(TPlayKind::TwoPlayer) ? kind : 0;
        return;
    }
    ReadInfoKey(game.info, words.word, words.rest);
}

void AddStartPly(TNativeGame& game, int plies)
{
    game.startPly = std::min(game.startPly + plies, MaxStartPly);
}

void ReadCastling(const QString& rest, PositionState& state)
{
    state.WhiteCastling = 0;
    state.BlackCastling = 0;
    for (const QString& word : rest.split(u' ', Qt::SkipEmptyParts)) {
        const QString right = word.toUpper();
        if (right == u"WK") {
            state.WhiteCastling |= CastleShort;
        } else if (right == u"WQ") {
            state.WhiteCastling |= CastleLong;
        } else if (right == u"BK") {
            state.BlackCastling |= CastleShort;
        } else if (right == u"BQ") {
            state.BlackCastling |= CastleLong;
        }
    }
}

// The state lines of the board section; false for any other line.
bool ReadStateLine(const TLineWords& words, TNativeGame& game)
{
    QString value;
    auto is
        = [&](const char* key) { return MatchKeyString(words.word, words.rest, QLatin1String(key), value); };
    if (is("FirstMove")) {
        bool ok = false;
        const int n = value.toInt(&ok);
        AddStartPly(game, 2 * (ok ? std::clamp(n, 1, MaxMoveNumber) : 1) - 2);
    } else if (is("Player")) {
        if (!value.isEmpty() && value[0].toUpper() == u'B') {
            AddStartPly(game, 1);
        }
    } else if (is("Castling")) {
        ReadCastling(value, game.state);
    } else if (is("EnPassant")) {
        // An unreadable square is no en-passant square rather than one off the board.
        SquarePair square {};
        game.state.EnPassant = ReadSquareText(value, square) ? square : SquarePair {};
    } else if (is("FiftyMove")) {
        bool ok = false;
        const int count = value.toInt(&ok);
        game.state.HalfMoves = ok ? std::clamp(count, 0, MaxFiftyMoveCount) : 0;
    } else {
        return false;
    }
    return true;
}

void ReadBoardLine(const TLineWords& words, TNativeGame& game)
{
    if (ReadStateLine(words, game) || ReadPieceLine(words.word, words.rest, game.board)) {
        return;
    }
    ErrorMessage(msg::BadBoardLine);
    ++game.badLines;
}

} // namespace

TNativeGame ReadNativeGame(const QStringList& lines)
{
    TNativeGame game;
    game.state = InitialState();
    TSection section = TSection::Header;
    for (const QString& text : lines) {
        const QString line = text.trimmed();
        // An indented line of the moves section continues a comment, even
        // when the text that wrapped there begins with "[".
        const bool commentText = section == TSection::Moves && native_layout::IsIndented(text);
        if (line.startsWith(u'[') && !commentText) {
            section = EnterSection(line, section, game);
            continue;
        }
        const TLineWords words = SplitFirstWord(line);
        switch (section) {
        case TSection::Header:
            ReadHeaderLine(words, game);
            break;
        case TSection::Board:
            ReadBoardLine(words, game);
            break;
        case TSection::Moves:
            break;
        case TSection::Settings:
            if (!line.isEmpty()) {
                game.settingsGiven = true;
                ReadGameSetting(words.word, words.rest);
            }
            break;
        }
    }
    return game;
}
