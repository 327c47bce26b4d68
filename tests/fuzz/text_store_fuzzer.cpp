// Any bytes loaded as a game file must give lines without line ends; each
// line must cut into pieces that respect the width unless a piece is one
// word, must match keys without failing, and its words must flow into lines
// no longer than the store's width unless a line is one word.
#include "files/game_info.h"
#include "files/key_lines.h"
#include "files/text_store.h"
#include "support/text_fields.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

bool HasBlank(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

void CutWhole(QString text, int width)
{
    while (!text.isEmpty()) {
        const qsizetype before = text.size();
        const QString piece = CutLine(text, width);
        // Only a text of blanks gives an empty piece, and nothing is left.
        Check(!piece.isEmpty() || text.isEmpty());
        Check(piece.size() <= std::max(width, 0) || !HasBlank(piece));
        Check(text.size() < before);
    }
}

void MatchEveryKind(const QString& line)
{
    QString rest = line;
    const QString word = NextToken(QStringLiteral(" "), rest);
    QString text;
    QChar letter;
    double real = 0;
    int number = 0;
    bool flag = false;
    TColour colour = 0;
    const QString key = QStringLiteral("Key");
    MatchKeyString(word, rest, key, text);
    MatchKeyChar(word, rest, key, letter);
    MatchKeyReal(word, rest, key, real);
    MatchKeyInteger(word, rest, key, number);
    MatchKeyFlag(word, rest, key, flag);
    MatchKeyColour(word, rest, key, colour);
    TInfoRec info;
    ReadInfoKey(info, word, rest);
}

void FlowWords(const QStringList& lines)
{
    TTextStore store;
    store.StoreBegin(QStringLiteral("x"));
    for (QString line : lines) {
        while (!line.isEmpty()) {
            store.StoreWriteWord(NextToken(QStringLiteral(" "), line));
        }
    }
    store.StoreFlushLine();
    for (const QString& line : store.Lines()) {
        Check(line.size() <= TTextStore::LineWidth || !line.contains(u' '));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = DecodeFileLines(bytes);
    const int width = size > 0 ? data[0] % 90 - 5 : 0;
    for (const QString& line : lines) {
        Check(!line.contains(u'\r') && !line.contains(u'\n'));
        CutWhole(line, width);
        MatchEveryKind(line);
    }
    FlowWords(lines);
    return 0;
}
