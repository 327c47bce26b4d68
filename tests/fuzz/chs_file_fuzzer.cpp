// Any text read as a .CHS position must report each bad line once and put
// only real pieces of either colour on the board.
#include <QStringList>

#include "files/chs_file.h"
#include "files/text_store.h"
#include "tests/fuzz/fuzz_record_host.h"

#include <cstddef>
#include <cstdint>

using fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::AnswerMessagesAtOnce();
    const QStringList lines = SplitTextLines(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const TChsPosition position = ReadChsPosition(lines);
    Check(position.badLines <= lines.size() && position.badLines == fuzzing::ShownMessages());
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const engine::ImageCell& cell = position.board.At(file, rank);
            Check(cell.Kind <= engine::Pawn && cell.Colour <= engine::Black && cell.Mark == 0);
        }
    }
    return 0;
}
