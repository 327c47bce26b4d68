// The opening library: a tree of moves from the initial position, stored
// as one block of bytes, each move as its 0-based place in MovGen's list
// for the position before it. ThinkMove consults it before every search.
//
// Byte format, in pre-order, one byte per node:
//   bits 0-5  move number (63 is special: the root and the separator)
//   bit 6     the node has children; its child list follows at once
//   bit 7     the node is the last of its list
// Byte 0 is the root (0xFF); its list, from byte 1, holds White's first
// moves. A 0x3F node inside a list is the separator: the moves before it
// may be chosen, the moves after it are only recognised.
#pragma once

#include <cstddef>
#include <cstdint>

namespace engine {

constexpr std::size_t OpeningLibrarySize = 32000;
constexpr std::uint8_t LibLastNode = 0x80;
constexpr std::uint8_t LibHasChildren = 0x40;
constexpr std::uint8_t LibNumberMask = 0x3F;
constexpr std::uint8_t LibSeparator = 0x3F;
constexpr std::uint8_t LibRoot = 0xFF;

// Makes `block` (kept, not copied; it must outlive its use) the library.
// A block that is not a well-formed tree is refused and leaves the library
// absent, as does a null block. Returns whether the library is present.
bool InstallOpeningLibrary(const std::uint8_t* block, std::size_t size);
bool OpeningLibraryPresent();

// Is the current game position (MoveStackTop at its last move) in the
// library, reached from the initial position along the tree in the game's
// own move order, with fewer than BookPlies moves since set-up? Sets LibPos
// to its candidate list (0 when not found). The board is left as it was.
bool LibFind();

// Puts a random candidate of LibPos's list (the first ones the likeliest,
// never one after the separator) into MainLine[0], with MainLine[1] empty
// and MainValue 0. Expects MoveStackTop raised above the last game move.
// False, with nothing changed, if the stored move cannot be played here.
bool LibChoose();

// Tree walking, by byte position in the block.
// The next sibling of the node at `pos`; from the last node of a list, the
// first one. With `wrap`, landing on the separator also goes to the first.
int SkipNode(int pos, bool wrap);
// The first node of the list holding the node at `pos`.
int FirstSibling(int pos);

// Position of the candidate list found by the last LibFind (0: none).
int LibPosition();

} // namespace engine
