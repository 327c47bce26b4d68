#include "settings/window_settings.h"
#include "settings_fixture.h"

#include <unistd.h>

namespace {

class DataFolders : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }
    QString folder(const QString& relative) const
    {
        const QString path = root.filePath(relative);
        QDir().mkpath(path);
        return path + u'/';
    }
    QTemporaryDir root;
};

TEST_F(DataFolders, CandidatesFollowTheProgramThenTheXdgFolders)
{
    const QStringList expected {
        QStringLiteral("/opt/q/bin/"),
        QStringLiteral("/opt/q/share/quarvel/"),
        QStringLiteral("/home/u/.local/share/quarvel/"),
        QStringLiteral("/usr/local/share/quarvel/"),
        QStringLiteral("/usr/share/quarvel/"),
    };
    EXPECT_EQ(DataDirCandidates(QStringLiteral("/opt/q/bin"), {}, {}, QStringLiteral("/home/u")), expected);
    EXPECT_EQ(DataDirCandidates(QStringLiteral("/opt/q/bin/"), QStringLiteral("/data"),
                  QStringLiteral("relative:/srv/share:"), QStringLiteral("/home/u")),
        QStringList({QStringLiteral("/opt/q/bin/"), QStringLiteral("/opt/q/share/quarvel/"),
            QStringLiteral("/data/quarvel/"), QStringLiteral("/srv/share/quarvel/")}));
}

TEST_F(DataFolders, TheFirstFolderWithPiecesWins)
{
    const QString program = folder(QStringLiteral("prefix/bin"));
    const QString installed = folder(QStringLiteral("prefix/share/quarvel"));
    const QString xdg = folder(QStringLiteral("xdg/quarvel"));
    const QStringList candidates {program, installed, xdg};

    // Nothing there: the program's folder, so the program can say what is missing.
    EXPECT_EQ(ChooseDataDir(candidates), program);
    QFile(xdg + QStringLiteral("English.lng")).open(QIODevice::WriteOnly);
    EXPECT_EQ(ChooseDataDir(candidates), xdg);
    folder(QStringLiteral("xdg/quarvel/pieces"));
    EXPECT_EQ(ChooseDataDir(candidates), xdg);
    folder(QStringLiteral("prefix/share/quarvel/pieces"));
    EXPECT_EQ(ChooseDataDir(candidates), installed);
    folder(QStringLiteral("prefix/bin/pieces"));
    EXPECT_EQ(ChooseDataDir(candidates), program);
}

TEST_F(DataFolders, UserFilesGoToTheConfigFolderWhenTheDataFolderCannotTakeThem)
{
    EXPECT_EQ(UserConfigDir(QStringLiteral("/cfg"), QStringLiteral("/home/u")), u"/cfg/quarvel/");
    EXPECT_EQ(UserConfigDir({}, QStringLiteral("/home/u")), u"/home/u/.config/quarvel/");
    EXPECT_EQ(UserConfigDir(QStringLiteral("rel"), QStringLiteral("/home/u")), u"/home/u/.config/quarvel/");

    const QString data = folder(QStringLiteral("data"));
    const QString config = root.filePath(QStringLiteral("config/quarvel/"));
    EXPECT_EQ(ChooseSettingsDir(data, config), data);
    EXPECT_EQ(ChooseSettingsDir(root.filePath(QStringLiteral("missing/")), config), config);
    if (geteuid() != 0) { // permissions do not bind root
        QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(ChooseSettingsDir(data, config), config);
        QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

TEST_F(DataFolders, FileNamesAreFoundWhateverTheirCase)
{
    const QString data = folder(QStringLiteral("data"));
    QFile(data + QStringLiteral("ENGLISH.LNG")).open(QIODevice::WriteOnly);
    EXPECT_EQ(
        FindFileIgnoringCase(data, QStringLiteral("English.lng")), data + QStringLiteral("ENGLISH.LNG"));
    EXPECT_EQ(FindFileIgnoringCase(data, QStringLiteral("French.lng")), data + QStringLiteral("French.lng"));
}

using UserSettings = SettingsFolderTest;

TEST_F(UserSettings, AReadOnlyInstallKeepsTheUsersFilesInTheConfigFolder)
{
    // An installed data folder that ships preset settings.
    writeFile(DataDir + QStringLiteral("Default.ini"), "[Options]\nSearchDepth=11\n");
    const QByteArray shipped = readFile(DataDir + QStringLiteral("Default.ini"));
    SettingsDir = root.filePath(QStringLiteral("config/quarvel/"));

    ReadUserSettings(false);
    EXPECT_EQ(Options.SearchDepth, 11);
    Options.SearchDepth = 2;
    ASSERT_TRUE(WriteSettings());
    EXPECT_EQ(readFile(DataDir + QStringLiteral("Default.ini")), shipped);
    EXPECT_TRUE(readFile(SettingsDir + QStringLiteral("Default.ini")).contains("SearchDepth=2"));

    // From then on the user's own copy is read.
    ReadUserSettings(false);
    EXPECT_EQ(Options.SearchDepth, 2);
    EXPECT_EQ(DefaultSettingsPath(true), SettingsDir + QStringLiteral("ScrnSave.ini"));
}

TEST_F(UserSettings, WindowValuesAreReadAndWrittenBack)
{
    load("[Window]\nLeft=100\nTop=0x20\nState=2\nDirectory=/tmp\nGameExt=.pgn\nRunTime=15\n");
    const TWindowSettings normal = ReadWindowSettings(false);
    EXPECT_EQ(normal.Left, 100);
    EXPECT_EQ(normal.Top, 32);
    EXPECT_EQ(normal.State, 2);
    EXPECT_EQ(normal.Directory, u"/tmp");
    EXPECT_EQ(normal.RunTime, 15);
    const TWindowSettings viewer = ReadWindowSettings(true);
    EXPECT_EQ(viewer.Left, 132);
    EXPECT_EQ(viewer.Top, 64);
    EXPECT_EQ(viewer.State, 0);

    WriteWindowSettings({5, 6, 1, QStringLiteral("/games"), QStringLiteral(".zrb"), 99});
    ASSERT_TRUE(WriteSettings());
    ProfileFile saved(settingsPath());
    ASSERT_TRUE(saved.load());
    EXPECT_EQ(saved.value(QStringLiteral("Window"), QStringLiteral("GameExt")), u".ZRB");
    EXPECT_EQ(saved.value(QStringLiteral("Window"), QStringLiteral("Left")), u"5");
    EXPECT_EQ(saved.value(QStringLiteral("Window"), QStringLiteral("RunTime")), u"15");
}

TEST_F(UserSettings, LanguageFilesAreFoundWithTheirFallbacks)
{
    for (const char* file : {"english.lng", "Italian.lng", "Spanish European.lng", "Deutsch.LNG"}) {
        writeFile(DataDir + QString::fromUtf8(file), "[Messages]\n");
    }
    const struct {
        const char* language;
        const char* file;
    } cases[] = {
        {"English", "english.lng"},
        {"deutsch", "Deutsch.LNG"},
        {"Italian 2", "Italian.lng"},
        {"Spanish", "Spanish European.lng"},
        {"Klingon", "english.lng"},
        {"../data/Italian", "english.lng"},
        {"", "english.lng"},
    };
    for (const auto& c : cases) {
        Options.Language = QString::fromUtf8(c.language);
        EXPECT_EQ(LanguageFileName(), DataDir + QString::fromUtf8(c.file)) << c.language;
    }
}

TEST_F(UserSettings, ReadingSettingsOpensTheLanguageOnceAndTipsShowTheirNumberWhenMissing)
{
    writeFile(DataDir + QStringLiteral("English.lng"), "[Program Tips]\n1=  Try the hint.\n");
    int switches = 0;
    const LanguageChangedHook previous = setLanguageChangedHook([&switches]() { ++switches; });
    load("[Text]\nLanguage=English\n");
    ReadSettings();
    EXPECT_EQ(switches, 1);
    EXPECT_EQ(LanguageFilePath(), DataDir + QStringLiteral("English.lng"));
    EXPECT_EQ(TipText(QString::fromUtf16(programTipsSection), 1), u"Try the hint.");
    EXPECT_EQ(TipText(QString::fromUtf16(programTipsSection), 2), u"Text #2");
    CloseLanguageFile();
    EXPECT_EQ(TipText(QString::fromUtf16(programTipsSection), 1), u"");
    setLanguageChangedHook(previous);
}

} // namespace
