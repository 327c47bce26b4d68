#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "settings/language_file.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/profile_file.h"

#include <gtest/gtest.h>
#include <set>

// Holds the message catalogue, the English language file and the calls in
// the source tree together, so that no message the program shows lacks an
// English text that takes its arguments.

namespace {

const QString sourceDir = QStringLiteral(QUARVEL_SOURCE_DIR);
const QString messages = QString::fromUtf16(messagesSection);

ProfileFile englishFile()
{
    ProfileFile file(sourceDir + QStringLiteral("/data/English.lng"));
    EXPECT_TRUE(file.load());
    return file;
}

QString readSource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool takes(char kind, QChar conversion)
{
    return kind == 's' ? conversion == u's' : conversion != u's';
}

TEST(MessageCatalogue, EveryMessageHasAnEnglishTextTakingItsArguments)
{
    const ProfileFile english = englishFile();
    for (const TMessageUse& use : messageCatalog) {
        for (int number = use.first; number <= use.last; ++number) {
            SCOPED_TRACE(number);
            const QString text = english.value(messages, QString::number(number));
            ASSERT_FALSE(text.trimmed().isEmpty());
            const auto placeholders = Placeholders(text);
            ASSERT_TRUE(placeholders.has_value()) << "a stray % in: " << text.toStdString();
            for (const TPlaceholder& placeholder : *placeholders) {
                ASSERT_LT(placeholder.argument, use.args.size()) << text.toStdString();
                EXPECT_TRUE(takes(use.args[placeholder.argument], placeholder.conversion))
                    << text.toStdString();
            }
        }
    }
}

TEST(MessageCatalogue, EnglishHoldsEveryTipAndNoMessageNoCodeShows)
{
    const ProfileFile english = englishFile();
    for (const QString& key : english.keys(messages)) {
        bool ok = false;
        const int number = key.toInt(&ok);
        EXPECT_TRUE(ok && FindMessageUse(number) != nullptr) << "not in the catalogue: " << key.toStdString();
    }
    const struct {
        const char16_t* section;
        int count;
    } tips[] = {
        {programTipsSection, programTipCount}, {gameTipsSection, gameTipCount}, {triviaSection, triviaCount}};
    for (const auto& tip : tips) {
        const QString section = QString::fromUtf16(tip.section);
        EXPECT_EQ(english.keys(section).size(), tip.count) << section.toStdString();
        for (int number = 1; number <= tip.count; ++number) {
            EXPECT_FALSE(english.value(section, QString::number(number)).isEmpty())
                << section.toStdString() << ' ' << number;
        }
    }
}

TEST(MessageCatalogue, EveryNamedMessageIsInTheTable)
{
    static const QRegularExpression constant(QStringLiteral(R"(inline constexpr int (\w+) = (\d+);)"));
    const QString header = readSource(sourceDir + QStringLiteral("/settings/message_catalog.h"));
    int found = 0;
    for (const auto& match : constant.globalMatch(header)) {
        ++found;
        EXPECT_NE(FindMessageUse(match.captured(2).toInt()), nullptr) << match.captured(1).toStdString();
    }
    EXPECT_GT(found, 100);
    std::set<int> firsts;
    for (const TMessageUse& use : messageCatalog) {
        EXPECT_TRUE(firsts.insert(use.first).second) << use.first;
    }
}

// Code names its messages through the catalogue's constants; a literal
// number passed to a message routine must at least be one the table knows.
TEST(MessageCatalogue, TheSourceTreeShowsNoNumberOutsideTheTable)
{
    static const QRegularExpression call(QStringLiteral(
        R"(\b(?:FormatMessage|FormatMessageArgs|MessageText|ErrorMessage|InfoMessage|ConfirmOkCancel|AskYesNo|AskCancelAbortRetry)\s*\(\s*(\d+))"));
    static const QRegularExpression skipped(QStringLiteral(R"(/(tests|build[^/]*|\.git)/)"));
    int files = 0;
    QDirIterator it(sourceDir, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (skipped.match(path.mid(sourceDir.size())).hasMatch()) {
            continue;
        }
        ++files;
        for (const auto& match : call.globalMatch(readSource(path))) {
            EXPECT_NE(FindMessageUse(match.captured(1).toInt()), nullptr)
                << path.toStdString() << ": message " << match.captured(1).toStdString();
        }
    }
    EXPECT_GT(files, 20);
}

TEST(MessageCatalogue, ArgumentsOfTheWrongKindAreReported)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings.append(text); });
    FormatMessage(msg::FileUnreadable, QStringLiteral("games.pgn"));
    FormatMessage(msg::StatusMateAnnounced, 3);
    EXPECT_TRUE(warnings.isEmpty());
    FormatMessage(msg::FileUnreadable, 25);
    qInstallMessageHandler(previous);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.front().contains(u"1025"));
}

} // namespace
