// The operations through which the rest of the program uses the engine.
// Operations that can fail return a status byte: 0 done, 1 engine not
// started; move codes 5 no such move, 6 leaves the king in check,
// 8 ambiguous; 3 a move list was truncated. Queries on an engine that is
// not started return 0 or empty results. Between operations the engine
// board always holds the game position.
#pragma once

#include "engine/types.h"

#include <cstdint>

namespace engine {

enum EngineState : std::uint8_t { StateIdle = 0, StateThinking = 1, StateThinkingAhead = 2, StateNoMove = 3 };

// Set-up and life cycle.
// Sets up `image` (the initial position when null) with the castling
// rights, en passant target, status and half-move count of `state` (all
// castling rights and nothing else when null), White to move.
void ResetEngine(const BoardImage* image = nullptr, const PositionState* state = nullptr);
void CloseEngine();
std::uint8_t SetSideToMove(Colour colour);
std::uint8_t SetMaxDepth(int depth); // clamped to 1..23
std::uint8_t SetBookPlies(int plies); // a negative value keeps the old one
// One king each, the side not to move not in check, no pawn on rank 1 or 8,
// at most 16 pieces per colour (so at most 32 in all).
bool IsValidSetup();

// Moves. A pattern square with file or rank 0 means any square.
std::uint8_t TestMove(const MovePattern& pattern);
// Call only while the engine is idle or thinking ahead.
std::uint8_t EnterMove(const MovePattern& pattern);
bool CompleteMove(MovePattern& pattern);
bool CompleteAndEnterMove(MovePattern& pattern);
// Takes back the last move made, given as the record GetLastMove returned.
std::uint8_t TakeBackMove(const MoveRecord& record);
// Legal moves of the side to move matching `pattern`, in generation order,
// followed by an all-zero record: `list` needs room for max + 1 records.
std::uint8_t FindMoves(const MovePattern& pattern, MoveRecord* list, int max);
std::uint8_t FindOpponentMoves(const MovePattern& pattern, MoveRecord* list, int max);
std::uint8_t MovesDiffer(const MoveRecord& a, const MoveRecord& b);

// Thinking.
std::uint8_t StartThinking(std::uint32_t ticks);
EngineState ContinueThinking(std::uint32_t sliceTicks);
std::uint8_t MoveNow();
std::uint8_t StartThinkingAhead();
std::uint8_t StopThinking();
EngineState GetEngineState();

// Results.
MoveStatus GetGameStatus(int& halfMoves, int& mateCount);
std::uint8_t GetLastMove(MoveRecord& record);
std::uint8_t GetHintMove(MoveRecord& record);
// The first `count` moves of the main line, then an all-zero record.
std::uint8_t GetMainLine(int& value, MoveRecord* list, int count);
std::uint64_t GetNodeCount();
std::uint8_t GetBoardImage(BoardImage& image);
std::uint8_t GetStartImage(BoardImage& image);
std::uint8_t GetPositionState(PositionState& state);
std::uint8_t GetSetupState(PositionState& state);
bool ImagesEqual(const BoardImage& a, const BoardImage& b);
bool StatesEqual(const PositionState& a, const PositionState& b);
Colour GetSideToMove();

} // namespace engine
