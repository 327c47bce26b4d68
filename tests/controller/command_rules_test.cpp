#include <QAction>
#include <QLineEdit>

#include "controller/command_rules.h"
#include "controller_fixture.h"
#include "engine/engine_interface.h"
#include "view/status_panel.h"

#include <functional>
#include <set>

namespace {

using enum TCommand;
using Commands = std::set<TCommand>;

const char* Name(TCommand command)
{
    return CommandName(command);
}

TCommandSituation Situation(TGameMode mode, TPlayKind kind, int sideToMove)
{
    TCommandSituation s;
    s.mode = mode;
    s.playKind = kind;
    s.sideToMove = sideToMove;
    return s;
}

TCommandSituation With(TCommandSituation s, const std::function<void(TCommandSituation&)>& change)
{
    change(s);
    return s;
}

// The commands every state allows (Reopen also needs a game file).
const Commands AlwaysOn = {FileNew, FileOpen, FileSave, FileSaveAs, FileExit, PlayClearBoard, PlayRotateBoard,
    PlayEnterPosition, PlayCopyGame, PlayPasteGame, PlayEmailGame, PlayGameInfo, MoveComment};

Commands Plus(Commands commands, std::initializer_list<TCommand> more)
{
    commands.insert(more);
    return commands;
}

const Commands PlayKinds = {PlayAutoplay, PlayWhite, PlayBlack, PlayTwoPlayer, PlayAnalyse};
const Commands UsersMoves
    = {MoveEnterMove, MoveEntryLine, MoveComputerMove, MoveQuickHint, MoveResign, MoveOfferDraw};

Commands Union(std::initializer_list<Commands> parts)
{
    Commands all;
    for (const Commands& part : parts) {
        all.insert(part.begin(), part.end());
    }
    return all;
}

TEST(CommandRules, EachStateEnablesAndChecksItsCommands)
{
    using Mode = TGameMode;
    using Kind = TPlayKind;
    const auto running = [](TCommandSituation& s) { s.clockRunning = true; };
    const auto thinking = [](TCommandSituation& s) {
        s.clockRunning = true;
        s.stopThinkingArmed = true;
        s.computerSearching = s.mode == TGameMode::Playing;
    };
    struct Row {
        const char* name;
        TCommandSituation situation;
        Commands enabled;
        Commands checked;
    };
    const Row rows[] = {
        {"a new game", Situation(Mode::Stopped, Kind::Unset, 0),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayBoardSettings}}), {}},
        {"stopped, Black to move for a user playing White", Situation(Mode::Stopped, Kind::UserWhite, 1),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayBoardSettings}}), {}},
        {"the user's turn", With(Situation(Mode::Playing, Kind::UserWhite, 0), running),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayFreezeGame}}), {PlayWhite}},
        {"the computer's turn", With(Situation(Mode::Playing, Kind::UserWhite, 1), thinking),
            Union({AlwaysOn, PlayKinds, {PlayBoardSetup, PlayFreezeGame, MoveStopThinking}}), {PlayWhite}},
        {"the computer plays White", With(Situation(Mode::Playing, Kind::UserBlack, 0), thinking),
            Union({AlwaysOn, PlayKinds, {PlayBoardSetup, PlayFreezeGame, MoveStopThinking}}), {PlayBlack}},
        {"Computer Move on the user's turn", With(Situation(Mode::Playing, Kind::UserWhite, 0), thinking),
            Union({AlwaysOn, PlayKinds, {PlayBoardSetup, PlayFreezeGame, MoveStopThinking}}), {PlayWhite}},
        {"self-play", With(Situation(Mode::Playing, Kind::AutoPlay, 1), thinking),
            Union({AlwaysOn, PlayKinds, {PlayBoardSetup, PlayFreezeGame, MoveStopThinking}}), {PlayAutoplay}},
        {"two players", With(Situation(Mode::Playing, Kind::TwoPlayer, 1), running),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayFreezeGame}}), {PlayTwoPlayer}},
        {"playing before the clock runs", Situation(Mode::Playing, Kind::UserWhite, 0),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup}}), {PlayWhite}},
        {"frozen", With(Situation(Mode::Playing, Kind::UserWhite, 0), [](auto& s) { s.frozen = true; }),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayFreezeGame}}),
            {PlayWhite, PlayFreezeGame}},
        {"a quick hint", With(Situation(Mode::QuickHint, Kind::UserWhite, 0), thinking),
            Plus(AlwaysOn, {MoveStopThinking}), {}},
        {"analysing", With(Situation(Mode::Analysing, Kind::Unset, 0), thinking),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayBoardSettings, MoveStopThinking}}),
            {PlayAnalyse}},
        {"analysing on the computer's turn", With(Situation(Mode::Analysing, Kind::UserBlack, 0), thinking),
            Union({AlwaysOn, PlayKinds, {PlayBoardSetup, PlayBoardSettings, MoveStopThinking}}),
            {PlayAnalyse}},
        {"analysing after a move",
            With(Situation(Mode::Analysing, Kind::Unset, 0), [](auto& s) { s.movesRecorded = true; }),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup}}), {PlayAnalyse}},
        {"set-up", Situation(Mode::BoardSetup, Kind::Unset, 0),
            Union({AlwaysOn, PlayKinds, {PlayBoardSetup, PlayBoardSettings, MoveEntryLine}}),
            {PlayBoardSetup}},
        {"the game is over",
            With(Situation(Mode::Stopped, Kind::TwoPlayer, 1),
                [](auto& s) {
                    s.gameOver = true;
                    s.movesRecorded = true;
                }),
            Plus(AlwaysOn, {PlayBoardSetup}), {}},
        {"a game ended before its first move",
            With(Situation(Mode::Stopped, Kind::TwoPlayer, 0), [](auto& s) { s.gameOver = true; }),
            Plus(AlwaysOn, {PlayBoardSetup, PlayBoardSettings}), {}},
        {"a demonstration", With(Situation(Mode::Demonstration, Kind::TwoPlayer, 0), thinking),
            Plus(AlwaysOn, {MoveStopThinking}), {}},
        {"loading", Situation(Mode::Loading, Kind::TwoPlayer, 0), AlwaysOn, {}},
        {"busy on the user's turn",
            With(Situation(Mode::Playing, Kind::UserWhite, 0),
                [](auto& s) {
                    s.busy = true;
                    s.clockRunning = true;
                }),
            {}, {PlayWhite}},
        // A replay or a long jump in the record ends at once, busy or not.
        {"busy in a demonstration",
            With(Situation(Mode::Demonstration, Kind::TwoPlayer, 0),
                [](auto& s) {
                    s.busy = true;
                    s.stopThinkingArmed = true;
                }),
            {MoveStopThinking}, {}},
        {"busy in play, thinking",
            With(Situation(Mode::Playing, Kind::UserWhite, 1),
                [](auto& s) {
                    s.busy = true;
                    s.stopThinkingArmed = true;
                }),
            {}, {PlayWhite}},
        {"the board turned round",
            With(Situation(Mode::Stopped, Kind::Unset, 0), [](auto& s) { s.boardRotated = true; }),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayBoardSettings}}), {PlayRotateBoard}},
        {"a game from a file",
            With(Situation(Mode::Stopped, Kind::Unset, 0), [](auto& s) { s.hasGameName = true; }),
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayBoardSettings, FileReopen}}), {}},
    };
    for (const Row& row : rows) {
        for (int index = 0; index < CommandCount; ++index) {
            const auto command = static_cast<TCommand>(index);
            SCOPED_TRACE(testing::Message() << row.name << ": " << Name(command));
            const TCommandState state = CommandState(command, row.situation);
            EXPECT_EQ(state.enabled, row.enabled.contains(command));
            EXPECT_EQ(state.checked, row.checked.contains(command));
        }
    }
}

// The window in each state a user can reach: every menu action shows its
// rule, and a command whose rule says no does nothing when run anyway (a
// shortcut, a tool-bar button or a direct call).
class CommandStates : public ControllerTest { };

TEST_F(CommandStates, MenusFollowTheRulesAndDisabledCommandsDoNothing)
{
    Options.SearchDepth = 4;
    struct Row {
        const char* name;
        std::function<void(TChessForm&)> reach;
        Commands enabled;
    };
    const Row rows[] = {
        {"a new game", [](TChessForm&) {},
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayBoardSettings}})},
        {"the user's turn", [](TChessForm& form) { form.PlayWhiteExecute(); },
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayFreezeGame}})},
        {"the computer's turn", [](TChessForm& form) { form.PlayBlackExecute(); },
            Union({AlwaysOn, PlayKinds, {PlayBoardSetup, PlayFreezeGame, MoveStopThinking}})},
        {"set-up", [](TChessForm& form) { form.BoardSetupExecute(); },
            Union({AlwaysOn, PlayKinds, {PlayBoardSetup, PlayBoardSettings, MoveEntryLine}})},
        {"the game is over",
            [](TChessForm& form) {
                form.PlayBothExecute();
                ASSERT_TRUE(form.EnterMove(QStringLiteral("e2e4")));
                form.ResignExecute();
            },
            Plus(AlwaysOn, {PlayBoardSetup})},
        {"analysing", [](TChessForm& form) { form.AnalyseExecute(); },
            Union({AlwaysOn, PlayKinds, UsersMoves, {PlayBoardSetup, PlayBoardSettings, MoveStopThinking}})},
        {"a quick hint",
            [](TChessForm& form) {
                form.PlayWhiteExecute();
                form.QuickHintExecute();
            },
            Plus(AlwaysOn, {MoveStopThinking})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto form = MakeForm();
        row.reach(*form);
        for (int index = 0; index < CommandCount; ++index) {
            const auto command = static_cast<TCommand>(index);
            SCOPED_TRACE(Name(command));
            const bool enabled = command == MoveEntryLine ? !form->StatusPanel()->MoveEntry()->isReadOnly()
                                                          : form->CommandAction(command)->isEnabled();
            EXPECT_EQ(enabled, row.enabled.contains(command));
            if (!row.enabled.contains(command)) {
                const GameSnapshot before = Snapshot(*form, shown);
                form->ExecuteCommand(command);
                EXPECT_EQ(Snapshot(*form, shown), before);
            }
        }
    }
}

} // namespace
