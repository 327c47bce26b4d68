#pragma once

#include <QString>
#include <QStringList>

#include "files/pgn_game_list.h"
#include "files/pgn_movetext.h"
#include "text_printing.h"

#include <ostream>

// Test helpers: PGN lines from one literal ("\n" splits them, "\r" stays as
// a CRLF text leaves it), the scanner's tokens written out in one line
// ("# 1." a move number, "e4" a move, "{text}" a comment, "= 1-0" a result,
// "end@5" the end and the line it reports), and a game list as "text @line"
// for each game. Standard strings, so failures print as text.
inline QStringList PgnLines(const char* text)
{
    return QString::fromUtf8(text).split(u'\n');
}

inline std::string ScannedTokens(const QStringList& lines, qsizetype first = 0, qsizetype end = -1)
{
    TPgnMovetextScanner scanner(lines, first, end);
    QStringList out;
    for (int guard = 0; guard < 1000; ++guard) {
        const TPgnToken token = scanner.Next();
        switch (token.kind) {
        case TPgnTokenKind::Comment:
            out << u'{' + token.text + u'}';
            break;
        case TPgnTokenKind::MoveNumber:
            out << QStringLiteral("# ") + token.text;
            break;
        case TPgnTokenKind::Move:
            out << token.text;
            break;
        case TPgnTokenKind::Result:
            out << QStringLiteral("= ") + token.text;
            break;
        case TPgnTokenKind::End:
            out << QStringLiteral("end@") + QString::number(token.line);
            return out.join(u' ').toStdString();
        }
    }
    return "no end";
}

inline std::vector<std::string> ListedGames(const QList<TPgnGameEntry>& games)
{
    std::vector<std::string> out;
    for (const TPgnGameEntry& game : games) {
        out.push_back((game.text + QStringLiteral(" @") + QString::number(game.line)).toStdString());
    }
    return out;
}
