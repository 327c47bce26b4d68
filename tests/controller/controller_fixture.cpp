#include "controller_fixture.h"

#include <QCoreApplication>

#include "engine/engine_interface.h"
#include "engine/random.h"
#include "engine/timer.h"
#include "files/game_info.h"
#include "settings/data_folder.h"
#include "settings/language_file.h"
#include "settings/options.h"
#include "support/busy_delay.h"
#include "view/controls/clock_time.h"

namespace {

clock_time::Instant fakeNow = 0;
std::uint32_t engineCalls = 0;

clock_time::Instant FakeNow()
{
    return fakeNow;
}

// Each reading of the engine's clock is a little work done: four readings
// make a tick.
std::uint32_t FakeTicks()
{
    return 1000 + ++engineCalls / 4;
}

} // namespace

void ControllerTest::SetUp()
{
    fakeNow = 10 * 3600 * 1000;
    engineCalls = 0;
    clock_time::SetNowSource(&FakeNow);
    engine::SetTickSource(&FakeTicks);
    engine::SeedEngineRandom(7);
    setDelayCount(1000);
    OpenLanguageFile(QStringLiteral(QUARVEL_SOURCE_DIR "/data/English.lng"));
    DataDir = QStringLiteral(QUARVEL_BIN_DIR "/");
    ResetOptions(Options);
    // The game information is the program's, and outlives each window.
    ClearGameInfo(GameInfo);
    Options.MoveDelay = 0;
    // A slide is paced by the real clock; the board's own tests watch it.
    Options.MoveSpeed = 1;
    Options.SearchDepth = 1;
    Options.UseOpeningLib = false;
    Options.AllowThinkAhead = false;
    Options.AutoPress = true;
    Options.TimeLimitType = 0;
    Options.UserLimit = 0;
    previousPresenter = setMessageBoxPresenter([this](const TMessageBoxRequest& request) {
        shown.append(request.text);
        return request.buttons.contains(answer) ? answer : request.buttons.front();
    });
}

void ControllerTest::TearDown()
{
    setMessageBoxPresenter(previousPresenter);
    clock_time::SetNowSource(nullptr);
    engine::SetTickSource(nullptr);
}

std::unique_ptr<TChessForm> ControllerTest::MakeForm(const TStartSwitches& switches)
{
    auto form = std::make_unique<TChessForm>(switches);
    // A wait in the game hands the window its events once and lets the
    // time pass at once.
    form->SetPauseWaiter([](int milliseconds) {
        QCoreApplication::processEvents();
        Advance(milliseconds);
    });
    return form;
}

void ControllerTest::Advance(int milliseconds)
{
    fakeNow += milliseconds;
}

bool ControllerTest::IdleUntil(TChessForm& form, const std::function<bool()>& done, int passes)
{
    for (int i = 0; i < passes; ++i) {
        if (done()) {
            return true;
        }
        form.AppIdle();
    }
    return done();
}

bool ControllerTest::IdleUntilUsersTurn(TChessForm& form)
{
    return IdleUntil(form, [&form] { return form.GameOver() || !form.ComputersTurn(); });
}

GameSnapshot Snapshot(const TChessForm& form, const QStringList& shown)
{
    return {form.GameMode(), form.PlayKind(), form.GameOver(), form.Record().EndPly, form.Record().CurrentPly,
        static_cast<int>(engine::GetEngineState()), form.Frozen(), shown.size()};
}

void PrintTo(const GameSnapshot& s, std::ostream* out)
{
    *out << "mode " << int(s.mode) << ", play kind " << int(s.playKind) << (s.gameOver ? ", over" : "")
         << ", plies " << s.currentPly << "/" << s.endPly << ", engine " << s.engineState
         << (s.frozen ? ", frozen" : "") << ", " << s.messages << " messages";
}

engine::BoardImage Position(
    std::initializer_list<const char*> white, std::initializer_list<const char*> black)
{
    engine::BoardImage image {};
    const QString letters = QStringLiteral(" KQRBNP");
    for (int colour = 0; colour < 2; ++colour) {
        for (const char* piece : colour == 0 ? white : black) {
            const int file = piece[1] - 'a' + 1;
            const int rank = piece[2] - '0';
            image.At(file, rank)
                = engine::ImageCell {static_cast<std::uint8_t>(letters.indexOf(QLatin1Char(piece[0]))),
                    static_cast<std::uint8_t>(colour), 0};
        }
    }
    return image;
}

engine::PositionState PlainState()
{
    return engine::PositionState {};
}
