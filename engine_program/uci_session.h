// The UCI protocol: the GUI sends the whole position before every search
// and the engine answers each "go" with exactly one "bestmove".
#pragma once

#include "engine_program/game_position.h"
#include "engine_program/search_runner.h"
#include "engine_program/session.h"

#include <string>

namespace engine_program {

class UciSession : public Session {
public:
    explicit UciSession(Output& out);

    void HandleLine(std::string_view line) override;
    bool HandleWhileBusy(std::string_view line) override;
    void RefuseLongLine(std::string_view start) override;
    void InputEnded() override;
    bool Busy() const override { return Runner.Busy(); }
    void Step() override;
    bool QuitRequested() const override { return Quit; }

private:
    void Identify();
    void SetOption(std::string_view argument);
    void SetPosition(std::string_view argument);
    void Go(std::string_view argument);
    void Finish();
    void ReleaseBestMove();
    void ReportProgress(bool force);

    Output& Out;
    GamePosition Position;
    SearchRunner Runner;
    bool OwnBook = true;
    int DepthOption = 23;
    bool Quit = false;
    bool InputClosed = false;
    // "go infinite" must not answer before "stop", even when the search
    // ends by itself; the answer waits here.
    bool Infinite = false;
    std::string HeldBestMove;
    std::int64_t PonderBudgetMs = -1; // the time for the move after "ponderhit"
};

} // namespace engine_program
