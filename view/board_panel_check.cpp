// The self-check of the pictures against the record's working board.
#include <QLabel>

#include "record/history.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "view/board_panel.h"
using engine::SquarePair;

namespace {

QString SquareName(SquarePair square)
{
    return QString(QChar(u'a' + square.File - 1)) + QChar(u'0' + square.Rank);
}

} // namespace

// Problems are shown only to someone debugging the program; the first of a
// check run comes after the heading that says what follows.
bool TBoardPanel::ReportProblem(const QString& text, bool& first)
{
    if (Debug) {
        if (first) {
            ErrorMessage(msg::BoardCheckHeading);
        }
        ErrorBox(text);
    }
    first = false;
    return true;
}

bool TBoardPanel::DebugBoard()
{
    bool first = true;
    bool found = false;
    if (dragPiece->isVisibleTo(this)) {
        found = ReportProblem(QStringLiteral("Internal Error V1: Drag piece is not hidden."), first);
        dragPiece->hide();
    }
    if (TPieceSprite* sprite = dragSprite.data()) {
        const QString name = ColouredPieceText(sprite->Colour(), sprite->Kind());
        found = ReportProblem(sprite->Taken()
                ? QStringLiteral("Internal Error D1: Taken %1 is still in drag mode.").arg(name)
                : QStringLiteral("Internal Error D2: %1 on %2 is still in drag mode.")
                      .arg(name, SquareName(SquareOf(sprite))),
            first);
        EndDrag();
    }
    const engine::BoardImage& board = host.BoardRecord().Board;
    bool layoutWrong = false;
    for (const TPieceSprite* sprite : sprites) {
        const SquarePair at = SquareOf(sprite);
        if (sprite->Taken() || at.File == 0) {
            continue;
        }
        const engine::ImageCell& cell = board.At(at.File, at.Rank);
        if (cell.Kind != sprite->Kind() || cell.Colour != sprite->Colour()) {
            layoutWrong
                = ReportProblem(QStringLiteral("Internal Error C1: %1 on %2 does not match internal board "
                                               "layout (board says %3 in that position).")
                                    .arg(ColouredPieceText(sprite->Colour(), sprite->Kind()), SquareName(at),
                                        ColouredPieceText(cell.Colour, cell.Kind)),
                    first);
        }
    }
    const engine::BoardImage shown = ImageFromSprites();
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const engine::ImageCell& cell = board.At(file, rank);
            const engine::ImageCell& picture = shown.At(file, rank);
            const bool differ
                = cell.Kind != picture.Kind || (cell.Kind != engine::Empty && cell.Colour != picture.Colour);
            if (differ) {
                const SquarePair at {static_cast<std::uint8_t>(file), static_cast<std::uint8_t>(rank)};
                layoutWrong
                    = ReportProblem(QStringLiteral("Internal Error B1: %1 on %2 does not match board window "
                                                   "(window says %3 in that position). Change internal board "
                                                   "layout?")
                                        .arg(ColouredPieceText(cell.Colour, cell.Kind), SquareName(at),
                                            ColouredPieceText(picture.Colour, picture.Kind)),
                        first);
            }
        }
    }
    if (layoutWrong) {
        // The pictures are what the user saw and played on: they win.
        host.BoardRebuiltFromPictures(shown);
    }
    found = found || layoutWrong;
    if (found) {
        RedrawBoard();
    }
    return found;
}
