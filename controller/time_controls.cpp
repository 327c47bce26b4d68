#include <QAction>
#include <QLabel>

#include "controller/main_form.h"
#include "settings/options.h"
#include "view/controls/clock_face.h"

// The clocks and the game as the time-control rules see them, read now.
time_control::TimeSituation TChessForm::TimeNow() const
{
    for (TClockFace* clock : {whiteClockFace, blackClockFace}) {
        clock->Tick();
    }
    time_control::TimeSituation now;
    now.mode = gameMode;
    now.playKind = playKind;
    now.sideToMove = record.SideToMove();
    now.startPly = record.StartPly;
    now.endPly = record.EndPly;
    now.used[0] = whiteClockFace->FullTicks();
    now.used[1] = blackClockFace->FullTicks();
    now.lap[0] = whiteClockFace->LapTicks();
    now.lap[1] = blackClockFace->LapTicks();
    return now;
}

bool TChessForm::TimeRemaining(std::uint32_t margin) const
{
    return time_control::TimeRemaining(Options, TimeNow(), margin);
}

// The clock of the side to move takes over from the other one.
void TChessForm::SetActiveTimer()
{
    TClockFace* toMove = record.SideToMove() == engine::White ? whiteClockFace : blackClockFace;
    if (toMove != activeClock) {
        if (activeClock != nullptr) {
            activeClock->SetRunning(false);
        }
        activeClock = toMove;
    }
    StartActiveTimer();
}

void TChessForm::StartActiveTimer()
{
    if (activeClock != nullptr) {
        activeClock->SetRunning(true);
    }
    RefreshCommands();
}

void TChessForm::StopActiveTimer()
{
    if (activeClock != nullptr) {
        activeClock->SetRunning(false);
    }
    RefreshCommands();
}

// Both player clocks take the current time; the game clock shows their sum.
void TChessForm::RefreshClocks()
{
    whiteClockFace->Tick();
    blackClockFace->Tick();
    gameClockFace->SetFullTime(whiteClockFace->FullTime() + blackClockFace->FullTime());
}
