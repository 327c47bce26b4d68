#include "engine_program/line_reader.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace engine_program {
namespace {

// A pipe whose read end the reader gets; written and closed by the test.
class PipeFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(pipe(Ends), 0); }
    void TearDown() override
    {
        CloseWriteEnd();
        close(Ends[0]);
    }
    void Write(const std::string& text)
    {
        ASSERT_EQ(write(Ends[1], text.data(), text.size()), ssize_t(text.size()));
    }
    void CloseWriteEnd()
    {
        if (Ends[1] >= 0) {
            close(Ends[1]);
            Ends[1] = -1;
        }
    }
    std::vector<InputLine> ReadAll(FdLineReader& reader)
    {
        std::vector<InputLine> lines;
        while (std::optional<InputLine> line = reader.Next(true)) {
            lines.push_back(*line);
        }
        return lines;
    }
    int Ends[2] = {-1, -1};
};

TEST_F(PipeFixture, SplitsLinesAndEndsWithTheInput)
{
    FdLineReader reader(Ends[0]);
    Write("uci\r\nisready\n\nposition sta");
    EXPECT_EQ(reader.Next(true)->Text, "uci");
    EXPECT_EQ(reader.Next(false)->Text, "isready");
    EXPECT_EQ(reader.Next(false)->Text, "");
    // A line still being written is not handed out without waiting.
    EXPECT_FALSE(reader.Next(false));
    EXPECT_FALSE(reader.Ended());
    Write("rtpos\ngo");
    CloseWriteEnd();
    const std::vector<InputLine> rest = ReadAll(reader);
    ASSERT_EQ(rest.size(), 2u);
    EXPECT_EQ(rest[0].Text, "position startpos");
    EXPECT_EQ(rest[1].Text, "go"); // the last line needs no line feed
    EXPECT_TRUE(reader.Ended());
    EXPECT_FALSE(reader.Next(true)); // and waiting at the end does not hang
}

TEST_F(PipeFixture, RefusesAnOverlongLineWholeAndKeepsTheNextOne)
{
    FdLineReader reader(Ends[0]);
    const std::string longLine(MaxLineLength + 10, 'x');
    const std::string exactLine(MaxLineLength, 'y');
    // Written from a second process: the pipe holds less than this.
    const pid_t writer = fork();
    if (writer == 0) {
        close(Ends[0]);
        const std::string all = longLine + "\n" + exactLine + "\nquit\n";
        std::size_t done = 0;
        while (done < all.size()) {
            const ssize_t n = write(Ends[1], all.data() + done, all.size() - done);
            if (n <= 0) {
                _exit(1);
            }
            done += std::size_t(n);
        }
        _exit(0);
    }
    CloseWriteEnd();
    const std::vector<InputLine> lines = ReadAll(reader);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].TooLong);
    EXPECT_EQ(lines[0].Text.size(), MaxLineLength);
    EXPECT_FALSE(lines[1].TooLong);
    EXPECT_EQ(lines[1].Text, exactLine);
    EXPECT_EQ(lines[2].Text, "quit");
    EXPECT_FALSE(lines[2].TooLong);
    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_EQ(status, 0);
}

} // namespace
} // namespace engine_program
