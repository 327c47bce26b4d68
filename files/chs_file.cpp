#include "files/chs_file.h"

#include "files/line_words.h"
#include "files/piece_lines.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"

namespace {

// Whether the line names a side; a side line also sets the side to move.
bool ReadSideLine(const QString& line, TChsPosition& position)
{
    if (line.startsWith(u"WHITE")) {
        if (line == u"WHITE TO PLAY") {
            position.blackToMove = false;
        }
        return true;
    }
    if (line.startsWith(u"BLACK")) {
        if (line == u"BLACK TO PLAY") {
            position.blackToMove = true;
        }
        return true;
    }
    return false;
}

} // namespace

TChsPosition ReadChsPosition(const QStringList& lines)
{
    TChsPosition position;
    for (const QString& text : lines) {
        const QString line = text.trimmed().toUpper();
        if (ReadSideLine(line, position)) {
            continue;
        }
        const TLineWords words = SplitFirstWord(line);
        if (!ReadPieceLine(words.word, words.rest, position.board)) {
            ErrorMessage(msg::BadBoardLine);
            ++position.badLines;
        }
    }
    return position;
}
