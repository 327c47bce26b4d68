// Writes a PGN library of made-up games for pgn_bench:
//   make_pgn_corpus GAMES FILE [SEED]
// Each game is random legal play from the standard position, entered into
// the game record so that every move text is the one the program writes,
// with the usual tags, and here and there a comment, a glyph, an
// annotation sign or a variation. The same seed gives the same file.
#include <QFile>
#include <QString>
#include <QStringList>

#include "engine/engine_interface.h"
#include "files/quiet_record_host.h"
#include "record/notation_writer.h"
#include "record/ply_text.h"

#include <cstdio>
#include <random>

namespace {

constexpr const char* Remarks[] = {"The only move.", "A quiet developing move that keeps every option open.",
    "Better was to castle first.", "White has the initiative.", "Black is fine here.",
    "Threatening to win the exchange on the next move.", "An interesting try (though not the best).",
    "Time trouble begins.", "The position is level, but both kings are a little exposed."};
constexpr const char* Signs[] = {"!", "?", "!?", "?!", "!!"};
constexpr const char* Names[] = {"Ann", "Bob", "Cal", "Dee", "Eve", "Fay", "Gus", "Hal", "Ida", "Jo"};

// Flows words into lines of at most 79 characters.
class TFlow {
public:
    explicit TFlow(QStringList& lines)
        : lines(lines)
    { }
    void Word(const QString& word)
    {
        if (!line.isEmpty() && line.size() + 1 + word.size() > 79) {
            Flush();
        }
        line += line.isEmpty() ? word : u' ' + word;
    }
    void Flush()
    {
        if (!line.isEmpty()) {
            lines << line;
            line.clear();
        }
    }

private:
    QStringList& lines;
    QString line;
};

class TCorpus {
public:
    explicit TCorpus(unsigned seed)
        : random(seed)
    { }

    QStringList Game(int number)
    {
        QStringList movetext;
        TFlow flow(movetext);
        const QString result = Play(flow);
        flow.Word(result);
        flow.Flush();
        QStringList lines = Tags(number, result);
        lines << QString();
        lines += movetext;
        lines << QString();
        return lines;
    }

private:
    int Below(int n) { return int(random() % unsigned(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    QString Name() { return QString::fromLatin1(Names[Below(int(std::size(Names)))]); }

    QStringList Tags(int number, const QString& result)
    {
        auto tag = [](const char* name, const QString& value) {
            return QStringLiteral("[%1 \"%2\"]").arg(QLatin1String(name), value);
        };
        return {tag("Event", QStringLiteral("Corpus Open %1").arg(number % 97)),
            tag("Site", QStringLiteral("Springfield")),
            tag("Date",
                QStringLiteral("20%1.%2.%3")
                    .arg(10 + number % 15)
                    .arg(1 + number % 12, 2, 10, QChar(u'0'))
                    .arg(1 + number % 28, 2, 10, QChar(u'0'))),
            tag("Round", QString::number(1 + number % 9)),
            tag("White", Name() + u' ' + QString::number(number)),
            tag("Black", Name() + u' ' + QString::number(number + 1)), tag("Result", result),
            tag("WhiteElo", QString::number(1200 + Below(1600))),
            tag("BlackElo", QString::number(1200 + Below(1600))),
            tag("ECO",
                QStringLiteral("%1%2").arg(QChar(u'A' + Below(5))).arg(Below(100), 2, 10, QChar(u'0'))),
            tag("TimeControl", QStringLiteral("40/7200:3600")), tag("Annotator", Name()),
            tag("EventDate", QStringLiteral("2010.01.01")), tag("Termination", QStringLiteral("normal"))};
    }

    // Random legal moves until the game ends or runs long enough; returns
    // the result word.
    QString Play(TFlow& flow)
    {
        host.commands.EnterFENPosition({});
        host.SetGameMode(TGameMode::Loading);
        const int length = 20 + Below(150);
        TGameRecord& record = host.record;
        bool numberDue = true;
        if (Chance(10)) {
            flow.Word(QStringLiteral("{%1}").arg(QLatin1String(Remarks[Below(int(std::size(Remarks)))])));
        }
        for (int ply = 0; ply < length && !host.GameOver() && record.LegalMoves.Count > 0; ++ply) {
            const TMoveList legal = record.LegalMoves;
            const int side = record.SideToMove();
            engine::MoveRecord move = legal.Moves[std::size_t(Below(legal.Count))];
            engine::MovePattern pattern {
                move.Piece, move.Origin.File, move.Origin.Rank, move.Destination.File, move.Destination.Rank};
            if (!engine::CompleteAndEnterMove(pattern)) {
                break;
            }
            host.AcceptLastMove();
            const int number = ply / 2 + 1;
            if (ply % 2 == 0) {
                flow.Word(QString::number(number) + u'.');
            } else if (numberDue) {
                flow.Word(QString::number(number) + QStringLiteral("..."));
            }
            numberDue = false;
            QString text = PlyText(record, 0, record.CurrentPly);
            if (Chance(3)) {
                text += QLatin1String(Signs[Below(int(std::size(Signs)))]);
            }
            flow.Word(text);
            if (Chance(5)) {
                flow.Word(u'$' + QString::number(1 + Below(20)));
            }
            if (Chance(4) && legal.Count > 1) {
                engine::MoveRecord other = legal.Moves[std::size_t(Below(legal.Count))];
                SetDisambiguation(other, legal);
                flow.Word(u'(' + QString::number(number)
                    + (side == engine::White ? QStringLiteral(".") : QStringLiteral("..."))
                    + FormatMove(0, other, side, true) + u')');
                numberDue = true;
            }
            if (Chance(14)) {
                flow.Word(QStringLiteral("{%1}").arg(QLatin1String(Remarks[Below(int(std::size(Remarks)))])));
                numberDue = true;
            }
        }
        if (record.GameStatus() == engine::StatusCheckmate) {
            return record.SideToMove() == engine::White ? QStringLiteral("0-1") : QStringLiteral("1-0");
        }
        if (host.GameOver()) {
            return QStringLiteral("1/2-1/2");
        }
        constexpr const char* Results[] = {"1-0", "0-1", "1/2-1/2", "*"};
        return QString::fromLatin1(Results[Below(4)]);
    }

    std::mt19937 random;
    TQuietRecordHost host;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_pgn_corpus GAMES FILE [SEED]\n");
        return 2;
    }
    const int games = std::atoi(argv[1]);
    const unsigned seed = argc > 3 ? unsigned(std::strtoul(argv[3], nullptr, 10)) : 1u;
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "make_pgn_corpus: cannot write %s\n", argv[2]);
        return 1;
    }
    TCorpus corpus(seed);
    for (int number = 1; number <= games; ++number) {
        QByteArray bytes;
        for (const QString& line : corpus.Game(number)) {
            bytes += line.toUtf8() + "\r\n";
        }
        file.write(bytes);
    }
    return file.flush() ? 0 : 1;
}
