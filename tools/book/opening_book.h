// The opening library compiled from data/opening_book.txt at build time,
// linked into every program that plays. A program calls
// InstallOpeningBook() once at start; until then the engine has no library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace book {

constexpr std::size_t OpeningBookSize = 32000;

// Defined in the generated source.
extern const std::uint8_t OpeningBookData[OpeningBookSize];

inline std::span<const std::uint8_t, OpeningBookSize> OpeningBookBlock()
{
    return std::span<const std::uint8_t, OpeningBookSize>(OpeningBookData, OpeningBookSize);
}

// Hands the block to the engine; false if the engine refused it.
bool InstallOpeningBook();

} // namespace book
