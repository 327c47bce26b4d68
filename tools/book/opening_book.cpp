#include "tools/book/opening_book.h"

#include "engine/opening_library.h"

namespace book {

static_assert(OpeningBookSize == engine::OpeningLibrarySize);

bool InstallOpeningBook()
{
    return engine::InstallOpeningLibrary(OpeningBookData, OpeningBookSize);
}

} // namespace book
