#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// One game of a PGN text: its description for the list ("3. Casual Game at
// London on 2003.05.17 round 2; Smith vs Jones 1-0"), the line it starts on
// (its Event tag line; its first line when other tags come before the Event
// or it has none), and the line its movetext may start on (the one after the
// Event tag, or the first line of a game without one). A game ends where the
// next one starts.
struct TPgnGameEntry {
    QString text;
    qsizetype line = 0;
    qsizetype moves = 0;
};

struct TPgnGameList {
    QList<TPgnGameEntry> games;
    // Set when the cancel flag stopped the scan; the games are then those
    // found so far.
    bool cancelled = false;
};

// For long texts: report is called every `every` lines with the lines done
// and the total, and the scan stops soon after cancel becomes true.
struct TPgnListProgress {
    std::function<void(qsizetype done, qsizetype total)> report;
    const std::atomic_bool* cancel = nullptr;
    qsizetype every = 4096;
};

// Lists the games of a PGN text. A game begins at an Event tag line; tags
// after a game's moves begin a game even without an Event; and moves before
// the first tag make a game of their own (a whole text of moves without tags
// is one game), while comments alone there are a remark on the file. Every
// game gets an entry, so entry k is the k-th game; one with no Event value is
// described as "?" followed by the other tags it has.
TPgnGameList ListPgnGames(const QStringList& lines, const TPgnListProgress& progress = {});
