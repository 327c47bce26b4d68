#include "support/eight_bit_text.h"

#include <QStringDecoder>

#include <array>

namespace {

constexpr char16_t firstUpperControl = 0x80;

// Characters 0x80 to 0x9F of the code page; the five undefined ones keep
// their own number.
constexpr std::array<char16_t, 32> upperControls {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
};

} // namespace

QString DecodeEightBitText(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool upperControl
            = byte >= firstUpperControl && byte < firstUpperControl + upperControls.size();
        text[i] = QChar(upperControl ? upperControls[byte - firstUpperControl] : char16_t {byte});
    }
    return text;
}

QString DecodeUtf8OrEightBit(QByteArrayView bytes)
{
    // Stateless: a sequence cut off at the end is an error, not left pending.
    QStringDecoder utf8(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    return utf8.hasError() ? DecodeEightBitText(bytes) : text;
}
