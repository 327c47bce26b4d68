#pragma once

#include <QString>

#include "support/colour.h"

#include <cstdint>
#include <optional>
#include <type_traits>

// How single values are written in the settings file and in the settings
// block of saved games. Each reader gives nothing for text it cannot read,
// so the caller keeps its default and goes on with the next key.

// Decimal, or hexadecimal after "0x"/"0X" (up to 0xFFFFFFFF, taken as the
// signed 32-bit value with the same bits). Out-of-range numbers are unreadable.
std::optional<std::int32_t> ReadIntegerValue(const QString& text);

// An integer, any non-zero value meaning true. Hand-edited files also get
// "true"/"false", "yes"/"no" and "on"/"off" in any case.
std::optional<bool> ReadBoolValue(const QString& text);

// The first character, upper-cased; nothing for an empty value or a
// character that the 8-bit letter fields cannot hold.
std::optional<char> ReadLetterValue(const QString& text);

// A colour name ("clRed", any case), "$" with hexadecimal digits 0x00BBGGRR,
// "0x" hexadecimal, a decimal number, or exactly three decimal numbers 0 to
// 255 separated by commas (red, green, blue).
std::optional<TColour> ReadColourValue(const QString& text);

QString BoolValueText(bool value); // "1" or "0"
QString GameBoolValueText(bool value); // "Y" or "N"
QString LetterValueText(char letter); // the one character
QString ColourValueText(TColour colour); // the name, else "$00BBGGRR"

// A field's value as written: booleans "1"/"0" in the settings file and
// "Y"/"N" in games; the other kinds alike in both.
enum class TValueForm { SettingsFile, Game };

template <typename Field> QString FieldValueText(const Field& field, TValueForm form)
{
    if constexpr (std::is_same_v<Field, bool>) {
        return form == TValueForm::Game ? GameBoolValueText(field) : BoolValueText(field);
    } else if constexpr (std::is_same_v<Field, std::int32_t>) {
        return QString::number(field);
    } else if constexpr (std::is_same_v<Field, char>) {
        return LetterValueText(field);
    } else if constexpr (std::is_same_v<Field, TColour>) {
        return ColourValueText(field);
    } else {
        return field;
    }
}
