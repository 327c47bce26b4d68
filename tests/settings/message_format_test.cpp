#include "settings/message_format.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct FormatCase {
    const char* format;
    std::vector<MessageArg> args;
    const char* expected;
};

void expectFormats(const std::vector<FormatCase>& cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatText(QString::fromUtf8(c.format), c.args), QString::fromUtf8(c.expected));
    }
}

TEST(FormatText, FillsPlaceholdersInOrder)
{
    using namespace Qt::StringLiterals;
    expectFormats({
        {"Piece set %s not found", {u"Modern.bmp"_s}, "Piece set Modern.bmp not found"},
        {"Move %d: %s", {qint64 {12}, u"e4"_s}, "Move 12: e4"},
        {"100%% sure", {}, "100% sure"},
        {"[%5d|%-5d|%.3d]", {qint64 {42}, qint64 {42}, qint64 {-7}}, "[   42|42   |-007]"},
        {"[%6s|%-6s|%.2s]", {u"ab"_s, u"ab"_s, u"abcdef"_s}, "[    ab|ab    |ab]"},
        {"%x %u", {qint64 {255}, qint64 {3}}, "FF 3"},
        // An index picks the argument and the next placeholders follow on.
        {"%1:s %0:s %s", {u"a"_s, u"b"_s, u"c"_s}, "b a b"},
        {"%S %D", {u"up"_s, qint64 {1}}, "up 1"},
    });
}

TEST(FormatText, MismatchedArgumentsShowSomethingSensible)
{
    using namespace Qt::StringLiterals;
    expectFormats({
        // Missing arguments leave their placeholders visible.
        {"%s and %d", {u"one"_s}, "one and %d"},
        {"%5:s!", {u"one"_s}, "%5:s!"},
        {"%s", {}, "%s"},
        // The wrong kind of argument is written as it is.
        {"%s moves", {qint64 {3}}, "3 moves"},
        {"%d moves", {u"three"_s}, "three moves"},
        // What cannot be read as a placeholder stays in the text.
        {"50% off %q %", {u"x"_s}, "50% off %q %"},
        {"%-", {}, "%-"},
        {"%*d", {qint64 {1}}, "%*d"},
        // Extra arguments are ignored.
        {"no placeholders", {u"x"_s, qint64 {1}}, "no placeholders"},
    });
}

TEST(FormatText, HugeWidthsAndIndexesStayBounded)
{
    const std::vector<MessageArg> one {qint64 {1}};
    EXPECT_EQ(FormatText(QStringLiteral("%99999999999999999999d"), one).size(), 1000);
    EXPECT_EQ(FormatText(QStringLiteral("%.99999999999d"), one).size(), 1000);
    EXPECT_EQ(FormatText(QStringLiteral("%99999999999999:d"), one), u"%99999999999999:d");
}

} // namespace
