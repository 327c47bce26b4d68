#pragma once

#include <QByteArrayView>
#include <QString>

// Text from files written before the program moved to UTF-8. Those files
// used the Western 8-bit code page, whose characters 0x80 to 0x9F are
// printable (the euro sign, typographic quotes, dashes ...) where Latin-1
// has control codes; the other bytes are the Latin-1 characters.

// The bytes as 8-bit text in that code page. Bytes the code page leaves
// undefined become the control character of the same number.
QString DecodeEightBitText(QByteArrayView bytes);

// The bytes as UTF-8 when they are valid UTF-8, otherwise as 8-bit text.
// A byte-order mark is kept as a character, not dropped.
QString DecodeUtf8OrEightBit(QByteArrayView bytes);
