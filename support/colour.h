#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A colour as the settings file and the options record hold it: red in the
// low byte, green in the next, blue in the third (0x00BBGGRR).
using TColour = std::uint32_t;

constexpr TColour RgbColour(int red, int green, int blue)
{
    return static_cast<TColour>(red & 0xFF) | static_cast<TColour>(green & 0xFF) << 8
        | static_cast<TColour>(blue & 0xFF) << 16;
}
constexpr int RedOf(TColour colour)
{
    return static_cast<int>(colour & 0xFF);
}
constexpr int GreenOf(TColour colour)
{
    return static_cast<int>(colour >> 8 & 0xFF);
}
constexpr int BlueOf(TColour colour)
{
    return static_cast<int>(colour >> 16 & 0xFF);
}

// The named colours of the settings file.
inline constexpr TColour clBlack = 0x000000;
inline constexpr TColour clMaroon = 0x000080;
inline constexpr TColour clGreen = 0x008000;
inline constexpr TColour clOlive = 0x008080;
inline constexpr TColour clNavy = 0x800000;
inline constexpr TColour clPurple = 0x800080;
inline constexpr TColour clTeal = 0x808000;
inline constexpr TColour clGray = 0x808080;
inline constexpr TColour clSilver = 0xC0C0C0;
inline constexpr TColour clMedGray = 0xA4A0A0;
inline constexpr TColour clRed = 0x0000FF;
inline constexpr TColour clLime = 0x00FF00;
inline constexpr TColour clYellow = 0x00FFFF;
inline constexpr TColour clBlue = 0xFF0000;
inline constexpr TColour clFuchsia = 0xFF00FF;
inline constexpr TColour clAqua = 0xFFFF00;
inline constexpr TColour clWhite = 0xFFFFFF;
inline constexpr TColour clMoneyGreen = 0xC0DCC0;
inline constexpr TColour clSkyBlue = 0xF0CAA6;
inline constexpr TColour clCream = 0xF0FBFF;

// "clRed" for the value of a named colour; empty when the colour has no name.
QString ColourToName(TColour colour);

// The value of a colour name such as "clRed" (case ignored).
std::optional<TColour> ColourFromName(const QString& name);

// Reads a colour written as a name, "$" with hexadecimal digits, a decimal
// number, or three comma-separated decimal numbers (red, green, blue, each
// cut to its low 8 bits). Empty when the text is none of these.
std::optional<TColour> ReadColour(const QString& text);

// ReadColour for callers that want a colour whatever the text holds:
// unreadable text gives black.
TColour ParseColour(const QString& text);
