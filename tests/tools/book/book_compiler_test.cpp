#include "tests/tools/book/block_decoder.h"
#include "tools/book/book_board.h"
#include "tools/book/book_compiler.h"

#include <gtest/gtest.h>
#include <random>

namespace book::testing {
namespace {

struct Rejection {
    const char* Source;
    int Line;
    const char* Move;
    const char* Reason; // a part of the message
};

// Each source holds one fault; the comment and blank lines check that the
// reported line is the file's.
const Rejection Rejections[] = {
    {"# c\n1. e4 e5 2. Ke3", 2, "2. Ke3", "illegal"},
    {"1. e4 e5\n\n2. Nf3 Nc6 3. Bb5 Nf6 4. O-O-O", 3, "4. O-O-O", "illegal"},
    {"1. Nf3 d5 2. d4 Nf6 3. Nd2", 1, "3. Nd2", "ambiguous move"},
    {"1. e4 e5 2. Nbc3", 1, "2. Nbc3", "written Nc3"},
    {"1. e4 d5 2. ed5", 1, "2. ed5", "written exd5"},
    {"1. e4 e5 2. Nxf3", 1, "2. Nxf3", "written Nf3"},
    {"1. e4 e5 2. Nf3+", 1, "2. Nf3+", "written Nf3"},
    {"1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7+", 1, "4. Qxf7+", "written Qxf7#"},
    {"1. e4 f6 2. d4 g5 3. Qh5+", 1, "3. Qh5+", "written Qh5#"},
    {"1. e4 e5 2. Nf3!", 1, "2. Nf3!", "not a well-formed move"},
    {"1. e4 e5 2. e8=K", 1, "2. e8=K", "not a well-formed move"},
    {"e4 e5", 1, "e4", "begin with a move number"},
    {"1. e4 e5 3. Nf3", 1, "3.", "does not match"},
    {"1. e4 e5 2... Nf3", 1, "2...", "does not match"},
    {"1. e4 e5\n3. Nf3", 2, "3.", "fewer moves"},
    {"2... e5", 1, "2...", "fewer moves"},
    {"1. e4 e5\n2.", 2, "2.", "adds no moves"},
    {"1. e4 e5\n# 1. ?e4 conflicts\n1. ?e4 c5", 3, "1. ?e4", "marked differently on line 1"},
    {"1. ?e4 e5", 1, "1. ?e4", "nothing to choose"},
    {"1. e4 e5\n1... ?c5 2. Nf3 ?Nc6", 2, "2... ?Nc6", "nothing to choose"},
};

TEST(BookCompiler, RejectsAFaultyLineWithItsLineNumberAndMove)
{
    for (const Rejection& r : Rejections) {
        SCOPED_TRACE(r.Source);
        const CompiledBook book = CompileBook(r.Source);
        ASSERT_EQ(book.Errors.size(), 1u);
        EXPECT_EQ(book.Errors[0].Line, r.Line);
        EXPECT_EQ(book.Errors[0].Move, r.Move);
        EXPECT_NE(book.Errors[0].Message.find(r.Reason), std::string::npos) << book.Errors[0].Message;
        EXPECT_TRUE(book.Block.empty());
    }
}

TEST(BookCompiler, RejectsLinesLongerThanFortyTwoHalfMoves)
{
    std::string shuffle = "1. Nf3";
    const char* moves[] = {"Nf6", "Ng1", "Ng8", "Nf3"};
    for (int ply = 1; ply < 43; ++ply) {
        shuffle += ' ';
        if (ply % 2 == 0) {
            shuffle += std::to_string(ply / 2 + 1) + ". ";
        }
        shuffle += moves[(ply - 1) % 4];
    }
    EXPECT_TRUE(CompileBook(shuffle.substr(0, shuffle.rfind(' '))).Errors.empty())
        << "42 half-moves are allowed";
    const CompiledBook book = CompileBook(shuffle);
    ASSERT_EQ(book.Errors.size(), 1u);
    EXPECT_EQ(book.Errors[0].Message, "the line is longer than 42 half-moves");
}

// Order of first appearance, recognised-only moves after the separator,
// continuation lines inheriting moves and marks, suffixes not making a
// node of their own, and a line's last move kept as a choice.
TEST(BookCompiler, BuildsTheTreeInTheOrderOfTheSource)
{
    const char* source = "1. e4 e5 2. Nf3 Nc6 3. Bb5\n"
                         "2... ?d6 3. d4\n"
                         "1... c5 2. Nf3\n"
                         "1. ?b3 e5\n"
                         "1. d4 d5 2. c4\n"
                         "1... Nf6 2. c4\n"
                         "1. e4 e5 2. Nf3 Nf6\n"
                         "1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7#\n"
                         "4. Qxf7\n";
    const CompiledBook book = CompileBook(source);
    ASSERT_TRUE(book.Errors.empty()) << book.Errors[0].Line << ": " << book.Errors[0].Message;
    const DecodedBlock decoded = DecodeBlock(book.Block);
    EXPECT_TRUE(decoded.Faults.empty());
    const std::map<std::string, std::string> expected {
        {"", "e4 d4 | b3"},
        {"e4", "e5 c5"},
        {"e4 e5", "Nf3 Bc4"},
        {"e4 e5 Nf3", "Nc6 Nf6 | d6"},
        {"e4 e5 Nf3 Nc6", "Bb5"},
        {"e4 e5 Nf3 d6", "d4"},
        {"e4 c5", "Nf3"},
        {"b3", "e5"},
        {"d4", "d5 Nf6"},
        {"d4 d5", "c4"},
        {"d4 Nf6", "c4"},
        {"e4 e5 Bc4", "Nc6"},
        {"e4 e5 Bc4 Nc6", "Qh5"},
        {"e4 e5 Bc4 Nc6 Qh5", "Nf6"},
        {"e4 e5 Bc4 Nc6 Qh5 Nf6", "Qxf7#"},
    };
    EXPECT_EQ(decoded.Lists, expected);
    EXPECT_EQ(book.MoveNodes, decoded.MoveNodes);
    EXPECT_EQ(book.Separators, 2);
    EXPECT_EQ(book.BytesUsed, decoded.BytesUsed);
    EXPECT_EQ(book.Block.size(), 32000u);
}

// Random games of 42 half-moves branch at once, so a few hundred of them
// need more than the block holds.
TEST(BookCompiler, RejectsATreeLargerThanTheBlock)
{
    std::mt19937 random(42);
    BookBoard board;
    std::string source;
    for (int game = 0; game < 800; ++game) {
        board.Reset();
        source += "1.";
        for (int ply = 0; ply < 42; ++ply) {
            const auto legal = board.LegalMoves();
            if (legal.empty()) {
                break;
            }
            const auto move = legal[random() % legal.size()];
            source += ' ';
            if (ply > 0 && ply % 2 == 0) {
                source += std::to_string(ply / 2 + 1) + ". ";
            }
            source += board.San(move);
            board.Play(move);
        }
        source += '\n';
    }
    const CompiledBook book = CompileBook(source);
    ASSERT_EQ(book.Errors.size(), 1u) << book.Errors[0].Line << ": " << book.Errors[0].Message;
    EXPECT_NE(book.Errors[0].Message.find("more than the block's 32000"), std::string::npos);
    EXPECT_TRUE(book.Block.empty());
}

} // namespace
} // namespace book::testing
