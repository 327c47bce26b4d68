#pragma once

#include <QStringList>

#include "controller/main_form.h"
#include "settings/message_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>

// Drives the main window offscreen on fake time: the clocks read a "now"
// the test moves on, and the engine's ticks advance with the work it does,
// so searches end by their budgets without the test ever sleeping.
class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<TChessForm> MakeForm(const TStartSwitches& switches = {});
    // Moves the clocks' time on.
    static void Advance(int milliseconds);
    // Runs idle passes until the condition holds; false when it never did.
    static bool IdleUntil(TChessForm& form, const std::function<bool()>& done, int passes = 2000);
    // Idle passes until the computer's move is made and the next turn is
    // the user's (or the game is over).
    static bool IdleUntilUsersTurn(TChessForm& form);

    // Texts of the message boxes shown, and the answer every question gets.
    QStringList shown;
    TMsgButton answer = TMsgButton::Ok;

private:
    MessageBoxPresenter previousPresenter;
};

// What the game looks like from outside, to tell whether a command did
// anything at all.
struct GameSnapshot {
    TGameMode mode;
    TPlayKind playKind;
    bool gameOver;
    int endPly;
    int currentPly;
    int engineState;
    bool frozen;
    qsizetype messages;
    bool operator==(const GameSnapshot&) const = default;
};
GameSnapshot Snapshot(const TChessForm& form, const QStringList& shown);
void PrintTo(const GameSnapshot& snapshot, std::ostream* out);

// A position from pieces such as "Kg1": piece letter and square.
engine::BoardImage Position(
    std::initializer_list<const char*> white, std::initializer_list<const char*> black);
// No castling, no en passant square, no moves since the last capture.
engine::PositionState PlainState();
