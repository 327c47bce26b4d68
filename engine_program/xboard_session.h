// The xboard protocol, version 2: the engine keeps the game itself, plays
// the side to move after "go" or after the opponent's move (unless in
// force mode), and answers with "move e2e4".
#pragma once

#include "engine_program/game_position.h"
#include "engine_program/search_runner.h"
#include "engine_program/session.h"
#include "engine_program/xboard_clock.h"

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
    bool HandleGameCommand(const CommandLine& command);
    bool HandleSettingCommand(const CommandLine& command);
    void HandleOtherCommand(const CommandLine& command, std::string_view line);

    void NewGame();
    void SetBoard(std::string_view fen);
    void UserMove(std::string_view text);
    void MoveWhileThinkingAhead(std::string_view text);
    void TakeBack(int plies, std::string_view line);
    void SetDepth(std::string_view argument, std::string_view line);

    void StartThinking();
    void PlayFoundMove();
    void ClaimResultIfOver();
    void ReportProgress(bool force);
    SearchLimits LimitsForNextMove() const;

    Output& Out;
    GamePosition Position;
    SearchRunner Runner;
    XboardClock Clock;
    int MaxDepth = 23;
    bool Force = false;
    bool GameOver = false;
    bool Post = false;
    bool Ponder = false;
    bool Quit = false;
    bool InputClosed = false; // no thinking ahead once nobody can answer
};

} // namespace engine_program
