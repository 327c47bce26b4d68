#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/error_handler.h"
#include "support/error_log.h"
#include "support/file_names.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        setErrorLogPath(logPath());
    }
    void TearDown() override
    {
        setErrorLogPath({});
        setErrorPresenter({});
    }

    QString logPath() const { return folder.filePath(QStringLiteral("quarvel.err")); }
    QStringList logLines() const
    {
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split(u'\n');
    }

    QTemporaryDir folder;
};

TEST_F(ErrorLogTest, TwoErrorsAppendTwoEntries)
{
    WriteErrorLog(QStringLiteral("first failure"));
    WriteErrorLog(QStringLiteral("second failure"));

    const QStringList lines = logLines();
    // Two entries of three lines each; the split leaves one empty tail.
    ASSERT_EQ(lines.size(), 7);
    const QRegularExpression heading(QStringLiteral("^/\\S+ ") + QRegularExpression::escape(ProgramVersion())
        + QStringLiteral(" at \\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
    EXPECT_TRUE(heading.match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_EQ(lines[1], u"first failure");
    EXPECT_EQ(lines[2], u"");
    EXPECT_TRUE(heading.match(lines[3]).hasMatch()) << lines[3].toStdString();
    EXPECT_EQ(lines[4], u"second failure");
    EXPECT_EQ(lines[5], u"");
}

TEST_F(ErrorLogTest, AnUnwritableLogIsIgnored)
{
    const QString path = folder.filePath(QStringLiteral("missing/folder/quarvel.err"));
    setErrorLogPath(path);
    WriteErrorLog(QStringLiteral("lost"));
    // Nothing is thrown and nothing is made up: no folder, no file.
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(ErrorLogTest, DefaultLogSitsBesideTheProgram)
{
    const QString program = ProgramFilePath();
    EXPECT_EQ(DefaultErrorLogPath(),
        program.left(program.lastIndexOf(u'/') + 1) + BaseFileName(program) + QStringLiteral(".err"));
}

TEST_F(ErrorLogTest, HandleExceptionLogsBeforePresenting)
{
    QString shownTitle;
    QString shownMessage;
    int logLinesWhenShown = 0;
    setErrorPresenter(
        [this, &shownTitle, &shownMessage, &logLinesWhenShown](const QString& title, const QString& message) {
            shownTitle = title;
            shownMessage = message;
            logLinesWhenShown = static_cast<int>(logLines().size());
        });

    HandleException(std::make_exception_ptr(std::runtime_error("disk full")));
    EXPECT_EQ(shownMessage, u"disk full");
    EXPECT_EQ(shownTitle, ApplicationTitle());
    EXPECT_EQ(logLinesWhenShown, 4);
    EXPECT_EQ(logLines().at(1), u"disk full");

    HandleException(std::make_exception_ptr(42));
    EXPECT_FALSE(shownMessage.isEmpty());
    EXPECT_EQ(logLines().size(), 7);
}

TEST_F(ErrorLogTest, AFailingPresenterDoesNotEscape)
{
    setErrorPresenter([](const QString&, const QString&) { throw std::runtime_error("no screen"); });
    EXPECT_NO_THROW(HandleException(QStringLiteral("first")));
    EXPECT_EQ(logLines().at(1), u"first");
}

} // namespace
