#pragma once

#include <QString>
#include <QStringList>

enum class TPgnTokenKind {
    // Text to add to the comment being built (one piece per line of a
    // comment that runs over several lines).
    Comment,
    // Digits and dots ("12." or "12..."): whether it is the number of the
    // move due is for the reader of the moves to decide.
    MoveNumber,
    // A move to enter, its "!"/"?" annotation dropped.
    Move,
    // "1-0", "0-1", "1/2-1/2" or "*".
    Result,
    // No more moves: the text ended or the next game starts; line is the
    // index of that game's first line, or the number of lines.
    End,
};

struct TPgnToken {
    TPgnTokenKind kind = TPgnTokenKind::End;
    QString text;
    qsizetype line = 0;
};

// Reads the movetext of one game from its lines, token by token. Variations,
// numeric annotations, tags and "%" lines are passed over; comments are
// handed out as text. Reading starts at the line given (the one after the
// game's Event tag, so moves standing there are read) and ends at the next
// Event tag line or at the line given as the end.
class TPgnMovetextScanner {
public:
    TPgnMovetextScanner(const QStringList& lines, qsizetype first, qsizetype end = -1);

    // The next token; End once there are no more, and End again after that.
    TPgnToken Next();

private:
    enum class TOpen { None, Variation, Comment, Tag };

    void ReadNextLine();
    bool ContinueOpen(TPgnToken& token);
    void SkipVariation();
    bool ReadItem(TPgnToken& token);
    bool ReadWord(TPgnToken& token);
    TPgnToken Make(TPgnTokenKind kind, const QString& text) const;

    const QStringList& lines;
    qsizetype nextLine;
    qsizetype endLine;
    qsizetype lineIndex = 0;
    QString text;
    qsizetype pos = 0;
    TOpen open = TOpen::None;
    // Open parentheses of a variation that runs over lines, and whether a
    // brace comment inside it is still open.
    int depth = 0;
    bool braceInVariation = false;
    bool ended = false;
    TPgnToken endToken;
};
