#include <QFileInfo>

#include "settings/option_keys.h"
#include "settings/recent_files.h"
#include "settings/setting_values.h"
#include "settings/window_settings.h"
#include "settings_fixture.h"

#include <functional>
#include <type_traits>

namespace {

// Gives every stored field a value that differs from its default and that
// the reader keeps as it is.
template <typename Field> void changeField(Field& field, const QString& name)
{
    if constexpr (std::is_same_v<Field, bool>) {
        field = !field;
    } else if constexpr (std::is_same_v<Field, std::int32_t>) {
        field += 7;
    } else if constexpr (std::is_same_v<Field, char>) {
        field = field == 'X' ? 'Y' : 'X';
    } else if constexpr (std::is_same_v<Field, TColour>) {
        field = 0x123456;
    } else {
        field = name + QStringLiteral(" value");
    }
}

TOptionsRec everyKeyChanged()
{
    TOptionsRec rec;
    ResetOptions(rec);
    for (const TOptionKey& key : OptionKeys()) {
        std::visit([&rec, &key](auto member) { changeField(rec.*member, key.keyName()); }, key.field);
    }
    rec.FontChars = QStringLiteral("abcdefghijklmnopqrstuv");
    return rec;
}

using SettingsFile_ = SettingsFolderTest;

TEST_F(SettingsFile_, EveryKeyRoundTripsThroughTheFile)
{
    const TOptionsRec changed = everyKeyChanged();
    writeFile(DataDir + QStringLiteral("pieces/PieceSet value.bmp"), "BM");
    ReadSettings(settingsPath());
    Options = changed;
    ASSERT_TRUE(WriteSettings());

    ResetOptions(Options);
    ReadSettings(settingsPath());

    TOptionsRec expected = changed;
    // Read-only keys are never written, and every load ends at version 40.
    expected.ScreenReader = false;
    expected.MainMenu = true;
    expected.Version = 40;
    EXPECT_TRUE(Options == expected);
    for (const TOptionKey& key : OptionKeys()) {
        std::visit(
            [&key, &expected](auto member) {
                EXPECT_TRUE(Options.*member == expected.*member) << key.keyName().toStdString();
            },
            key.field);
    }
    EXPECT_EQ(Options.FontChars, changed.FontChars);

    const QString text = QString::fromUtf8(readFile(settingsPath()));
    EXPECT_TRUE(text.contains(u"WhiteColor=$00123456"));
    EXPECT_TRUE(text.contains(u"KingChar=X"));
    EXPECT_TRUE(text.contains(u"[FontChars]\nFigureFont value=abcdefghijklmnopqrstuv"));
    EXPECT_FALSE(text.contains(u"ScreenReader"));
    EXPECT_FALSE(text.contains(u"MainMenu"));
}

TEST_F(SettingsFile_, HandWrittenFilesAreReadAndWrittenBackWithWhatTheProgramDoesNotKnow)
{
    load("; my settings\n"
         "[ board ]\n"
         "  showtaken =  0  \n"
         "SquareSize=0x30\n"
         "Texture=\"  Marble  \"\n"
         "WhiteColor = 255 , 255 , 0\n"
         "BlackColor=CLNAVY\n"
         "MarkerColor=$00C0DCC0\n"
         "AttackColor=8421504\n"
         "[Text]\n"
         "kingchar=k\n"
         "Language=  English  \n"
         "[My Notes]\n"
         "Colour = blue\n"
         "[Options]\n"
         "Unknown Key=kept\n"
         "AutoPress=true\n");

    EXPECT_FALSE(Options.ShowTaken);
    EXPECT_EQ(Options.SquareSize, 48);
    EXPECT_EQ(Options.Texture, u"  Marble  ");
    EXPECT_EQ(Options.WhiteColor, clYellow);
    EXPECT_EQ(Options.BlackColor, clNavy);
    EXPECT_EQ(Options.MarkerColor, clMoneyGreen);
    EXPECT_EQ(Options.AttackColor, clGray);
    EXPECT_EQ(Options.KingChar, 'K');
    EXPECT_TRUE(Options.AutoPress);

    ASSERT_TRUE(WriteSettings());
    ProfileFile written(settingsPath());
    ASSERT_TRUE(written.load());
    EXPECT_EQ(written.value(QStringLiteral("My Notes"), QStringLiteral("colour")), u"blue");
    EXPECT_EQ(written.value(QStringLiteral("options"), QStringLiteral("unknown key")), u"kept");
    EXPECT_EQ(written.value(QStringLiteral("Board"), QStringLiteral("WhiteColor")), u"clYellow");
    EXPECT_EQ(written.value(QStringLiteral("Board"), QStringLiteral("ShowTaken")), u"0");
    EXPECT_EQ(written.value(QStringLiteral("Board"), QStringLiteral("Texture")), u"  Marble  ");
    // The file's own spelling of a section stays.
    EXPECT_TRUE(written.sections().contains(QStringLiteral("board")));
}

// A file edited by hand and by an older version of the program: what the
// reader skips and the values in the old 8-bit code page come back from a
// save exactly as they were.
TEST_F(SettingsFile_, ASaveKeepsHandEditsAndOldEncodings)
{
    const QByteArray kept[] = {
        "; my settings, do not share",
        "[Games",
        "File1=/home/j\xC3\xBCrgen/partie.pgn",
        "File2=C:\\Partien\\K\xF6nig.pgn",
        "[Sound]",
        "; the old bell",
        "PlaceSound=d\xE9pos.wav",
        "this line has no equals sign",
        "PlaceSound=second copy.wav",
        "[Window]",
        "Directory=/home/j\xC3\xBCrgen",
    };
    load(QByteArrayList(std::begin(kept), std::end(kept)).join('\n') + '\n');
    EXPECT_EQ(Options.PlaceSound, u"dépos.wav");
    ReadRecentFiles();
    EXPECT_EQ(RecentFiles[0], u"/home/jürgen/partie.pgn");
    EXPECT_EQ(RecentFiles[1], u"C:\\Partien\\König.pgn");

    WriteWindowSettings(ReadWindowSettings(false));
    ASSERT_TRUE(WriteSettings());
    const QByteArray written = readFile(settingsPath());
    for (const QByteArray& line : kept) {
        SCOPED_TRACE(line.toStdString());
        const QByteArray whole = line == "[Games" ? QByteArray("[Games]") : line;
        EXPECT_TRUE(written.startsWith(whole + '\n') || written.contains('\n' + whole + '\n'));
    }
    EXPECT_FALSE(written.contains("\xC3\x83"));
}

// A second copy of the program (the game viewer, the password check, the
// saver) reads the settings file but never overwrites it.
TEST_F(SettingsFile_, ACopyThatDoesNotSaveLeavesTheFileAlone)
{
    const QByteArray original = "[Options]\nSearchDepth=9\n[Games]\nFile1=/games/main.pgn\n";
    const QString other = DataDir + QStringLiteral("Club.ini");
    const struct {
        const char* writer;
        std::function<void()> write;
    } cases[] = {
        {"AddRecentFile", [] { AddRecentFile(QStringLiteral("/games/viewed.pgn")); }},
        {"WriteSettings", [] { WriteSettings(); }},
        {"window placement",
            [] {
                WriteWindowSettings({10, 20, 0, QStringLiteral("/tmp"), QStringLiteral(".PGN")});
                FlushSettings();
            }},
        {"SwitchSettingsFile", [&other] { SwitchSettingsFile(other); }},
        {"ReadSettings of another file", [&other] { ReadSettings(other); }},
    };
    SetSettingsSaving(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.writer);
        load(original);
        ReadRecentFiles();
        Options.SearchDepth = 12;
        c.write();
        EXPECT_EQ(readFile(settingsPath()), original);
        EXPECT_FALSE(QFileInfo::exists(other));
    }

    // The copy that owns the file keeps its recent files at once.
    SetSettingsSaving(true);
    load(original);
    ReadRecentFiles();
    AddRecentFile(QStringLiteral("/games/new.pgn"));
    EXPECT_TRUE(readFile(settingsPath()).contains("File1=/games/new.pgn\nFile2=/games/main.pgn\n"));
}

TEST(SettingValues, ColoursAreReadInEveryWrittenForm)
{
    const struct {
        const char* text;
        std::optional<TColour> colour;
    } cases[] = {
        {"clRed", clRed},
        {"CLRED", clRed},
        {"$000000FF", clRed},
        {"$FF", clRed},
        {"255, 0, 0", clRed},
        {"255,0,0", clRed},
        {"255", clRed},
        {"0xFF", clRed},
        {" clSkyBlue ", clSkyBlue},
        {"", std::nullopt},
        {"reddish", std::nullopt},
        {"1, 2", std::nullopt},
        {"300, 0, 0", std::nullopt},
        {"a, b, c", std::nullopt},
        {"$xyz", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadColourValue(QString::fromUtf8(c.text)), c.colour) << c.text;
    }
    EXPECT_EQ(ColourValueText(clRed), u"clRed");
    EXPECT_EQ(ColourValueText(0x0102AB), u"$000102AB");
}

TEST(SettingValues, NumbersBooleansAndLetters)
{
    EXPECT_EQ(ReadIntegerValue(QStringLiteral("-12")), -12);
    EXPECT_EQ(ReadIntegerValue(QStringLiteral("0X1f")), 31);
    EXPECT_EQ(ReadIntegerValue(QStringLiteral("0xFFFFFFFF")), -1);
    for (const char* bad : {"", "twelve", "12abc", "0x", "99999999999", "0x1FFFFFFFF"}) {
        EXPECT_EQ(ReadIntegerValue(QString::fromUtf8(bad)), std::nullopt) << bad;
    }
    EXPECT_EQ(ReadBoolValue(QStringLiteral("2")), true);
    EXPECT_EQ(ReadBoolValue(QStringLiteral("0")), false);
    EXPECT_EQ(ReadBoolValue(QStringLiteral("Yes")), true);
    EXPECT_EQ(ReadBoolValue(QStringLiteral("maybe")), std::nullopt);
    EXPECT_EQ(ReadLetterValue(QStringLiteral("kx")), 'K');
    EXPECT_EQ(ReadLetterValue(QString()), std::nullopt);
    EXPECT_EQ(ReadLetterValue(QStringLiteral("\u0416")), std::nullopt);
}

TEST_F(SettingsFile_, BadValuesGiveTheKeysDefaultAndTheRestStillLoads)
{
    load("[Options]\n"
         "MinsPerGame=lots\n"
         "SearchDepth=\n"
         "AutoPress=perhaps\n"
         "[Text]\n"
         "KingChar=\n"
         "QueenChar=d\n"
         "[Board]\n"
         "WhiteColor=sort of pink\n"
         "BlackColor=\n"
         "SquareSize=60\n");

    EXPECT_EQ(Options.MinsPerGame, 20);
    EXPECT_EQ(Options.SearchDepth, 5);
    EXPECT_TRUE(Options.AutoPress);
    EXPECT_EQ(Options.KingChar, 'K');
    EXPECT_EQ(Options.QueenChar, 'D');
    EXPECT_EQ(Options.WhiteColor, clWhite);
    EXPECT_EQ(Options.BlackColor, clMaroon);
    EXPECT_EQ(Options.SquareSize, 60);
}

TEST_F(SettingsFile_, TruncatedAndBinaryFilesLoadWhatTheyHold)
{
    load("[Options]\nSearchDepth=9\nMovesPerHour=4");
    EXPECT_EQ(Options.SearchDepth, 9);
    EXPECT_EQ(Options.MovesPerHour, 4);

    load("[Options]\nSearchDepth=9\nMovesPer");
    EXPECT_EQ(Options.SearchDepth, 9);
    EXPECT_EQ(Options.MovesPerHour, 100);

    QByteArray binary("[Options]\nSearchDepth=3\n");
    for (int i = 0; i < 512; ++i) {
        binary.append(static_cast<char>((i * 37) & 0xFF));
    }
    binary.append("\n[Board]\nEdgeSize=12\n");
    load(binary);
    EXPECT_EQ(Options.SearchDepth, 3);
    EXPECT_EQ(Options.EdgeSize, 12);
    EXPECT_EQ(Options.MinsPerGame, 20);
}

TEST_F(SettingsFile_, TheReaderKeepsTheOptionsConsistent)
{
    load("[Options]\nMinsPerGame=0\nSecsPerTurn=-5\nMovesPerHour2=0\n"
         "[Board]\nShowAnalogue=1\nShowDigital=1\nPieceSet=Nowhere\n");
    EXPECT_EQ(Options.MinsPerGame, 1);
    EXPECT_EQ(Options.SecsPerTurn, 1);
    EXPECT_EQ(Options.MovesPerHour2, 1);
    EXPECT_TRUE(Options.ShowAnalogue);
    EXPECT_FALSE(Options.ShowDigital);
    EXPECT_EQ(Options.PieceSet, u"Modern");

    load("[Board]\nShowAnalogue=0\nShowDigital=1\n");
    EXPECT_TRUE(Options.ShowDigital);
}

TEST_F(SettingsFile_, LegacyPieceSetNumbersSurviveWhenTheirPictureExists)
{
    writeFile(DataDir + QStringLiteral("pieces/Std Xtra large.bmp"), "BM");
    load("[Board]\nPieceSet=9\n");
    EXPECT_EQ(Options.PieceSet, u"9");
    load("[Board]\nPieceSet=10\n");
    EXPECT_EQ(Options.PieceSet, u"Modern");
}

TEST_F(SettingsFile_, VersionRuleAndTipTypeDefaults)
{
    const struct {
        const char* tips;
        int tipTypes;
        int curTipType;
    } cases[] = {
        {"[Settings]\nVersion=30\n[Tips]\nTipTypes=2\nCurTipType=1\n", 3, 0},
        {"[Tips]\nTipTypes=2\nCurTipType=1\n", 3, 0}, // no Version: an old file
        {"[Settings]\nVersion=35\n[Tips]\nTipTypes=2\nCurTipType=1\n", 2, 1},
        {"[Settings]\nVersion=40\n[Tips]\nTipTypes=1\n", 1, 1},
        {"[Settings]\nVersion=40\n[Tips]\nTipTypes=3\n", 3, -1},
    };
    for (const auto& c : cases) {
        load(c.tips);
        EXPECT_EQ(Options.TipTypes, c.tipTypes) << c.tips;
        EXPECT_EQ(Options.CurTipType, c.curTipType) << c.tips;
        EXPECT_EQ(Options.Version, 40);
    }
}

TEST_F(SettingsFile_, ProgramWideKeysAndTheCommandLineSquareSize)
{
    SetCommandLineSquareSize(64);
    load("[Settings]\nDebug=1\nScreenReader=1\nMainMenu=0\n[Board]\nSquareSize=28\n[FontChars]\nChess=abc\n");
    EXPECT_TRUE(Debug);
    EXPECT_TRUE(Options.ScreenReader);
    EXPECT_FALSE(Options.MainMenu);
    EXPECT_EQ(Options.SquareSize, 64);
    // Reset clears ScreenReader before the audio default is taken.
    EXPECT_EQ(Options.AudioType, 2);
    EXPECT_EQ(Options.FontChars, QStringLiteral("abc").leftJustified(22));
}

TEST_F(SettingsFile_, ReadingWithoutANameGoesBackToTheImage)
{
    load("[Options]\nAutoPress=0\n");
    Options.AutoPress = true;
    SettingsFromGame = true;
    ReadSettings();
    EXPECT_FALSE(Options.AutoPress);
    EXPECT_FALSE(SettingsFromGame);
}

TEST_F(SettingsFile_, AFailedSaveIsReportedNotHidden)
{
    writeFile(DataDir + QStringLiteral("plain.txt"), "x");
    QDir().mkpath(DataDir + QStringLiteral("Folder.ini"));
    for (const char* path : {"plain.txt/Default.ini", "Folder.ini"}) {
        ReadSettings(DataDir + QString::fromUtf8(path));
        EXPECT_FALSE(WriteSettings()) << path;
    }
    EXPECT_TRUE(readFile(errorLog()).contains("Settings cannot be saved"));
}

TEST_F(SettingsFile_, SwitchingFilesSavesTheCurrentOneFirst)
{
    load("[Options]\nSearchDepth=9\n");
    Options.SearchDepth = 12;
    const QString other = DataDir + QStringLiteral("Club.ini");
    writeFile(other, "[Options]\nSearchDepth=-3\n");
    SwitchSettingsFile(other);
    EXPECT_EQ(Options.SearchDepth, -3);
    EXPECT_TRUE(readFile(settingsPath()).contains("SearchDepth=12"));

    EXPECT_TRUE(IsSettingsFile(other));
    writeFile(DataDir + QStringLiteral("saved.txt"), "[Settings]\nVersion=40\n");
    EXPECT_TRUE(IsSettingsFile(DataDir + QStringLiteral("saved.txt")));
    writeFile(DataDir + QStringLiteral("marked.txt"), "\xEF\xBB\xBF[Settings]\n");
    EXPECT_TRUE(IsSettingsFile(DataDir + QStringLiteral("marked.txt")));
    writeFile(DataDir + QStringLiteral("game.pgn"), "[Event \"x\"]\n");
    EXPECT_FALSE(IsSettingsFile(DataDir + QStringLiteral("game.pgn")));
}

} // namespace
