#include "controller/switches.h"

#include <gtest/gtest.h>

namespace {

struct SwitchCase {
    const char* name;
    QStringList arguments;
    TAppMode mode;
    std::uint64_t host;
    QStringList files;
};

TEST(Switches, ModesHostsAndFiles)
{
    const SwitchCase cases[] = {
        {"none", {}, TAppMode::Normal, 0, {}},
        {"bare s starts the saver", {"s"}, TAppMode::SaverRun, 0, {}},
        {"slash S", {"/S"}, TAppMode::SaverRun, 0, {}},
        {"dash c configures", {"-c"}, TAppMode::SaverConfig, 0, {}},
        {"preview host", {"/p", "1234"}, TAppMode::SaverPreview, 1234, {}},
        {"preview host not a number", {"/p", "abc"}, TAppMode::SaverPreview, 0, {}},
        {"password with host", {"a", "77"}, TAppMode::SaverPassword, 77, {}},
        {"viewer", {"/V12"}, TAppMode::ViewGame, 0, {}},
        {"files before and after a switch", {"one.pgn", "/Q", "two.pgn"}, TAppMode::Normal, 0,
            {"one.pgn", "two.pgn"}},
        // The host's own arguments after a saver switch are neither switches
        // nor game files.
        {"nothing scanned after S", {"game.pgn", "/s", "/V3", "other.pgn"}, TAppMode::SaverRun, 0,
            {"game.pgn"}},
        {"nothing scanned after P", {"/P", "99", "/S", "x.pgn"}, TAppMode::SaverPreview, 99, {}},
        {"nothing scanned after C", {"/c", "/a", "x.pgn"}, TAppMode::SaverConfig, 0, {}},
        {"a longer word is a file", {"sa"}, TAppMode::Normal, 0, {"sa"}},
        {"unknown letter ignored", {"/Z9"}, TAppMode::Normal, 0, {}},
        // Slashes begin switches and absolute paths alike.
        {"an absolute path is a file", {"/tmp/games/t.pgn", "/Q"}, TAppMode::Normal, 0, {"/tmp/games/t.pgn"}},
        {"a file at the root is a file", {"/"}, TAppMode::Normal, 0, {"/"}},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TStartSwitches s = ReadParamSwitches(c.arguments);
        EXPECT_EQ(s.AppMode, c.mode);
        EXPECT_EQ(s.PreviewHost, c.host);
        EXPECT_EQ(s.Files, c.files);
    }
}

TEST(Switches, ValuesAndTheirDefaults)
{
    const TStartSwitches given = ReadParamSwitches({"/B36", "/t15", "/V7", "-m", "/q", "/DEBUG", "g.pgn"});
    EXPECT_EQ(given.SquareSizeOverride, 36);
    EXPECT_EQ(given.RunMinutes, 15);
    EXPECT_EQ(given.GotoPlyAtStart, 7);
    EXPECT_TRUE(given.Maximized);
    EXPECT_TRUE(given.RotateAtStart);
    EXPECT_TRUE(given.Debug);
    EXPECT_EQ(given.Files, QStringList {"g.pgn"});

    const TStartSwitches unread = ReadParamSwitches({"/B", "/t", "/Vx", "/Dx"});
    EXPECT_EQ(unread.SquareSizeOverride, StoredSquareSize);
    EXPECT_EQ(unread.RunMinutes, 60);
    EXPECT_EQ(unread.GotoPlyAtStart, 0);
    EXPECT_FALSE(unread.Debug);

    const TStartSwitches absent = ReadParamSwitches({});
    EXPECT_EQ(absent.SquareSizeOverride, 0);
    EXPECT_FALSE(absent.RunMinutes.has_value());
}

} // namespace
