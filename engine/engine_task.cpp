#include "engine/engine_task.h"

#include "engine/coroutine.h"
#include "engine/engine_state.h"
#include "engine/movegen.h"
#include "engine/opening_library.h"
#include "engine/search.h"

#include <algorithm>

namespace engine {

namespace {

Coroutine Task;
// The predicted reply became a game move while thinking ahead.
bool PredictionTaken = false;

std::uint16_t Transfer(std::uint16_t message)
{
    return Task.Yield(message);
}

// Sends `message` until the caller answers `wanted` (true) or stop (false).
bool WaitFor(std::uint16_t message, std::uint16_t wanted)
{
    for (;;) {
        const std::uint16_t answer = Transfer(message);
        if (answer == wanted) {
            return true;
        }
        if (answer == MsgStop) {
            return false;
        }
    }
}

void ClearHint()
{
    std::fill(std::begin(Engine.HintLine), std::end(Engine.HintLine), NoMove);
    Engine.HintValue = 0;
}

void EnterKeepMove()
{
    RebaseMoveStack();
    Pos.Stack(Pos.MoveStackTop + 1) = KeepMove;
    ClearHint();
    DoMove(KeepMove);
    DropRootMove();
    Engine.MoveArrived = false;
}

void PlayFoundMove()
{
    Pos.Stack(0) = Engine.MainLine[0];
    std::copy(Engine.MainLine + 1, Engine.MainLine + MainLineLength, Engine.HintLine);
    Engine.HintValue = Engine.MainValue;
    if (!Engine.MainLine[0].IsMove()) {
        ClearHint();
        Engine.HintValue = Engine.MainValue;
        Engine.NoMoveFound = true;
        return;
    }
    DoMove(Pos.Stack(0));
    DropRootMove();
    Engine.ThinkingFlag = false;
}

void ThinkMove()
{
    Engine.ThinkingFlag = true;
    Engine.AheadFlag = false;
    if (!WaitFor(MsgReady, MsgGoOn)) {
        Engine.ThinkingFlag = false;
        return;
    }
    // Only a reply entered during this search may count as arrived.
    Engine.MoveArrived = false;
    RebaseMoveStack();
    const bool fromLibrary = LibFind();
    Pos.MoveStackTop = 0;
    if (!fromLibrary || !LibChoose()) {
        FindMove();
    }
    Pos.MoveStackTop = -1;
    if (Engine.ThinkingFlag) {
        PlayFoundMove();
    }
}

// The predicted reply can still be played here: a move taken back since
// the prediction was made may have changed the position.
bool PredictionPlayable()
{
    const EngineMove& predicted = Engine.HintLine[0];
    if (!predicted.IsMove()) {
        return false;
    }
    ++Pos.MoveStackTop;
    const bool playable = IsLegal(predicted) && !IllegalMove(predicted);
    --Pos.MoveStackTop;
    return playable;
}

void ThinkAhead()
{
    if (!PredictionPlayable()) {
        return;
    }
    Engine.ThinkingFlag = false;
    Engine.AheadFlag = true;
    if (!WaitFor(MsgReady, MsgGoOn)) {
        Engine.AheadFlag = false;
        return;
    }
    Engine.MoveArrived = false;
    RebaseMoveStack();
    const EngineMove predicted = Engine.HintLine[0];
    Pos.Stack(0) = predicted;
    DoMove(predicted);
    DropRootMove();
    PredictionTaken = false;
    Pos.MoveStackTop = 0;
    FindMove();
    Pos.MoveStackTop = -1;
    if (Engine.MoveArrived) {
        // The opponent played something else: put their move on the board.
        UndoMove(predicted);
        EnterKeepMove();
        Engine.AheadFlag = false;
        if (WaitFor(MsgPredictedMoveAccepted, MsgThink)) {
            ThinkMove();
        }
    } else if (Engine.ThinkingFlag) {
        PlayFoundMove();
    } else if (!PredictionTaken) {
        UndoMove(predicted);
    }
    Engine.AheadFlag = false;
}

void TaskLoop()
{
    for (;;) {
        switch (Transfer(MsgReady)) {
        case MsgThink:
            ThinkMove();
            break;
        case MsgThinkAhead:
            ThinkAhead();
            break;
        case MsgMoveEntered:
            EnterKeepMove();
            break;
        case MsgEndTask:
            return;
        default:
            break;
        }
    }
}

// The opponent played the predicted reply: it becomes a game move, and
// the search goes on as the computer's own once the caller starts thinking.
void TakePrediction()
{
    Engine.MoveArrived = false;
    Engine.AheadFlag = false;
    Search.Stop = false;
    PredictionTaken = true;
    Pos.Stack(Pos.MoveStackTop + 1) = KeepMove;
    ClearHint();
    DoMove(KeepMove);
    std::uint16_t answer;
    do {
        answer = Transfer(MsgPredictedMoveAccepted);
    } while (answer != MsgThink && answer != MsgStop);
    if (answer == MsgStop) {
        Search.Stop = true;
        return;
    }
    Engine.ThinkingFlag = true;
    if (WaitFor(MsgPredictedMoveAccepted, MsgGoOn)) {
        Engine.MoveTimer.Start();
    } else {
        Engine.ThinkingFlag = false;
        Search.Stop = true;
    }
}

// `predicted` is the reply the search assumed, taken off the board for the
// slice when `predictionOff`.
void HandleSliceAnswer(std::uint16_t answer, bool predictionOff, const EngineMove& predicted)
{
    switch (answer) {
    case MsgMoveEntered:
        Engine.MoveArrived = true;
        Search.Stop = true;
        if (predictionOff && KeepMove == predicted) {
            TakePrediction();
        }
        break;
    case MsgStop:
        Engine.ThinkingFlag = false;
        Engine.AheadFlag = false;
        Search.Stop = true;
        break;
    default:
        break;
    }
}

} // namespace

void TimeSliceCheck(int movesMade)
{
    if (!Task.Inside() || !Engine.SliceTimer.Expired()) {
        return;
    }
    // The caller must see the game position: take the search's moves back,
    // and the predicted reply too while thinking ahead.
    EngineMove made[MaxSearchPly + 1];
    std::copy(&Pos.Stack(0), &Pos.Stack(0) + movesMade, made);
    for (int ply = movesMade - 1; ply >= 0; --ply) {
        SwapSides();
        UnmakeMove(made[ply]);
    }
    Pos.MoveStackTop = -1;
    const bool predictionOff = Engine.AheadFlag;
    const EngineMove predicted = Pos.Stack(-1);
    if (predictionOff) {
        UndoMove(predicted);
    }
    HandleSliceAnswer(Transfer(MsgSliceUsed), predictionOff, predicted);
    if (predictionOff && !PredictionTaken) {
        DoMove(predicted);
    }
    std::copy(made, made + movesMade, &Pos.Stack(0));
    for (int ply = 0; ply < movesMade; ++ply) {
        MakeMove(made[ply]);
        SwapSides();
    }
    Pos.MoveStackTop = movesMade;
}

void CreateEngineTask()
{
    PredictionTaken = false;
    Task.Start(&TaskLoop);
}

void ReleaseEngineTask()
{
    if (!Task.Created()) {
        return;
    }
    SendToTask(MsgStop);
    SendToTask(MsgEndTask);
    Task.Release();
}

std::uint16_t SendToTask(std::uint16_t message)
{
    return Task.Resume(message);
}

std::size_t EngineTaskStackHighWater()
{
    return Task.StackHighWater();
}

} // namespace engine
