// The xboard protocol, version 2: the engine keeps the game itself, plays
// the side to move after "go" or after the opponent's move (unless in
// force mode), and answers with "move e2e4".
#pragma once

#include "engine_program/game_position.h"
#include "engine_program/search_runner.h"
#include "engine_program/session.h"
#include "engine_program/time_budget.h"

#include <string>

namespace engine_program {

class XboardSession : public Session {
public:
    explicit XboardSession(Output& out);

    void HandleLine(std::string_view line) override;
    bool HandleWhileBusy(std::string_view line) override;
    void RefuseLongLine(std::string_view start) override;
    void InputEnded() override;
    bool Busy() const override { return Runner.Busy(); }
    void Step() override;
    bool QuitRequested() const override { return Quit; }

private:
    struct TimeControl {
        int MovesPerPeriod = 40; // 0: the whole game
        std::int64_t PeriodMs = 5 * 60 * 1000;
        std::int64_t IncrementMs = 0;
        std::int64_t FixedMs = 0; // "st": seconds per move instead
    };

    bool HandleGameCommand(const CommandLine& command);
    bool HandleSettingCommand(const CommandLine& command);
    void HandleOtherCommand(const CommandLine& command, std::string_view line);

    void NewGame();
    void SetBoard(std::string_view fen);
    void UserMove(std::string_view text);
    void MoveWhileThinkingAhead(std::string_view text);
    void TakeBack(int plies, std::string_view line);
    void SetLevel(std::string_view argument, std::string_view line);
    void SetSearchTime(std::string_view argument, std::string_view line);
    void SetDepth(std::string_view argument, std::string_view line);

    void StartThinking();
    void PlayFoundMove();
    void ClaimResultIfOver();
    void UpdateOwnClock(std::int64_t thinkingMs);
    void ReportProgress(bool force);
    SearchLimits LimitsForNextMove() const;

    Output& Out;
    GamePosition Position;
    SearchRunner Runner;
    TimeControl Control;
    std::int64_t OwnClockMs = Control.PeriodMs;
    int MaxDepth = 23;
    bool Force = false;
    bool GameOver = false;
    bool Post = false;
    bool Ponder = false;
    bool Quit = false;
    bool InputClosed = false; // no thinking ahead once nobody can answer
};

} // namespace engine_program
