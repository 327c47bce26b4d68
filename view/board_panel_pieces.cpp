// Piece sprites: creating, finding, changing, the taken rows and redrawing
// the pieces from the record's working board.
#include <QCursor>
#include <QLabel>

#include "record/history.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "view/board_controls.h"
#include "view/board_panel.h"
#include "view/controls/line.h"
#include "view/piece_pictures.h"

#include <algorithm>

using engine::SquarePair;

namespace {

// Pure blue, 0x00BBGGRR.
constexpr TTransparentImage::TColor PieceKeyColour = 0x00FF0000;

// Movable pieces show whose they are by the pointer over them.
const QCursor& PiecePointer(int colour)
{
    static const QCursor white(Qt::OpenHandCursor);
    static const QCursor black(Qt::PointingHandCursor);
    return colour == engine::White ? white : black;
}

} // namespace

TPieceSprite::TPieceSprite(int code, QWidget* parent)
    : TTransparentImage(parent)
    , code(code)
{ }

void TPieceSprite::SetCode(int value)
{
    code = value;
}

void TPieceSprite::SetMovable(bool value)
{
    if (value == movable) {
        return;
    }
    movable = value;
    if (movable) {
        setCursor(PiecePointer(Colour()));
    } else {
        unsetCursor();
    }
}

const QImage& TBoardPanel::DisplayFrame(int colour, int kind)
{
    const QSize size = PieceSize();
    const qreal ratio = devicePixelRatioF();
    if (size != framesSize || ratio != framesRatio) {
        for (int i = 0; i < 12; ++i) {
            frames[i] = RenderPieceForScreen(pieceSetName, pieceBitmap, i / 6, i % 6 + 1, size, ratio);
        }
        framesSize = size;
        framesRatio = ratio;
    }
    static const QImage none;
    const int index = colour * 6 + kind - 1;
    return index >= 0 && index < 12 ? frames[index] : none;
}

void TBoardPanel::RefreshDisplayFrames()
{
    for (TPieceSprite* sprite : sprites) {
        sprite->SetDisplayPicture(DisplayFrame(sprite->Colour(), sprite->Kind()));
    }
}

// The cell of the set for the sprite's code, scaled to the piece size, and
// drawn for the screen's resolution.
void TBoardPanel::SetupPieceImage(TPieceSprite* sprite)
{
    sprite->SetFrames(6);
    sprite->SetFilmstrips(2);
    sprite->SetShowFrame(6 - sprite->Kind());
    sprite->SetShowFilmstrip(sprite->Colour());
    sprite->SetTransparentColor(PieceKeyColour);
    sprite->SetTransparent(true);
    if (Options.ScalePieces) {
        sprite->SetStretch(true);
    } else {
        sprite->SetAutoResize(true);
    }
    sprite->SetBitmain(pieceBitmap);
    sprite->resize(PieceSize());
    sprite->SetDisplayPicture(DisplayFrame(sprite->Colour(), sprite->Kind()));
}

void TBoardPanel::RefreshHint(TPieceSprite* sprite)
{
    if (!Options.ShowCaptions) {
        sprite->setToolTip(QString());
        return;
    }
    QString hint = ColouredPieceText(sprite->Colour(), sprite->Kind());
    if (sprite->Taken()) {
        hint += u' ' + MessageText(msg::HintTaken);
    } else {
        const SquarePair at = SquareOf(sprite);
        const int mark = at.File == 0 ? 0 : host.BoardRecord().Board.At(at.File, at.Rank).Mark;
        if (mark == 1 && Options.ShowAttacks) {
            hint += u' ' + MessageText(msg::HintAttacked);
        } else if (mark == 2 && Options.ShowJeopardies) {
            hint += u' ' + MessageText(msg::HintInJeopardy);
        }
    }
    sprite->setToolTip(hint);
}

TPieceSprite* TBoardPanel::CreatePiece(SquarePair square, int colour, int kind)
{
    auto* sprite = new TPieceSprite(PieceCode(colour, kind), this);
    SetupPieceImage(sprite);
    sprite->installEventFilter(this);
    sprites.push_back(sprite);
    PlacePiece(sprite, square);
    RefreshHint(sprite);
    RaiseOverlays();
    return sprite;
}

void TBoardPanel::InsertPieceAt(SquarePair square, int kind, int colour)
{
    if (kind != engine::Empty) {
        CreatePiece(square, colour, kind)->show();
    }
}

void TBoardPanel::PlacePiece(TPieceSprite* sprite, SquarePair square)
{
    const QPoint place = Geometry().PiecePlace(square, sprite->size());
    sprite->SpriteMove(place.x(), place.y());
}

// A sprite may be in use by a drag or a slide that called out to the host,
// so it is hidden at once and deleted once control is back in the loop.
void TBoardPanel::FreeSprite(TPieceSprite* sprite)
{
    sprites.erase(std::remove(sprites.begin(), sprites.end(), sprite), sprites.end());
    sprite->hide();
    sprite->removeEventFilter(this);
    sprite->deleteLater();
}

TPieceSprite* TBoardPanel::LocatePieceAt(SquarePair square) const
{
    TPieceSprite* found = nullptr;
    for (TPieceSprite* sprite : sprites) {
        if (!sprite->Taken() && SquareOf(sprite) == square) {
            found = sprite;
        }
    }
    return found;
}

void TBoardPanel::ChangePieceAt(SquarePair square, int kind)
{
    TPieceSprite* sprite = LocatePieceAt(square);
    if (sprite == nullptr) {
        return;
    }
    sprite->SetCode((sprite->Code() & ~7) | kind);
    SetupPieceImage(sprite);
    PlacePiece(sprite, square);
    RefreshHint(sprite);
}

void TBoardPanel::ClearBoard()
{
    const std::vector<TPieceSprite*> all = sprites;
    for (TPieceSprite* sprite : all) {
        if (!sprite->Taken()) {
            FreeSprite(sprite);
        }
    }
}

void TBoardPanel::ClearTakenPanel()
{
    const std::vector<TPieceSprite*> all = sprites;
    for (TPieceSprite* sprite : all) {
        if (sprite->Taken()) {
            FreeSprite(sprite);
        }
    }
}

void TBoardPanel::RedrawBoard()
{
    ClearBoard();
    const engine::BoardImage& board = host.BoardRecord().Board;
    for (int rank = 8; rank >= 1; --rank) {
        for (int file = 8; file >= 1; --file) {
            const engine::ImageCell& cell = board.At(file, rank);
            InsertPieceAt(
                {static_cast<std::uint8_t>(file), static_cast<std::uint8_t>(rank)}, cell.Kind, cell.Colour);
        }
    }
    // A new game or a new set-up position has no last move: the arrow of the
    // game before must not stay on the fresh board.
    const TGameRecord& record = host.BoardRecord();
    if (record.CurrentPly < record.StartPly) {
        HideMarkerLine();
    }
    UpdatePieces();
}

bool TBoardPanel::SpriteMayMove(const TPieceSprite* sprite) const
{
    if (host.GameMode() == TGameMode::BoardSetup) {
        return true;
    }
    const TGameRecord& record = host.BoardRecord();
    if (sprite->Taken() || sprite->Colour() != record.SideToMove() || !host.UserMayMove()) {
        return false;
    }
    const SquarePair at = SquareOf(sprite);
    const auto startsHere = [at](const engine::MoveRecord& move) { return move.Origin == at; };
    return std::any_of(record.LegalMoves.View().begin(), record.LegalMoves.View().end(), startsHere)
        || std::any_of(record.OpponentMoves.View().begin(), record.OpponentMoves.View().end(), startsHere);
}

void TBoardPanel::RefreshPointer(TPieceSprite* sprite)
{
    sprite->SetMovable(SpriteMayMove(sprite));
}

void TBoardPanel::UpdatePieces()
{
    RedrawSquares();
    for (TPieceSprite* sprite : sprites) {
        RefreshPointer(sprite);
    }
}

int TBoardPanel::TakenRowTop(int colour) const
{
    const int top = BoardHeight() + 4;
    return colour == engine::Black ? top : top + PieceSize().height() + 2;
}

// The taken sprites of a colour, left to right.
std::vector<TPieceSprite*> TBoardPanel::TakenRow(int colour) const
{
    std::vector<TPieceSprite*> row;
    for (TPieceSprite* sprite : sprites) {
        if (sprite->Taken() && sprite->Colour() == colour) {
            row.push_back(sprite);
        }
    }
    std::stable_sort(
        row.begin(), row.end(), [](const TPieceSprite* a, const TPieceSprite* b) { return a->x() < b->x(); });
    return row;
}

void TBoardPanel::TakePieceAt(SquarePair square)
{
    TPieceSprite* sprite = LocatePieceAt(square);
    if (sprite != nullptr && sprite->Kind() >= engine::King && sprite->Kind() <= engine::Pawn) {
        taken.Take(sprite->Colour(), sprite->Kind());
        TakePiece(sprite);
    }
}

// The row from the left at the taken-piece spacing; a row too long for the
// board area closes up so that no piece is pushed out of sight.
void TBoardPanel::LayTakenRow(int colour, const std::vector<TPieceSprite*>& row)
{
    const QSize piece = PieceSize();
    int spacing = TakenSpacing(piece);
    const int count = static_cast<int>(row.size());
    const int room = BoardWidth() - 8 - piece.width();
    if (count > 1 && (count - 1) * spacing > room) {
        spacing = std::max(room / (count - 1), 1);
    }
    for (int i = 0; i < count; ++i) {
        row[i]->SpriteMove(4 + i * spacing, TakenRowTop(colour));
    }
}

void TBoardPanel::TakePiece(TPieceSprite* sprite)
{
    const int colour = sprite->Colour();
    std::vector<TPieceSprite*> row = TakenRow(colour);
    row.erase(std::remove(row.begin(), row.end(), sprite), row.end());
    const int code = sprite->Code() & ~board_tag::TakenFlag;
    // In capture order it goes last; sorted, after every lower or equal code
    // (the king first).
    auto at = row.end();
    if (Options.SortTaken) {
        at = std::find_if(row.begin(), row.end(),
            [code](const TPieceSprite* other) { return (other->Code() & ~board_tag::TakenFlag) > code; });
    }
    row.insert(at, sprite);
    sprite->SetCode(code | board_tag::TakenFlag);
    LayTakenRow(colour, row);
    sprite->SetMovable(host.GameMode() == TGameMode::BoardSetup);
    sprite->setVisible(Options.ShowTaken);
    RefreshHint(sprite);
}

void TBoardPanel::ReplacePieceAt(SquarePair square, int kind, int colour)
{
    const int code = PieceCode(colour, kind) | board_tag::TakenFlag;
    std::vector<TPieceSprite*> row = TakenRow(colour);
    const auto found = std::find_if(row.rbegin(), row.rend(),
        [code](const TPieceSprite* candidate) { return candidate->Code() == code; });
    TPieceSprite* sprite = nullptr;
    if (found == row.rend()) {
        // Nothing of that kind lies in the row (the taken rows were
        // rebuilt since): the piece still has to come back.
        sprite = CreatePiece(square, colour, kind);
    } else {
        sprite = *found;
        row.erase(std::next(found).base());
        LayTakenRow(colour, row);
        sprite->SetCode(code & ~board_tag::TakenFlag);
        PlacePiece(sprite, square);
    }
    sprite->show();
    RefreshHint(sprite);
    if (kind >= engine::King && kind <= engine::Pawn) {
        taken.Untake(colour, kind);
    }
}

void TBoardPanel::RedrawTaken(bool recount)
{
    ClearTakenPanel();
    if (recount) {
        taken.Recount(host.BoardRecord().Board);
    }
    const auto add = [this](int colour, int kind) {
        TPieceSprite* sprite = CreatePiece({1, 1}, colour, kind);
        TakePiece(sprite);
    };
    for (int colour = 0; colour < 2; ++colour) {
        if (Options.SortTaken) {
            for (int kind = engine::King; kind <= engine::Pawn; ++kind) {
                for (int n = 0; n < taken.Counts[colour][kind]; ++n) {
                    add(colour, kind);
                }
            }
        } else {
            for (std::uint8_t kind : taken.Order[colour]) {
                if (kind != 0) {
                    add(colour, kind);
                }
            }
        }
    }
}

engine::BoardImage TBoardPanel::ImageFromSprites() const
{
    engine::BoardImage image {};
    for (const TPieceSprite* sprite : sprites) {
        const SquarePair at = SquareOf(sprite);
        if (!sprite->Taken() && at.File != 0) {
            engine::ImageCell& cell = image.At(at.File, at.Rank);
            cell.Kind = static_cast<std::uint8_t>(sprite->Kind());
            cell.Colour = static_cast<std::uint8_t>(sprite->Colour());
        }
    }
    return image;
}
