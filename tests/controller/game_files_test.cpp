#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "controller_fixture.h"
#include "engine/engine_interface.h"
#include "dialogs/enter_text_dialog.h"
#include "dialogs/game_info_dialog.h"
#include "dialogs/select_game_dialog.h"
#include "files/game_info.h"
#include "files/text_store.h"
#include "record/position_writer.h"
#include "record/time_control.h"
#include "settings/options.h"
#include "settings/recent_files.h"
#include "settings/settings_file.h"
#include "view/controls/clock_face.h"
#include "view/status_panel.h"

namespace {

// The window with its game files: loading, saving and the questions in
// between, with the dialogs answered by the test.
class GameFiles : public ControllerTest {
protected:
    void SetUp() override
    {
        ControllerTest::SetUp();
        SetSettingsSaving(false);
        RecentFiles = {};
        SetGameChooser([this](const QStringList& entries, bool& keep) {
            listed = entries;
            keep = keepLibrary;
            return chosen;
        });
        QApplication::clipboard()->clear();
    }
    void TearDown() override
    {
        SetGameChooser({});
        SetTextAsker({});
        SetInfoEditor({});
        TextStore.StoreEnd();
        ControllerTest::TearDown();
    }

    // Lets the window's queued work run until the condition holds.
    static bool EventsUntil(const std::function<bool()>& done)
    {
        for (int pass = 0; pass < 100 && !done(); ++pass) {
            QCoreApplication::processEvents();
        }
        return done();
    }

    QString PathOf(const QString& name) const { return folder.filePath(name); }

    QString Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A short game played on the board, with a comment and the players named.
    static void PlayShortGame(TChessForm& form)
    {
        form.PlayBothExecute();
        ASSERT_TRUE(form.EnterMove(QStringLiteral("e4")));
        form.StatusPanel()->CommentMemo()->setPlainText(QStringLiteral("The king's pawn."));
        ASSERT_TRUE(form.EnterMove(QStringLiteral("e5")));
        ASSERT_TRUE(form.EnterMove(QStringLiteral("Nf3")));
        GameInfo.White = QStringLiteral("Ann Smith");
        GameInfo.Black = QStringLiteral("Bob \"the Rook\" Jones");
        GameInfo.Event = QStringLiteral("Club night");
    }

    QTemporaryDir folder;
    QStringList listed;
    int chosen = 0;
    bool keepLibrary = false;
};

TEST_F(GameFiles, AGameSavedInEachFormatOpensAsItWasSaved)
{
    for (const char* name : {"game.pgn", "game.zrb"}) {
        SCOPED_TRACE(name);
        const QString path = PathOf(QString::fromLatin1(name));
        auto form = MakeForm();
        PlayShortGame(*form);
        time_control::SetGameTimeControl(Options, QStringLiteral("300+5"));
        const TInfoRec info = GameInfo;
        form->SaveGame(path);
        ASSERT_TRUE(QFileInfo::exists(path));
        EXPECT_EQ(form->GameName(), path);
        EXPECT_TRUE(form->windowTitle().contains(QString::fromLatin1(name)));
        form.reset();

        time_control::SetGameTimeControl(Options, QStringLiteral("-"));
        auto reader = MakeForm();
        reader->LoadGame(path);
        EXPECT_EQ(reader->Record().EndPly, 3);
        EXPECT_EQ(reader->Record().CommentAt(0), u"The king's pawn.");
        EXPECT_EQ(GameInfo.White, info.White);
        EXPECT_EQ(GameInfo.Black, info.Black);
        EXPECT_EQ(GameInfo.Event, info.Event);
        // A native file saved during play goes on with the same players.
        if (name == std::string_view("game.zrb")) {
            EXPECT_EQ(reader->GameMode(), TGameMode::Playing);
            EXPECT_EQ(reader->PlayKind(), TPlayKind::TwoPlayer);
        } else {
            EXPECT_EQ(reader->GameMode(), TGameMode::Stopped);
            EXPECT_EQ(time_control::GetGameTimeControl(Options), u"300+5");
        }
        EXPECT_FALSE(reader->Record().Modified);
        EXPECT_TRUE(reader->CommandAction(TCommand::FileReopen)->isEnabled());
        EXPECT_EQ(RecentFiles[0], path);
        EXPECT_TRUE(shown.isEmpty()) << shown.join(u'\n').toStdString();
    }
}

TEST_F(GameFiles, APositionSavedAsFenOrEpdOpensAsTheSamePosition)
{
    auto form = MakeForm();
    PlayShortGame(*form);
    const QString fen = BoardCurrentFEN(form->Record());
    form->SaveGame(PathOf(QStringLiteral("position.fen")));
    form->SaveGame(PathOf(QStringLiteral("position.epd")));
    form.reset();
    for (const char* name : {"position.fen", "position.epd"}) {
        SCOPED_TRACE(name);
        auto reader = MakeForm();
        reader->LoadGame(PathOf(QString::fromLatin1(name)));
        EXPECT_EQ(BoardCurrentFEN(reader->Record()), fen);
        EXPECT_FALSE(reader->Record().StartsFromInitial);
    }
    EXPECT_TRUE(shown.isEmpty()) << shown.join(u'\n').toStdString();
}

TEST_F(GameFiles, ALibraryOffersItsGamesAndAKeptOneIsNotReadAgain)
{
    const QString path = Write(QStringLiteral("three.pgn"),
        "[Event \"First\"]\n[White \"A\"]\n[Black \"B\"]\n\n1. d4 d5 *\n\n"
        "[Event \"Second\"]\n[White \"C\"]\n[Black \"D\"]\n\n1. e4 e5 2. Nf3 *\n\n"
        "[Event \"Third\"]\n[White \"E\"]\n[Black \"F\"]\n\n1. c4 *\n");
    auto form = MakeForm();
    chosen = 1;
    keepLibrary = true;
    form->LoadGame(path);
    EXPECT_EQ(listed.size(), 3);
    EXPECT_EQ(form->Record().EndPly, 3);
    EXPECT_EQ(GameInfo.Event, u"Second");
    EXPECT_EQ(GameInfo.White, u"C");

    // The library stays in memory: the file is gone, the choice still works.
    QFile::remove(path);
    chosen = 2;
    form->LoadGame(path);
    EXPECT_EQ(GameInfo.Event, u"Third");
    EXPECT_EQ(form->Record().EndPly, 1);

    // Cancel in the list leaves the game as it was.
    chosen = -1;
    form->LoadGame(path);
    EXPECT_EQ(GameInfo.Event, u"Third");
}

TEST_F(GameFiles, FilesThatCannotBeOpenedSayWhyAndChangeNothing)
{
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    }
    QDir(folder.path()).mkdir(QStringLiteral("folder.pgn"));
    const struct {
        QString path;
        const char* message;
    } cases[] = {
        {PathOf(QStringLiteral("missing.pgn")), "does not exist"},
        {PathOf(QStringLiteral("folder.pgn")), "could not be read"},
        {Write(QStringLiteral("noise.dat"), noise), "not a game file"},
        {Write(QStringLiteral("empty.txt"), {}), "not a game file"},
    };
    auto form = MakeForm();
    PlayShortGame(*form);
    const GameSnapshot before = Snapshot(*form, {});
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.path.toStdString());
        shown.clear();
        form->LoadGame(entry.path);
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].contains(QString::fromLatin1(entry.message))) << shown[0].toStdString();
        EXPECT_EQ(Snapshot(*form, {}), before);
    }
    // A PGN file without any tags is a game all the same.
    shown.clear();
    form->LoadGame(Write(QStringLiteral("moves.pgn"), "1. e4 e5 2. Nf3\n"));
    EXPECT_EQ(form->Record().EndPly, 3);
}

TEST_F(GameFiles, AppendingKeepsTheGamesAlreadyInTheFile)
{
    const QByteArray first = "[Event \"Old\"]\n\n1. d4 d5 *\n";
    const QString path = Write(QStringLiteral("library.pgn"), first);
    auto form = MakeForm();
    PlayShortGame(*form);
    answer = TMsgButton::Abort; // add to the file
    form->SaveGame(path);
    const QByteArray both = Read(path);
    EXPECT_TRUE(both.startsWith("[Event \"Old\"]"));
    EXPECT_TRUE(both.contains("[Event \"Club night\"]"));
    EXPECT_TRUE(both.contains("[Black \"Bob \\\"the Rook\\\" Jones\"]"));

    answer = TMsgButton::Cancel;
    form->SaveGame(path);
    EXPECT_EQ(Read(path), both);

    // A write that fails half-way (here the new copy cannot even be made
    // beside a file whose name is as long as names go, whoever runs the
    // test): the file stays whole and the user is told.
    const QString longName = PathOf(QString(250, u'g') + QStringLiteral(".pgn"));
    ASSERT_TRUE(QFile::copy(path, longName));
    answer = TMsgButton::Abort;
    shown.clear();
    form->SaveGame(longName);
    EXPECT_EQ(Read(longName), both);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(shown.last().contains(u"could not be written")) << shown.last().toStdString();
}

TEST_F(GameFiles, AnUnsavedGameIsAskedAboutBeforeALoadReplacesIt)
{
    const QString path = Write(QStringLiteral("other.pgn"), "[Event \"Other\"]\n\n1. c4 *\n");
    auto form = MakeForm();
    PlayShortGame(*form);
    answer = TMsgButton::Cancel;
    form->LoadGame(path);
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(form->Record().EndPly, 3);
    answer = TMsgButton::Ok;
    form->LoadGame(path);
    EXPECT_EQ(form->Record().EndPly, 1);
}

TEST_F(GameFiles, TheClipboardCarriesGamesBothWays)
{
    auto form = MakeForm();
    PlayShortGame(*form);
    form->ExecuteCommand(TCommand::PlayCopyGame);
    const QString pgn = QApplication::clipboard()->text();
    EXPECT_TRUE(pgn.contains(u"1. e4 {The king's pawn.} 1... e5 2. Nf3")) << pgn.toStdString();
    form.reset();

    auto reader = MakeForm();
    reader->ExecuteCommand(TCommand::PlayPasteGame);
    EXPECT_EQ(reader->Record().EndPly, 3);
    EXPECT_TRUE(reader->GameName().isEmpty());

    // Moves alone are played on from the position shown; a FEN sets it up.
    QApplication::clipboard()->setText(QStringLiteral("Nc6 Bb5"));
    reader->ExecuteCommand(TCommand::PlayPasteGame);
    EXPECT_EQ(reader->Record().EndPly, 5);
    QApplication::clipboard()->setText(QStringLiteral("8/8/8/4k3/8/8/8/4K2R w K - 0 1"));
    answer = TMsgButton::Ok;
    reader->ExecuteCommand(TCommand::PlayPasteGame);
    EXPECT_EQ(BoardCurrentFEN(reader->Record()), u"8/8/8/4k3/8/8/8/4K2R w K - 0 1");
}

TEST_F(GameFiles, OpenToEndReplaysTheGameAndOtherwiseItOpensAtItsStart)
{
    const QString path = Write(QStringLiteral("short.pgn"), "[Event \"E\"]\n\n1. e4 {Open} e5 2. Nf3 *\n");
    auto form = MakeForm();
    Options.OpenToEnd = false;
    form->LoadGame(path);
    EXPECT_EQ(form->Record().EndPly, 3);
    EXPECT_EQ(form->Record().CurrentPly, -1);

    Options.OpenToEnd = true;
    Options.FastOpen = false;
    Options.MoveDelay = 100;
    int pauses = 0;
    form->SetPauseWaiter([&pauses](int) { ++pauses; });
    form->LoadGame(path);
    EXPECT_EQ(form->Record().CurrentPly, 2);
    EXPECT_GE(pauses, 3);
    EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
}

TEST_F(GameFiles, FilesOnTheCommandLineOpenAndAMissingOneIsReported)
{
    const QString path = Write(QStringLiteral("start.pgn"), "[Event \"E\"]\n\n1. e4 e5 *\n");
    TStartSwitches switches;
    switches.Files = {PathOf(QStringLiteral("gone.pgn")), path};
    auto form = MakeForm(switches);
    form->show();
    ASSERT_TRUE(EventsUntil([&] { return form->Record().EndPly == 2; }));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(u"gone.pgn"));
}

TEST_F(GameFiles, AFileOpensFromEveryStateTheGameCanBeIn)
{
    const QString path = Write(QStringLiteral("any.pgn"), "[Event \"Any\"]\n\n1. e4 e5 2. Nf3 *\n");
    const struct {
        const char* name;
        std::function<void(TChessForm&)> reach;
    } states[] = {
        {"the computer's turn, searching",
            [](TChessForm& form) {
                form.PlayWhiteExecute();
                ASSERT_TRUE(form.EnterMove(QStringLiteral("d4")));
                ASSERT_TRUE(form.ComputersTurn());
            }},
        {"set-up", [](TChessForm& form) { form.BoardSetupExecute(); }},
        {"a game that ended",
            [](TChessForm& form) {
                form.PlayBothExecute();
                form.ResignExecute();
                ASSERT_TRUE(form.GameOver());
            }},
        {"analysing", [](TChessForm& form) { form.AnalyseExecute(); }},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.name);
        auto form = MakeForm();
        state.reach(*form);
        form->LoadGame(path);
        EXPECT_EQ(form->Record().EndPly, 3);
        EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
        EXPECT_FALSE(form->GameOver());
        EXPECT_FALSE(form->StopThinkingEnabled());
        EXPECT_EQ(engine::GetEngineState(), engine::StateIdle);
    }
}

TEST_F(GameFiles, StopThinkingDuringADemonstrationRunsItToTheEndAndNothingElseRuns)
{
    const QString path = Write(QStringLiteral("demo.pgn"), "[Event \"Demo\"]\n\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 *\n");
    Options.OpenToEnd = true;
    Options.FastOpen = false;
    Options.MoveDelay = 100;
    auto form = MakeForm();
    int pauses = 0;
    form->SetPauseWaiter([&](int) {
        ++pauses;
        // The players and the file are shown while the moves come.
        EXPECT_EQ(GameInfo.Event, u"Demo");
        EXPECT_EQ(form->GameName(), path);
        // What a user might press while the moves are shown.
        form->ExecuteCommand(TCommand::FileNew);
        form->ExecuteCommand(TCommand::FileSave);
        form->ExecuteCommand(TCommand::MoveStopThinking);
    });
    form->LoadGame(path);
    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(form->Record().EndPly, 6);
    EXPECT_EQ(form->Record().CurrentPly, 5);
    EXPECT_TRUE(form->GameName() == path);
}

TEST_F(GameFiles, TypingOnTheBoardStartsAMoveOrInSetUpAPosition)
{
    auto form = MakeForm();
    form->show();
    QTest::keyClick(form->Board(), Qt::Key_E, Qt::NoModifier);
    EXPECT_EQ(form->StatusPanel()->MoveEntry()->text(), u"e");

    QString preset;
    SetTextAsker([&preset](const QString&, const QString&, const QString& text) -> std::optional<QString> {
        preset = text;
        return std::nullopt;
    });
    form->BoardSetupExecute();
    QTest::keyClicks(form->Board(), QStringLiteral("K"));
    EXPECT_EQ(preset, u"K");
    EXPECT_EQ(form->GameMode(), TGameMode::BoardSetup);
}

TEST_F(GameFiles, AFileDroppedOnTheWindowOpens)
{
    const QString path = Write(QStringLiteral("dropped.pgn"), "[Event \"D\"]\n\n1. e4 e5 2. Nf3 *\n");
    auto form = MakeForm();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &drop);
    EXPECT_EQ(form->Record().EndPly, 3);
    EXPECT_EQ(form->GameName(), path);
}

TEST_F(GameFiles, TheViewerShowsTheClipboardGameAtItsPly)
{
    QApplication::clipboard()->setText(QStringLiteral("[Event \"V\"]\n\n1. e4 e5 2. Nf3 Nc6 *\n"));
    TStartSwitches switches;
    switches.AppMode = TAppMode::ViewGame;
    switches.GotoPlyAtStart = 2;
    auto form = MakeForm(switches);
    form->show();
    ASSERT_TRUE(EventsUntil([&] { return form->Record().EndPly == 4; }));
    EXPECT_EQ(form->Record().CurrentPly, 1);
}

TEST_F(GameFiles, GameInformationAndTypedPositionsComeThroughTheirDialogs)
{
    auto form = MakeForm();
    SetInfoEditor([](TInfoRec& info) {
        info.White = QStringLiteral("Carla");
        return true;
    });
    form->ExecuteCommand(TCommand::PlayGameInfo);
    EXPECT_EQ(GameInfo.White, u"Carla");

    SetTextAsker([](const QString&, const QString&, const QString& preset) -> std::optional<QString> {
        EXPECT_EQ(preset, u"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
        return QStringLiteral("4k3/8/8/8/8/8/4P3/4K3 b - - 0 1");
    });
    form->ExecuteCommand(TCommand::PlayEnterPosition);
    EXPECT_EQ(BoardCurrentFEN(form->Record()), u"4k3/8/8/8/8/8/4P3/4K3 b - - 0 1");
    EXPECT_EQ(form->Record().StartPly, 1);
}

TEST_F(GameFiles, TheCommentCommandOpensTheBoxWhereBracesBecomeBrackets)
{
    Options.ShowComment = false;
    auto form = MakeForm();
    form->show();
    form->ExecuteCommand(TCommand::MoveComment);
    QPlainTextEdit* memo = form->StatusPanel()->CommentMemo();
    EXPECT_TRUE(memo->isVisible());
    QTest::keyClicks(memo, QStringLiteral("{Sharp}"));
    EXPECT_EQ(memo->toPlainText(), u"[Sharp]");

    // With the status panel hidden there is no box to show.
    Options.ShowStatus = false;
    form->ExecuteCommand(TCommand::MoveComment);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(u"comment box is hidden"));
}

} // namespace
