#include "settings/game_settings.h"
#include "settings/message_box.h"
#include "settings/recent_files.h"
#include "settings_fixture.h"

namespace {

using GameSettings = SettingsFolderTest;

TEST_F(GameSettings, NoStoreFlagWritesNoBlock)
{
    EXPECT_TRUE(WriteGameSettings().isEmpty());
}

TEST_F(GameSettings, TheBoardGroupAloneWritesItsFourteenLines)
{
    Options.StoreBoard = true;
    const QStringList expected {
        QStringLiteral("[Settings]"),
        QStringLiteral("Version: 40"),
        QStringLiteral("ShowAttacks: Y"),
        QStringLiteral("ShowJeopardies: Y"),
        QStringLiteral("PieceHints: Y"),
        QStringLiteral("SquareHints: Y"),
        QStringLiteral("MoveMarker: Y"),
        QStringLiteral("ScaleSquares: Y"),
        QStringLiteral("SquareSize: 44"),
        QStringLiteral("BorderSize: 3"),
        QStringLiteral("Texture: (none)"),
        QStringLiteral("WhiteColor: clWhite"),
        QStringLiteral("BlackColor: clMaroon"),
        QStringLiteral("AttackColor: clLime"),
        QStringLiteral("JeopardyColor: clRed"),
        QStringLiteral("MarkerColor: clFuchsia"),
    };
    EXPECT_EQ(WriteGameSettings(), expected);
}

TEST_F(GameSettings, EmptyStringsWriteNoLineAndGroupsFollowTheirOrder)
{
    Options.StorePrint = true;
    Options.StoreAudio = true;
    const QStringList lines = WriteGameSettings();
    EXPECT_FALSE(lines.contains(QStringLiteral("CastleSound: ")));
    EXPECT_LT(lines.indexOf(QStringLiteral("OutOfTimeSound: Ding.wav")),
        lines.indexOf(QStringLiteral("PrintFont: Times New Roman")));
    EXPECT_EQ(lines.filter(QStringLiteral("Sound:")).size(), 10);
}

TEST_F(GameSettings, EveryCarriedKeyReadsBackWhatWasWritten)
{
    for (bool TOptionsRec::*flag : {&TOptionsRec::StoreTime, &TOptionsRec::StoreStrength,
             &TOptionsRec::StoreDisplay, &TOptionsRec::StorePieces, &TOptionsRec::StoreBoard,
             &TOptionsRec::StoreText, &TOptionsRec::StoreAudio, &TOptionsRec::StorePrint}) {
        Options.*flag = true;
    }
    Options.SearchDepth = -8;
    Options.AutoPress = false;
    Options.BlackColor = 0x00ABCDEF;
    Options.KingChar = 'R';
    Options.PieceSet = QStringLiteral("Classic");
    const TOptionsRec saved = Options;
    const QStringList lines = WriteGameSettings();

    ResetOptions(Options);
    for (const QString& line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(u':');
        EXPECT_TRUE(ReadGameSetting(line.left(colon + 1), line.mid(colon + 2))) << line.toStdString();
    }
    EXPECT_TRUE(SettingsFromGame);
    TOptionsRec expected = saved;
    // The store flags themselves never travel with a game.
    for (bool TOptionsRec::*flag : {&TOptionsRec::StoreTime, &TOptionsRec::StoreStrength,
             &TOptionsRec::StoreDisplay, &TOptionsRec::StorePieces, &TOptionsRec::StoreBoard,
             &TOptionsRec::StoreText, &TOptionsRec::StoreAudio, &TOptionsRec::StorePrint}) {
        expected.*flag = false;
    }
    EXPECT_TRUE(Options == expected);
}

TEST_F(GameSettings, GameValuesFollowTheirOwnRules)
{
    const struct {
        const char* key;
        const char* value;
    } lines[] = {
        {"autopress:", "n"}, // only "Y" is true
        {"ShowTaken:", "y"},
        {"MinsPerGame:", "0"}, // not clamped
        {"SearchDepth:", "lots"}, // unreadable: unchanged
        {"QueenChar:", ""}, // empty letter: a blank
        {"KingChar:", "k"},
        {"WhiteColor:", "0, 0, 255"},
    };
    for (const auto& line : lines) {
        EXPECT_TRUE(ReadGameSetting(QString::fromUtf8(line.key), QString::fromUtf8(line.value))) << line.key;
    }
    EXPECT_FALSE(Options.AutoPress);
    EXPECT_TRUE(Options.ShowTaken);
    EXPECT_EQ(Options.MinsPerGame, 0);
    EXPECT_EQ(Options.SearchDepth, 5);
    EXPECT_EQ(Options.QueenChar, ' ');
    EXPECT_EQ(Options.KingChar, 'K');
    EXPECT_EQ(Options.WhiteColor, clBlue);

    for (const char* unknown : {"StoreBoard:", "ShowTips:", "Left:", "AutoPress", "Nonsense:"}) {
        EXPECT_FALSE(ReadGameSetting(QString::fromUtf8(unknown), QStringLiteral("Y"))) << unknown;
    }
    EXPECT_FALSE(Options.StoreBoard);
}

TEST_F(GameSettings, OfferingTheUsersSettingsBack)
{
    load("[Options]\nAutoPress=1\n");
    std::vector<QString> asked;
    TMsgButton answer = TMsgButton::Yes;
    const MessageBoxPresenter previous = setMessageBoxPresenter([&](const TMessageBoxRequest& request) {
        asked.push_back(request.text);
        return answer;
    });
    int effected = 0;
    const auto putIntoEffect = [&effected]() { ++effected; };

    OfferRestoreSettings(true, putIntoEffect);
    EXPECT_TRUE(asked.empty()); // no game settings: no question

    ReadGameSetting(QStringLiteral("AutoPress:"), QStringLiteral("n"));
    OfferRestoreSettings(true, putIntoEffect);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(Options.AutoPress);
    EXPECT_FALSE(SettingsFromGame);
    EXPECT_EQ(effected, 1);

    answer = TMsgButton::No;
    ReadGameSetting(QStringLiteral("AutoPress:"), QStringLiteral("n"));
    OfferRestoreSettings(false, putIntoEffect);
    EXPECT_FALSE(Options.AutoPress);
    EXPECT_FALSE(SettingsFromGame);
    OfferRestoreSettings(false, putIntoEffect);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(effected, 1);
    setMessageBoxPresenter(previous);
}

class RecentFileList : public SettingsFolderTest {
protected:
    void SetUp() override
    {
        SettingsFolderTest::SetUp();
        ReadSettings(settingsPath());
        RecentFiles = {};
    }
    void fill(int count)
    {
        for (int n = count; n >= 1; --n) {
            AddRecentFile(QStringLiteral("/games/%1.pgn").arg(n));
        }
    }
    static QStringList names()
    {
        QStringList list;
        for (const QString& file : RecentFiles) {
            list.append(file.isEmpty() ? QStringLiteral("-") : QFileInfo(file).baseName());
        }
        return list;
    }
};

TEST_F(RecentFileList, NewNamesGoToTheFrontAndTheOldestDrops)
{
    fill(9);
    EXPECT_EQ(names().join(u' '), u"1 2 3 4 5 6 7 8 9");
    AddRecentFile(QStringLiteral("/games/new.pgn"));
    EXPECT_EQ(names().join(u' '), u"new 1 2 3 4 5 6 7 8");
}

TEST_F(RecentFileList, AKnownNameMovesToTheFrontAsNewlyGiven)
{
    fill(5);
    AddRecentFile(QStringLiteral("/games/4.pgn"));
    EXPECT_EQ(names().join(u' '), u"4 1 2 3 5 - - - -");
    AddRecentFile(QStringLiteral("/GAMES/1.PGN"));
    EXPECT_EQ(names().join(u' '), u"1 4 2 3 5 - - - -");
    EXPECT_EQ(RecentFiles[0], u"/GAMES/1.PGN");
}

TEST_F(RecentFileList, IgnoresEmptyAndClipboardNamesAndIsSavedAtOnce)
{
    fill(2);
    AddRecentFile(QString());
    AddRecentFile(QStringLiteral("@"));
    EXPECT_EQ(names().join(u' '), u"1 2 - - - - - - -");

    RecentFiles = {};
    ProfileFile saved(settingsPath());
    ASSERT_TRUE(saved.load());
    EXPECT_EQ(saved.value(QStringLiteral("Games"), QStringLiteral("File2")), u"/games/2.pgn");
    EXPECT_TRUE(saved.contains(QStringLiteral("Games"), QStringLiteral("File9")));
    ReadSettings(settingsPath());
    ReadRecentFiles();
    EXPECT_EQ(names().join(u' '), u"1 2 - - - - - - -");
}

} // namespace
