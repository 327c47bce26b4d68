// Any message text with any arguments must format without failing. The first
// bytes choose the arguments; the rest is the message text.
#include "settings/message_format.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t pos = 0;
    const std::size_t argCount = size > 0 ? data[pos++] % 5 : 0;
    std::vector<MessageArg> args;
    for (std::size_t i = 0; i < argCount && pos < size; ++i) {
        const std::uint8_t choice = data[pos++];
        if (choice % 2 == 0) {
            args.emplace_back(QString(choice % 7, QChar(u'a' + choice % 26)));
        } else {
            args.emplace_back(static_cast<qint64>(choice) * (choice % 3 == 0 ? -1000003 : 1));
        }
    }
    const QString format
        = QString::fromUtf8(reinterpret_cast<const char*>(data + pos), static_cast<qsizetype>(size - pos));
    FormatText(format, args);
    return 0;
}
