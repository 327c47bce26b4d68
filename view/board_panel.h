#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "engine/types.h"
#include "record/game_modes.h"
#include "view/board_geometry.h"
#include "view/controls/transparent_image.h"
#include "view/taken_pieces.h"

#include <array>
#include <vector>

class QLabel;
class QTimer;
class TBoardSquare;
class TGameRecord;
class TLine;
class TMoveCursorFrame;

// Tags of the board's controls. Hit-testing, redrawing and the self-check
// pick controls by them; a control with a tag of 256 or more, or with the
// taken flag, counts as off the board for a drop.
namespace board_tag {
inline constexpr int LightSquare = 0;
inline constexpr int DarkSquare = 8;
inline constexpr int TakenFlag = 16;
inline constexpr int DragFlag = 32;
inline constexpr int Background = 64;
inline constexpr int Bevel = 128;
inline constexpr int Panel = 256;
inline constexpr int FileLabel = 257;
inline constexpr int MoveCursor = 257;
inline constexpr int RankLabel = 258;
inline constexpr int PlayerLabel = 259;
inline constexpr int FreezePanel = 512;
} // namespace board_tag

// colour * 8 + kind (1 king .. 6 pawn), plus TakenFlag in the taken rows.
inline constexpr int PieceCode(int colour, int kind)
{
    return colour * 8 + kind;
}

// One piece picture on the board or in the taken rows.
class TPieceSprite : public TTransparentImage {
    Q_OBJECT

public:
    explicit TPieceSprite(int code, QWidget* parent = nullptr);

    int Code() const { return code; }
    void SetCode(int value);
    int Kind() const { return code & 7; }
    int Colour() const { return (code >> 3) & 1; }
    bool Taken() const { return (code & board_tag::TakenFlag) != 0; }
    // Whether the user may pick it up now (the pointer over it says so).
    bool Movable() const { return movable; }
    void SetMovable(bool value);

private:
    int code = 0;
    bool movable = false;
};

// What the board needs from its owner, the main window: the game it shows,
// whether the user may move, and what to do with presses, drags and drops.
// The panel does the hit-testing and moves the drag picture; the owner
// decides what the input means.
class TBoardHost {
public:
    virtual ~TBoardHost() = default;

    // The record whose working board, marks and move lists are shown.
    virtual const TGameRecord& BoardRecord() const = 0;
    virtual TGameMode GameMode() const = 0;
    // Not the computer's turn, GameOver clear, not Demonstration.
    virtual bool UserMayMove() const = 0;
    // After a slide, unless Loading or QuickReplay.
    virtual void PlayPlaceSound() { }

    // Presses. A press on the marker arrow arrives as a press on the piece
    // or square under it. square.File == 0 means the panel's margin.
    virtual void PieceMouseDown(TPieceSprite* sprite, Qt::MouseButton button) = 0;
    virtual void SquareMouseDown(engine::SquarePair square, Qt::MouseButton button) = 0;
    virtual void BoardPanelMouseDown(Qt::MouseButton button) = 0;
    // A release on a square, piece or the arrow.
    virtual void BoardMouseUp() = 0;

    // A drag started with TBoardPanel::StartDrag. target.File == 0 means
    // off the board (margin, labels, taken rows).
    virtual bool PieceDragOver(TPieceSprite* sprite, engine::SquarePair target) = 0;
    virtual void PieceDragDrop(TPieceSprite* sprite, engine::SquarePair target) = 0;
    virtual void PieceEndDrag(TPieceSprite* sprite) = 0;

    // The self-check found pictures and working board apart and took the
    // pictures as the truth: the record and the engine take this board.
    virtual void BoardRebuiltFromPictures(const engine::BoardImage& image) = 0;
};

// The board area of the main window: 64 squares, a sprite per piece, the
// coordinate and player labels, the taken rows, the move arrow, the keyboard
// cursor, the drag picture and the "Game Frozen" cover. Sizes come from the
// live Options (SquareSize, EdgeSize, ShowPlayers, ShowTaken, ScalePieces,
// BoardRotated ...). All coordinates are in the panel's own pixels.
class TBoardPanel : public QWidget {
    Q_OBJECT

public:
    explicit TBoardPanel(TBoardHost& host, QWidget* parent = nullptr);
    ~TBoardPanel() override;

    // The piece-set picture (six frames across, White row above Black,
    // pure blue see-through). False when the file is missing: the caller
    // reports message 1016 with fileName and closes.
    bool LoadPieceSet(QString* fileName = nullptr);
    const QImage& PieceBitmap() const { return pieceBitmap; }

    // Geometry of the board as the options give it.
    int SquareSize() const;
    int EdgeSize() const;
    int TopEdge() const;
    int BoardWidth() const;
    int BoardHeight() const;
    int TakenHeight() const;
    QSize PieceSize() const;
    QRect SquareRect(engine::SquarePair square) const;
    // File 0 when the point is outside the squares.
    engine::SquarePair SquareAt(QPoint point) const;

    // Places squares, labels, cursor, texture, frames and cover for the
    // current options, then redraws the pieces and the taken rows.
    void ResizeBoard();

    // Redrawing from the record's working board.
    void RedrawBoard();
    void RedrawTaken(bool recount);
    void RedrawSquares();
    void UpdatePieces();
    void RedrawBackground();
    void ClearBoard();
    void ClearTakenPanel();
    void RotateBoard();
    // Player names over and under the board.
    void SetPlayerNames(const QString& white, const QString& black);
    QLabel* WhiteLabel() const { return whiteLabel; }
    QLabel* BlackLabel() const { return blackLabel; }

    // Pieces.
    TPieceSprite* CreatePiece(engine::SquarePair square, int colour, int kind);
    void InsertPieceAt(engine::SquarePair square, int kind, int colour);
    TPieceSprite* LocatePieceAt(engine::SquarePair square) const;
    QWidget* LocateSquareAt(engine::SquarePair square) const;
    engine::SquarePair SquareOf(const QWidget* control) const;
    void ChangePieceAt(engine::SquarePair square, int kind);
    void TakePieceAt(engine::SquarePair square);
    void TakePiece(TPieceSprite* sprite);
    void ReplacePieceAt(engine::SquarePair square, int kind, int colour);
    // Slides the piece; false (after message 1012) when no piece stood there.
    bool MovePieceAt(engine::SquarePair from, engine::SquarePair to);
    // Puts a piece on another square without a slide (board set-up).
    void PlacePiece(TPieceSprite* sprite, engine::SquarePair square);
    const std::vector<TPieceSprite*>& Sprites() const { return sprites; }

    // A made move and a move taken back, shown on the board.
    void BoardExecuteMove(const engine::MoveRecord& move);
    void BoardRetractMove(const engine::MoveRecord& move);

    void UpdateMarkerLine(engine::SquarePair from, engine::SquarePair to);
    void HideMarkerLine();
    bool MarkerVisible() const;

    // Highlighting, drawn over the square in an inverting mode.
    void HighlightSquare(engine::SquarePair square);
    void ResetSquare(engine::SquarePair square);
    void ResetSquares();
    bool Highlighted(engine::SquarePair square) const;

    // The keyboard cursor: remembers its square while hidden.
    void ShowMoveCursor();
    void HideMoveCursor();
    bool MoveCursorVisible() const;
    engine::SquarePair MoveCursorSquare() const;
    // Moves it one square on the screen (dx right, dy down), wrapping.
    void StepMoveCursor(int dx, int dy);

    // The square that flashes while a piece is picked for a two-click move.
    void StartFlash(engine::SquarePair square);
    void StopFlash();

    // Starts a drag of the sprite at once; with picture the drag picture
    // follows the pointer and the sprite is hidden. The host is asked about
    // every square passed over and told of the drop and the end.
    void StartDrag(TPieceSprite* sprite, bool picture);
    bool Dragging() const;
    void CancelDrag();

    // The "Game Frozen" cover.
    void SetFrozenCover(bool visible);

    // The pieces as the board shows them (set-up reads the position here).
    engine::BoardImage ImageFromSprites() const;
    // The self-check of pictures against the record's working board
    // (reports only with Debug); true when anything was found, after which
    // the host has been told of a rebuilt board and the pieces redrawn.
    bool DebugBoard();

    // The counts and order of the taken pieces behind the taken rows.
    const TTakenPieces& Taken() const { return taken; }
    TBoardGeometry Geometry() const;
    // The panel's own controls, for the window's layout and for tests.
    TLine* MarkerLine() const { return markerLine; }
    TPieceSprite* DragPicture() const { return dragPiece; }
    // Where the frame that shows the keyboard focus is drawn.
    QRect FocusRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void PlaceSquares();
    void PlaceLabels();
    void PlacePlayerLabels();
    void PlaceCover();
    void SetupPieceImage(TPieceSprite* sprite);
    void RefreshHint(TPieceSprite* sprite);
    void RefreshPointer(TPieceSprite* sprite);
    bool SpriteMayMove(const TPieceSprite* sprite) const;
    const QImage& DisplayFrame(int colour, int kind);
    void RefreshDisplayFrames();
    void FreeSprite(TPieceSprite* sprite);
    std::vector<TPieceSprite*> TakenRow(int colour) const;
    int TakenRowTop(int colour) const;
    void LayTakenRow(int colour, const std::vector<TPieceSprite*>& row);
    void PlaceMarker();
    // The arrow, the keyboard cursor, the drag picture and the cover stay
    // over the pieces.
    void RaiseOverlays();
    void AnimateSlide(TPieceSprite* sprite, QPoint from, QPoint to);
    void PlaceMoveCursor();
    void FlashTimerTimer();
    TBoardSquare* ShapeAt(engine::SquarePair square) const;
    bool HandlePress(QWidget* control, QMouseEvent* event);
    void DragMoveTo(QPoint point);
    void DragDropAt(QPoint point);
    void EndDrag();
    void StopDragging();
    void FinishDrag(TPieceSprite* sprite);
    bool ReportProblem(const QString& text, bool& first);

    TBoardHost& host;
    QImage pieceBitmap;
    std::vector<TPieceSprite*> sprites;
    QString pieceSetName;
    TTakenPieces taken;
    std::array<TBoardSquare*, 64> squares {};
    TTransparentImage* background = nullptr;
    TLine* markerLine = nullptr;
    TMoveCursorFrame* moveCursor = nullptr;
    std::array<QLabel*, 16> fileLabels {};
    std::array<QLabel*, 16> rankLabels {};
    QLabel* whiteLabel = nullptr;
    QLabel* blackLabel = nullptr;
    QLabel* freezePanel = nullptr;
    TPieceSprite* dragPiece = nullptr;
    QTimer* flashTimer = nullptr;
    engine::SquarePair markerFrom {0, 0};
    engine::SquarePair markerTo {0, 0};
    engine::SquarePair cursorSquare {5, 2};
    engine::SquarePair flashSquare {0, 0};
    QPointer<TPieceSprite> dragSprite;
    // Where the last press landed, in the panel: the drag picture starts
    // centred there.
    QPoint pressPoint {-1, -1};
    // Frames drawn at the screen's resolution for the current piece size.
    std::array<QImage, 12> frames;
    QSize framesSize;
    qreal framesRatio = 0;
};
