#pragma once

#include <array>
#include <span>
#include <string_view>

// Every numbered message the program shows, with the arguments it passes.
// Code names a message by its constant here; the language files must give
// each number a text whose placeholders take these arguments. A test holds
// English.lng, this table and the calls in the source tree together, so a
// new message is added here first.
//
// Argument kinds, in order: 's' a text, 'd' an integer.

namespace msg {

// Rejected set-up positions.
inline constexpr int SetupRejected = 1001;
inline constexpr int SetupBadEnPassant = 1002;
inline constexpr int SetupBadFiftyMoveCount = 1003;
// Heading before the board self-check reports.
inline constexpr int BoardCheckHeading = 1004;
inline constexpr int UnknownGameFile = 1005;
inline constexpr int BadBoardLine = 1006;
inline constexpr int RefusedGameRecord = 1007;
inline constexpr int CommentBoxHidden = 1008;
inline constexpr int CannotUndoMove = 1011; // move text
inline constexpr int NoPieceToSlide = 1012; // square, e.g. "e2"
inline constexpr int MoveRefused = 1013; // move text
inline constexpr int MoveUnreadable = 1014; // move text
inline constexpr int CannotRedoMove = 1015; // move text
inline constexpr int PieceSetMissing = 1016; // picture file name
inline constexpr int GameFileMissing = 1017; // file name
inline constexpr int ReplaceFile = 1018; // file name
inline constexpr int AddOrReplaceGameFile = 1019; // file name
inline constexpr int DiscardGameOnClose = 1020;
inline constexpr int RunTimeWarning = 1021;
inline constexpr int RunTimeOver = 1022;
inline constexpr int NothingToConfigure = 1023;
inline constexpr int DrawDeclined = 1024;
inline constexpr int FileUnreadable = 1025; // file name
inline constexpr int FileUnwritable = 1026; // file name
inline constexpr int RestoreOwnSettings = 1027;
inline constexpr int MailFailed = 1028; // reason
inline constexpr int PageExportMissing = 1029;
inline constexpr int ClipboardHoldsNoText = 1030;
inline constexpr int EnterMoveCaption = 1031;
inline constexpr int EnterMoveHeading = 1032;
inline constexpr int EnterPositionCaption = 1033;
inline constexpr int EnterPositionHeading = 1034;
inline constexpr int EmailCaption = 1036;
inline constexpr int EmailHeading = 1037;
inline constexpr int FileTooLarge = 1038; // file name
// Options dialog: time-limit labels and slider units.
inline constexpr int GameTimeLabel = 1041;
inline constexpr int TurnTimeLabel = 1042;
inline constexpr int MovesPerHourLabel = 1043;
inline constexpr int MatchTimeLabel = 1044;
inline constexpr int SandclockLabel = 1045;
inline constexpr int SearchDepthUnit = 1051;
inline constexpr int MoveSpeedUnit = 1052;
inline constexpr int PixelsUnit = 1053;
inline constexpr int SecondsUnit = 1054;
// Colour names 2001 + colour; piece names 2003 + kind (2003 an empty square).
inline constexpr int FirstColourName = 2001;
inline constexpr int LastColourName = 2002;
inline constexpr int FirstPieceName = 2003;
inline constexpr int LastPieceName = 2009;
// Words of the move caption and the long notation.
inline constexpr int EnPassantWord = 2011;
inline constexpr int CastlesKingSide = 2012;
inline constexpr int CastlesQueenSide = 2013;
inline constexpr int PromotesTo = 2014; // piece name
inline constexpr int HintAttacked = 2015;
inline constexpr int HintInJeopardy = 2016;
inline constexpr int HintTaken = 2017;
inline constexpr int ResignsEntry = 2018;
inline constexpr int DrawAgreedEntry = 2019;
inline constexpr int CommentBoxCaption = 2021;
inline constexpr int ViewingTitle = 2022;
// Game status reports.
inline constexpr int StatusCheck = 2031;
inline constexpr int StatusCheckmate = 2032; // winner's colour
inline constexpr int StatusStalemate = 2033; // colour of the side to move
inline constexpr int StatusResigned = 2034; // colour that resigns, winner's colour
inline constexpr int StatusFiftyMoves = 2035;
inline constexpr int StatusRepetition = 2036;
inline constexpr int StatusNoMatingMaterial = 2037;
inline constexpr int StatusDrawAgreed = 2038;
inline constexpr int StatusMateAnnounced = 2039; // moves to mate
inline constexpr int GameTimeOver = 2041; // winner's colour
inline constexpr int TurnTimeOver = 2042; // winner's colour
inline constexpr int HourScheduleOver = 2043; // winner's colour
inline constexpr int SandclockOver = 2044; // winner's colour
// Status panel.
inline constexpr int ModeLoading = 2061;
inline constexpr int ModeQuickReplay = 2062;
inline constexpr int ModeDemonstration = 2063;
inline constexpr int ModeBoardSetup = 2064;
inline constexpr int ModeStopped = 2065;
inline constexpr int GameOverText = 2067;
inline constexpr int ModeAnalysing = 2066;
inline constexpr int EngineSearching = 2071;
inline constexpr int EngineThinkingAhead = 2072;
inline constexpr int EngineIdle = 2073;
inline constexpr int ComputersTurn = 2074;
inline constexpr int UsersTurn = 2075;
inline constexpr int MoveNumberStatus = 2076; // move number
inline constexpr int SideToMoveStatus = 2077; // colour to move
inline constexpr int PlayAutoPlay = 2081;
inline constexpr int PlayUserWhite = 2082;
inline constexpr int PlayUserBlack = 2083;
inline constexpr int PlayTwoPlayer = 2084;
inline constexpr int WorkingValue = 2091; // the score in pawns as text, e.g. "+0.75"
inline constexpr int WorkingNodes = 2092; // thousands of nodes
inline constexpr int WorkingLine = 2093; // the expected line
inline constexpr int FenLine = 2094; // FEN of the position
inline constexpr int UntitledGame = 2095;
// Number words 2100 + n for n = 0..39; 2140 for 40 and more.
inline constexpr int FirstNumberWord = 2100;
inline constexpr int LastNumberWord = 2140;
// Position narration.
inline constexpr int NarrationStart = 2201;
inline constexpr int NarrationGameOver = 2202;
inline constexpr int MaterialEqual = 2203; // each side's total
inline constexpr int MaterialAhead = 2204; // side ahead, difference, other side, difference in words
inline constexpr int MovesAlike = 2205; // White, count, Black, count
inline constexpr int MovesMore = 2206; // side with more, count, other side, count
inline constexpr int ControlAlike = 2207; // White, count, Black, count
inline constexpr int ControlMore = 2208; // side with more, count, other side, count
inline constexpr int CentreShared = 2209;
inline constexpr int CentreHeld = 2210; // side holding the centre
inline constexpr int CastleBothWays = 2211; // side
inline constexpr int CastleKingSideOnly = 2212; // side
inline constexpr int CastleQueenSideOnly = 2213; // side
inline constexpr int EnPassantPossible = 2214; // side to move, target square
// Game-information labels of pages and printouts.
inline constexpr int FirstInfoLabel = 2301;
inline constexpr int LastInfoLabel = 2312;

} // namespace msg

// A message number, or a run of numbers that share their arguments, and the
// kinds of the arguments code passes to it.
struct TMessageUse {
    int first;
    int last;
    std::string_view args;
};

namespace message_catalog_detail {

constexpr TMessageUse one(int number, std::string_view args = {})
{
    return {number, number, args};
}

} // namespace message_catalog_detail

inline constexpr auto messageCatalog = [] {
    using message_catalog_detail::one;
    using namespace msg;
    return std::array {
        one(SetupRejected),
        one(SetupBadEnPassant),
        one(SetupBadFiftyMoveCount),
        one(BoardCheckHeading),
        one(UnknownGameFile),
        one(BadBoardLine),
        one(RefusedGameRecord),
        one(CommentBoxHidden),
        one(CannotUndoMove, "s"),
        one(NoPieceToSlide, "s"),
        one(MoveRefused, "s"),
        one(MoveUnreadable, "s"),
        one(CannotRedoMove, "s"),
        one(PieceSetMissing, "s"),
        one(GameFileMissing, "s"),
        one(ReplaceFile, "s"),
        one(AddOrReplaceGameFile, "s"),
        one(DiscardGameOnClose),
        one(RunTimeWarning),
        one(RunTimeOver),
        one(NothingToConfigure),
        one(DrawDeclined),
        one(FileUnreadable, "s"),
        one(FileUnwritable, "s"),
        one(RestoreOwnSettings),
        one(MailFailed, "s"),
        one(PageExportMissing),
        one(ClipboardHoldsNoText),
        one(EnterMoveCaption),
        one(EnterMoveHeading),
        one(EnterPositionCaption),
        one(EnterPositionHeading),
        one(EmailCaption),
        one(EmailHeading),
        one(FileTooLarge, "s"),
        one(GameTimeLabel),
        one(TurnTimeLabel),
        one(MovesPerHourLabel),
        one(MatchTimeLabel),
        one(SandclockLabel),
        one(SearchDepthUnit),
        one(MoveSpeedUnit),
        one(PixelsUnit),
        one(SecondsUnit),
        TMessageUse {FirstColourName, LastColourName, {}},
        TMessageUse {FirstPieceName, LastPieceName, {}},
        one(EnPassantWord),
        one(CastlesKingSide),
        one(CastlesQueenSide),
        one(PromotesTo, "s"),
        one(HintAttacked),
        one(HintInJeopardy),
        one(HintTaken),
        one(ResignsEntry),
        one(DrawAgreedEntry),
        one(CommentBoxCaption),
        one(ViewingTitle),
        one(StatusCheck),
        one(StatusCheckmate, "s"),
        one(StatusStalemate, "s"),
        one(StatusResigned, "ss"),
        one(StatusFiftyMoves),
        one(StatusRepetition),
        one(StatusNoMatingMaterial),
        one(StatusDrawAgreed),
        one(StatusMateAnnounced, "d"),
        one(GameTimeOver, "s"),
        one(TurnTimeOver, "s"),
        one(HourScheduleOver, "s"),
        one(SandclockOver, "s"),
        one(ModeLoading),
        one(ModeQuickReplay),
        one(ModeDemonstration),
        one(ModeBoardSetup),
        one(ModeStopped),
        one(ModeAnalysing),
        one(GameOverText),
        one(EngineSearching),
        one(EngineThinkingAhead),
        one(EngineIdle),
        one(ComputersTurn),
        one(UsersTurn),
        one(MoveNumberStatus, "d"),
        one(SideToMoveStatus, "s"),
        one(PlayAutoPlay),
        one(PlayUserWhite),
        one(PlayUserBlack),
        one(PlayTwoPlayer),
        one(WorkingValue, "s"),
        one(WorkingNodes, "d"),
        one(WorkingLine, "s"),
        one(FenLine, "s"),
        one(UntitledGame),
        TMessageUse {FirstNumberWord, LastNumberWord, {}},
        one(NarrationStart),
        one(NarrationGameOver),
        one(MaterialEqual, "d"),
        one(MaterialAhead, "sdss"),
        one(MovesAlike, "sdsd"),
        one(MovesMore, "sdsd"),
        one(ControlAlike, "sdsd"),
        one(ControlMore, "sdsd"),
        one(CentreShared),
        one(CentreHeld, "s"),
        one(CastleBothWays, "s"),
        one(CastleKingSideOnly, "s"),
        one(CastleQueenSideOnly, "s"),
        one(EnPassantPossible, "ss"),
        TMessageUse {FirstInfoLabel, LastInfoLabel, {}},
    };
}();

// The entry holding the number, or nullptr for a number no code shows.
constexpr const TMessageUse* FindMessageUse(int number)
{
    for (const TMessageUse& use : messageCatalog) {
        if (number >= use.first && number <= use.last) {
            return &use;
        }
    }
    return nullptr;
}
