#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TClockFace;
class TMoveGrid;

// What the status panel shows besides the clocks, as the options say.
struct TStatusLayout {
    bool ShowWorking = true;
    bool ShowComment = true;
    bool ShowNarration = true;
    bool ShowClocks = true;
};

// The longest texts each status box may have to show.
struct TStatusTexts {
    QStringList Turn;
    QStringList Mode;
    QStringList Search;
    QStringList Value;
};

// The right part of the main window: turn, mode, the three clocks, the move
// list, the computer's working (with the comment box over it), the message
// line, and in a second column the narration and the position box. Parts
// sit at their designed bounds; Arrange moves the lower ones with the
// panel's height. The panel knows nothing of the game: the window fills it.
class TStatusPanel : public QFrame {
    Q_OBJECT

public:
    explicit TStatusPanel(QWidget* parent = nullptr);

    // The left column's width (176) and the turn panel's height, the unit
    // of the clocks and the move list (20).
    int ColumnWidth() const;
    int UnitHeight() const;
    // Width the panel needs: one column, or two with the narration.
    int PanelWidth(bool narration) const;
    // The clocks start 4 below the mode box and take two units and 8.
    int ClocksTop() const;
    int ClocksHeight(bool shown) const;

    // Steps 8 and 9 of laying out the window, for the panel's current size.
    void Arrange(const TStatusLayout& layout);
    // The working panel shows only with three move rows and 6 pixels to
    // spare above it; the move list takes its room otherwise.
    void ResetWorkingPanel(bool showWorking, bool showComment);
    // Analogue: round faces left and right of the game clock; digital: the
    // game clock over the two player clocks, hundredths as asked.
    void ArrangeClocks(bool analogue, bool digital, bool hundredths);

    // Makes room for every text the status boxes may show at their fonts: a
    // text too wide for its box wraps, and the box grows to hold the tallest
    // of them, moving the parts below it down. The unit of the clocks and
    // the move list grows with the turn panel's font.
    void FitStatusTexts(const TStatusTexts& texts);

    // The side to move: 0 White, 1 Black; -1 paints the panel empty in the
    // panel's own colour (the game is over).
    void SetTurn(const QString& text, int colour);

    QLabel* TurnPanel() const { return turnPanel; }
    QFrame* ModeBevel() const { return modeBevel; }
    QLabel* ModeLabel() const { return modeLabel; }
    QLabel* AudioImage() const { return audioImage; }
    TClockFace* GameClockFace() const { return gameClock; }
    TClockFace* WhiteClockFace() const { return whiteClock; }
    TClockFace* BlackClockFace() const { return blackClock; }
    QFrame* MovesPanel() const { return movesPanel; }
    TMoveGrid* MoveList() const { return moveList; }
    QLineEdit* MoveEntry() const { return moveEntry; }
    QFrame* WorkingPanel() const { return workingPanel; }
    QLabel* SearchLabel() const { return searchLabel; }
    QLabel* ValueLabel() const { return valueLabel; }
    QLabel* BestLineLabel() const { return bestLineLabel; }
    QPlainTextEdit* CommentMemo() const { return commentMemo; }
    QFrame* MessagePanel() const { return messagePanel; }
    QPlainTextEdit* MessageMemo() const { return messageMemo; }
    QFrame* NarrateBevel() const { return narrateBevel; }
    QPlainTextEdit* NarrateMemo() const { return narrateMemo; }
    QFrame* LayoutBevel() const { return layoutBevel; }
    QPlainTextEdit* LayoutMemo() const { return layoutMemo; }

    // The four text boxes a user may read with the keyboard.
    bool IsMemo(const QWidget* widget) const;

signals:
    // A click on the panel itself, outside its parts: it presses the clock.
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void BuildLeftColumn();
    void BuildWorkingPanel();
    void BuildRightColumn();
    void PlaceMoveList();
    void FitWorkingLabels(const TStatusTexts& texts);

    // The turn panel's height at its font: the clocks and move rows are
    // measured in it.
    int unitHeight = 20;
    QLabel* turnPanel = nullptr;
    QFrame* modeBevel = nullptr;
    QLabel* modeLabel = nullptr;
    QLabel* audioImage = nullptr;
    TClockFace* gameClock = nullptr;
    TClockFace* whiteClock = nullptr;
    TClockFace* blackClock = nullptr;
    QFrame* movesPanel = nullptr;
    TMoveGrid* moveList = nullptr;
    QLineEdit* moveEntry = nullptr;
    QFrame* workingPanel = nullptr;
    QLabel* searchLabel = nullptr;
    QLabel* valueLabel = nullptr;
    QLabel* bestLineLabel = nullptr;
    QPlainTextEdit* commentMemo = nullptr;
    QFrame* messagePanel = nullptr;
    QPlainTextEdit* messageMemo = nullptr;
    QFrame* narrateBevel = nullptr;
    QPlainTextEdit* narrateMemo = nullptr;
    QFrame* layoutBevel = nullptr;
    QPlainTextEdit* layoutMemo = nullptr;
};
