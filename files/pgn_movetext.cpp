#include "files/pgn_movetext.h"

#include "files/pgn_tags.h"

namespace {

// Characters that end a word even without a blank: "e4{good}", "e4(e5)".
bool EndsWord(QChar c)
{
    return IsPgnBlank(c) || c == u'{' || c == u'}' || c == u'(' || c == u')' || c == u'[' || c == u']'
        || c == u';' || c == u'$';
}

bool EndsWith(QStringView word, QStringView ending)
{
    return word.endsWith(ending, Qt::CaseInsensitive);
}

// Whether nothing is left once check, mate and annotation signs and the
// "ch" and "e.p." endings are taken off: "+", "!?", "e.p.", "...".
bool OnlySigns(const QString& word)
{
    QString rest = word;
    rest.remove(u'.');
    for (;;) {
        if (rest.isEmpty()) {
            return true;
        }
        const QChar last = rest.back();
        if (last == u'+' || last == u'#' || last == u'!' || last == u'?') {
            rest.chop(1);
        } else if (EndsWith(rest, u"ch") || EndsWith(rest, u"ep")) {
            rest.chop(2);
        } else {
            return false;
        }
    }
}

bool IsResult(const QString& word)
{
    return word == u"1-0" || word == u"0-1" || word == u"1/2-1/2" || word == u"*";
}

bool IsMoveNumber(const QString& word)
{
    qsizetype i = 0;
    while (i < word.size() && word[i].isDigit()) {
        ++i;
    }
    return i > 0 && i < word.size() && QStringView(word).sliced(i).count(u'.') == word.size() - i;
}

// The word ends after the first run of dots, so "12.Nf3" gives "12." then
// "Nf3"; the dots of an "e.p." ending belong to the move before them.
qsizetype WordEnd(const QString& text, qsizetype begin, qsizetype end)
{
    for (qsizetype i = begin; i < end; ++i) {
        if (text[i] != u'.') {
            continue;
        }
        const bool enPassant
            = i > begin && text[i - 1].toLower() == u'e' && i + 1 < end && text[i + 1].toLower() == u'p';
        if (enPassant) {
            continue;
        }
        while (i < end && text[i] == u'.') {
            ++i;
        }
        return i;
    }
    return end;
}

} // namespace

TPgnMovetextScanner::TPgnMovetextScanner(const QStringList& lines, qsizetype first, qsizetype end)
    : lines(lines)
    , nextLine(qMax<qsizetype>(first, 0))
    , endLine(end < 0 || end > lines.size() ? lines.size() : end)
{ }

TPgnToken TPgnMovetextScanner::Make(TPgnTokenKind kind, const QString& word) const
{
    return {kind, word, lineIndex};
}

TPgnToken TPgnMovetextScanner::Next()
{
    TPgnToken token;
    while (!ended) {
        if (pos >= text.size()) {
            ReadNextLine();
        } else if (open != TOpen::None) {
            if (ContinueOpen(token)) {
                return token;
            }
        } else if (ReadItem(token)) {
            return token;
        }
    }
    return endToken;
}

void TPgnMovetextScanner::ReadNextLine()
{
    text.clear();
    pos = 0;
    if (nextLine >= endLine || IsEventTag(lines[nextLine])) {
        ended = true;
        endToken = {TPgnTokenKind::End, {}, qMin(nextLine, endLine)};
        return;
    }
    lineIndex = nextLine++;
    if (!IsEscapeLine(lines[lineIndex])) {
        text = TrimPgnLine(lines[lineIndex]).toString();
    }
}

// A variation, comment or tag left open on an earlier line: look for its
// closing character on this one.
bool TPgnMovetextScanner::ContinueOpen(TPgnToken& token)
{
    if (open == TOpen::Variation) {
        SkipVariation();
        return false;
    }
    const QChar closing = open == TOpen::Comment ? u'}' : u']';
    const qsizetype close = text.indexOf(closing, pos);
    const QString piece = text.mid(pos, close < 0 ? -1 : close - pos).trimmed();
    const bool comment = open == TOpen::Comment;
    if (close < 0) {
        pos = text.size();
    } else {
        pos = close + 1;
        open = TOpen::None;
    }
    if (comment && !piece.isEmpty()) {
        token = Make(TPgnTokenKind::Comment, piece);
        return true;
    }
    return false;
}

// Passes over a variation from pos up to the ")" closing the outermost "(",
// or to the end of the line when it stays open. Parentheses inside braces
// and after a ";" are comment text.
void TPgnMovetextScanner::SkipVariation()
{
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (braceInVariation) {
            braceInVariation = c != u'}';
        } else if (c == u'{') {
            braceInVariation = true;
        } else if (c == u';') {
            pos = text.size();
            return;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')' && --depth == 0) {
            ++pos;
            open = TOpen::None;
            return;
        }
    }
}

bool TPgnMovetextScanner::ReadItem(TPgnToken& token)
{
    while (pos < text.size() && IsPgnBlank(text[pos])) {
        ++pos;
    }
    if (pos >= text.size()) {
        return false;
    }
    const QChar c = text[pos];
    if (c == u'$') {
        // A numeric annotation glyph.
        ++pos;
        while (pos < text.size() && text[pos].isDigit()) {
            ++pos;
        }
        return false;
    }
    if (c == u'(') {
        open = TOpen::Variation;
        depth = 0;
        braceInVariation = false;
        SkipVariation();
        return false;
    }
    if (c == u';') {
        const QString rest = text.mid(pos + 1).trimmed();
        pos = text.size();
        if (rest.isEmpty()) {
            return false;
        }
        token = Make(TPgnTokenKind::Comment, rest);
        return true;
    }
    if (c == u'[' || c == u'{') {
        ++pos;
        open = c == u'[' ? TOpen::Tag : TOpen::Comment;
        return ContinueOpen(token);
    }
    if (c == u')' || c == u'}' || c == u']') {
        // A closing bracket with nothing open: a slip of the writer.
        ++pos;
        return false;
    }
    return ReadWord(token);
}

bool TPgnMovetextScanner::ReadWord(TPgnToken& token)
{
    qsizetype end = pos;
    while (end < text.size() && !EndsWord(text[end])) {
        ++end;
    }
    end = WordEnd(text, pos, end);
    QString word = text.mid(pos, end - pos);
    pos = end;
    if (IsResult(word)) {
        token = Make(TPgnTokenKind::Result, word);
        return true;
    }
    if (OnlySigns(word)) {
        return false;
    }
    if (IsMoveNumber(word)) {
        token = Make(TPgnTokenKind::MoveNumber, word);
        return true;
    }
    while (word.endsWith(u'!') || word.endsWith(u'?')) {
        word.chop(1);
    }
    token = Make(TPgnTokenKind::Move, word);
    return true;
}
