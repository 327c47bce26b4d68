#pragma once

#include <QStringList>

#include "record/history.h"
#include "settings/message_box.h"
#include "view/board_panel.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <set>
#include <vector>

// Squares written "e4".
engine::SquarePair Sq(const char* name);

// A board from eight rows, rank 8 first: "KQRBNP" White, "kqrbnp" Black,
// "." empty.
engine::BoardImage BoardFromRows(const std::vector<const char*>& rows);

// The board's pieces as the same rows, for readable comparisons.
std::vector<std::string> RowsOf(const engine::BoardImage& board);

// The window's side of the board, recording what the panel tells it. A press
// on a piece starts a drag with the picture, as the window does.
class TFakeBoardHost : public TBoardHost {
public:
    TGameRecord record;
    TGameMode mode = TGameMode::Playing;
    bool userMayMove = true;
    TBoardPanel* panel = nullptr;
    // Squares a drag may be dropped on.
    std::set<std::pair<int, int>> acceptedTargets;

    std::vector<engine::SquarePair> squarePresses;
    std::vector<TPieceSprite*> piecePresses;
    int panelPresses = 0;
    int mouseUps = 0;
    int placeSounds = 0;
    std::vector<engine::SquarePair> dragOvers;
    std::vector<engine::SquarePair> drops;
    int endDrags = 0;
    std::optional<engine::BoardImage> rebuilt;

    const TGameRecord& BoardRecord() const override { return record; }
    TGameMode GameMode() const override { return mode; }
    bool UserMayMove() const override { return userMayMove; }
    void PlayPlaceSound() override { ++placeSounds; }
    void PieceMouseDown(TPieceSprite* sprite, Qt::MouseButton button) override;
    void SquareMouseDown(engine::SquarePair square, Qt::MouseButton) override
    {
        squarePresses.push_back(square);
    }
    void BoardPanelMouseDown(Qt::MouseButton) override { ++panelPresses; }
    void BoardMouseUp() override { ++mouseUps; }
    bool PieceDragOver(TPieceSprite*, engine::SquarePair target) override;
    // Makes the move on the board, as the window does after the engine
    // took it; notes whether the drag still showed at that moment.
    void PieceDragDrop(TPieceSprite* sprite, engine::SquarePair target) override;
    bool dragShownAtDrop = false;
    void PieceEndDrag(TPieceSprite*) override { ++endDrags; }
    void BoardRebuiltFromPictures(const engine::BoardImage& image) override { rebuilt = image; }
};

// A board panel on the generated "Modern" set with the English messages,
// default options and the message boxes collected instead of shown.
class BoardPanelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the record (and the engine) to the position, White to move unless
    // blackToMove, and lays the board out.
    void StartPosition(const engine::BoardImage* board = nullptr, bool blackToMove = false);
    // Saves the panel's picture as a PNG in the test's working folder.
    void SaveScreenshot(const QString& name);

    TFakeBoardHost host;
    std::unique_ptr<TBoardPanel> panel;
    QStringList shown;
    MessageBoxPresenter previousPresenter;
};
