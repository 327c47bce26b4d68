#include "engine/board.h"
#include "engine/engine_interface.h"
#include "engine/engine_state.h"
#include "engine/opening_library.h"
#include "engine/random.h"
#include "tools/book/book_board.h"
#include "tools/book/opening_book.h"
#include "tools/book/san_match.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <vector>

namespace engine::testing {
namespace {

// Every test starts a game from the initial position with the built-in
// library installed, and leaves the engine without one for other tests.
class OpeningLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(book::InstallOpeningBook());
        ResetEngine();
        SeedEngineRandom(20261210);
    }
    void TearDown() override { InstallOpeningLibrary(nullptr, 0); }

    // Enters the moves through the engine interface, as a game would.
    static void Enter(const std::string& moves)
    {
        std::istringstream words(moves);
        book::BookBoard board; // only names the moves; the engine holds the game
        for (std::string san; words >> san;) {
            const book::SanMatch match = book::MatchSan(board, san);
            ASSERT_TRUE(match.Move.IsMove()) << san << ": " << match.Fault;
            const SquarePair from = ToPair(match.Move.Old);
            const SquarePair to = ToPair(match.Move.New);
            const MovePattern pattern {match.Move.Piece, from.File, from.Rank, to.File, to.Rank};
            ASSERT_EQ(EnterMove(pattern), CodeDone) << san;
        }
    }

    // The library's choice in the current position, named in SAN.
    static std::string Choose()
    {
        ++Pos.MoveStackTop; // as ThinkMove calls it
        const bool chosen = LibChoose();
        --Pos.MoveStackTop;
        return chosen ? book::BookBoard().San(Engine.MainLine[0]) : std::string("(none)");
    }
};

TEST_F(OpeningLibrary, RootChoiceFollowsTheListOrderAndNeverPassesTheSeparator)
{
    ASSERT_TRUE(LibFind());
    constexpr int Draws = 17000;
    std::map<std::string, int> counts;
    for (int i = 0; i < Draws; ++i) {
        ++counts[Choose()];
    }
    // Expected share in seventeenths. Each count must lie within five
    // standard deviations of its mean: a correct draw misses that with odds
    // below one in a million, and the fixed seed makes the run repeatable.
    const std::map<std::string, int> expected {{"e4", 8}, {"d4", 4}, {"Nf3", 3}, {"c4", 1}, {"f4", 1}};
    EXPECT_EQ(counts.size(), expected.size()) << "a move after the separator or no move was chosen";
    for (const auto& [move, seventeenths] : expected) {
        const double p = seventeenths / 17.0;
        const double mean = Draws * p;
        const double tolerance = 5 * std::sqrt(Draws * p * (1 - p));
        EXPECT_NEAR(counts[move], mean, tolerance) << move;
    }
}

TEST_F(OpeningLibrary, ThinkMovePlaysALibraryMoveWithoutSearching)
{
    Enter("e4 e5");
    ASSERT_EQ(StartThinking(180), CodeDone);
    while (ContinueThinking(1) == StateThinking) { }
    MoveRecord last {};
    ASSERT_EQ(GetLastMove(last), CodeDone);
    EXPECT_EQ(Pos.MovesSinceSetup, 3);
    EXPECT_EQ(GetNodeCount(), 0u);
    EXPECT_EQ(last.Value, 0);
    MoveRecord hint {};
    GetHintMove(hint);
    EXPECT_EQ(hint.Piece, 0) << "no thinking ahead follows a library move";
    ASSERT_EQ(TakeBackMove(last), CodeDone);
    const std::string played = book::BookBoard().San(FromMoveRecord(last));
    EXPECT_TRUE(played == "Nf3" || played == "f4" || played == "Bc4") << played;
}

TEST_F(OpeningLibrary, MovesAfterTheSeparatorAreStillFollowed)
{
    Enter("b3");
    ASSERT_TRUE(LibFind());
    const std::string reply = Choose();
    EXPECT_NE(reply, "(none)");
    Enter(reply);
    EXPECT_TRUE(LibFind()) << "1. b3 " << reply;
}

TEST_F(OpeningLibrary, LookupLeavesTheGameAsItWas)
{
    Enter("e4 c5 Nf3 d6 d4 cxd4 Nxd4 Nf6 Nc3 a6");
    const BoardImage before = CurrentBoardImage();
    const int top = Pos.MoveStackTop;
    const EngineMove last = Pos.Stack(top);
    ASSERT_TRUE(LibFind());
    EXPECT_TRUE(ImagesEqual(CurrentBoardImage(), before));
    EXPECT_EQ(Pos.MoveStackTop, top);
    EXPECT_EQ(Pos.Stack(top), last);
    EXPECT_EQ(Pos.MovesSinceSetup, 10);
    EXPECT_EQ(Pos.Player, White);
}

// The lookup follows the game's own move order from the start: a game that
// left the tree never comes back, even into a position the tree holds.
TEST_F(OpeningLibrary, TranspositionsDoNotReenterTheTree)
{
    Enter("d4 Nf6 c4 e6 Nc3 Bb4");
    ASSERT_TRUE(LibFind()) << "the Nimzo-Indian in the tree's own order";
    ResetEngine();
    Enter("c4 Nf6 Nc3 e6");
    ASSERT_TRUE(LibFind());
    Enter("d4"); // not in the list after 1. c4 Nf6 2. Nc3 e6
    EXPECT_FALSE(LibFind());
    Enter("Bb4"); // the same position as above
    EXPECT_FALSE(LibFind());
}

TEST_F(OpeningLibrary, BookPliesLimitsTheLookup)
{
    struct Case {
        int BookPlies;
        const char* Moves;
        bool Found;
    };
    const Case cases[] = {
        {0, "", false},
        {1, "", true},
        {1, "e4", false},
        {2, "e4", true},
        {2, "e4 e5", false},
        {3, "e4 e5", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "BookPlies " << c.BookPlies << " after '" << c.Moves << "'");
        ResetEngine();
        SetBookPlies(c.BookPlies);
        Enter(c.Moves);
        EXPECT_EQ(LibFind(), c.Found);
        EXPECT_EQ(LibPosition() != 0, c.Found);
    }
}

// The stored move numbers mean something only from the initial position
// with White to move, whatever BookPlies the caller left.
TEST_F(OpeningLibrary, OtherSetUpsAreNeverLookedUp)
{
    ResetEngine();
    Enter("e4");
    BoardImage image {};
    GetBoardImage(image);
    ResetEngine(&image);
    SetSideToMove(Black);
    EXPECT_FALSE(LibFind());

    ResetEngine();
    SetSideToMove(Black);
    EXPECT_FALSE(LibFind());
}

TEST_F(OpeningLibrary, AbsentLibraryIsNeverFound)
{
    InstallOpeningLibrary(nullptr, 0);
    EXPECT_FALSE(LibFind());
}

// A hand-made block: a list of A (children x, y), B, separator, C (child z).
//   [0] FF root  [1] A 41  [2] x 05  [3] y 86  [4] B 07  [5] 3F  [6] C C8  [7] z 89
constexpr std::uint8_t SmallTree[] = {0xFF, 0x41, 0x05, 0x86, 0x07, 0x3F, 0xC8, 0x89};

TEST(OpeningLibraryWalk, SkipNodeAndFirstSiblingStepThroughLists)
{
    ASSERT_TRUE(InstallOpeningLibrary(SmallTree, sizeof SmallTree));
    struct Step {
        int From;
        bool Wrap;
        int To;
    };
    const Step steps[] = {
        {1, false, 4}, // over A's subtree to B
        {4, false, 5}, // B to the separator
        {4, true, 1}, // with wrap the separator leads back to the first
        {5, false, 6}, // the separator to C
        {6, false, 1}, // the last node leads back to the first
        {6, true, 1},
        {2, false, 3}, // inside A's list
        {3, false, 2},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(SkipNode(s.From, s.Wrap), s.To) << s.From << (s.Wrap ? " with wrap" : "");
    }
    EXPECT_EQ(FirstSibling(6), 1);
    EXPECT_EQ(FirstSibling(4), 1);
    EXPECT_EQ(FirstSibling(3), 2);
    EXPECT_EQ(FirstSibling(7), 7);
    InstallOpeningLibrary(nullptr, 0);
}

TEST(OpeningLibraryWalk, MalformedBlocksAreRefused)
{
    const std::vector<std::vector<std::uint8_t>> blocks {
        {}, {0xFF}, {0xFE, 0x81}, {0xFF, 0x01}, // the list never ends
        {0xFF, 0x41, 0x01}, // a child list never ends
        {0xFF, 0x3F, 0x81}, // a separator first
        {0xFF, 0x01, 0x3F, 0x02, 0x3F, 0x83}, // two separators
        {0xFF, 0x01, 0xBF}, // number 63 on a move
    };
    for (const auto& block : blocks) {
        EXPECT_FALSE(InstallOpeningLibrary(block.data(), block.size())) << block.size() << " bytes";
        EXPECT_FALSE(OpeningLibraryPresent());
    }
}

} // namespace
} // namespace engine::testing
