#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// What a file is by its extension, what a game text is by its first
// characters, and the filters the open and save dialogs offer.

enum class TFileType {
    Bmp = 0,
    Epd = 1,
    Fen = 2,
    Gif = 3,
    Html = 4,
    Ini = 5,
    Jpeg = 6,
    Native = 7,
    Pgn = 8,
    Png = 9,
    Other = 10
};

// By the extension of the file name, case ignored; Other for an unknown
// extension or none.
TFileType FileTypeOf(const QString& fileName);

// Bmp, Gif, Jpeg and Png: the kinds saved as a picture of the board.
bool IsPictureFile(TFileType type);

enum class TLoadKind { Settings, BinaryA, BinaryB, Native, Chs, Pgn, Fen, Epd, Unknown, MoveList };

// How many bytes of a file, and characters of clipboard text, decide its kind.
inline constexpr qsizetype RecogniseFileHead = 128;
inline constexpr qsizetype RecogniseClipboardHead = 127;

// The first RecogniseFileHead bytes of the file; nullopt when it cannot be
// opened for reading.
std::optional<QByteArray> ReadFileHead(const QString& fileName);

// The first RecogniseClipboardHead characters of the text, as UTF-8.
QByteArray ClipboardHead(const QString& text);

// Decides which reader a file or clipboard text goes to. head is what
// ReadFileHead or ClipboardHead gave; fileType is FileTypeOf(name) for a
// file and Other for the clipboard. Signatures are looked for after any
// leading blanks and control characters; the first line's count of "/" and
// blanks tells a FEN or EPD line on the clipboard. A file that matches
// nothing is Unknown; clipboard text that matches nothing is a MoveList.
// Settings and the two binary forms are only ever files.
TLoadKind RecogniseGame(QByteArrayView head, TFileType fileType, bool fromClipboard);

// The filters of the open and the save dialog, in the order offered, as Qt
// filter strings ("Portable Game files (*.PGN *.pgn)"). Each names its
// extension in both cases, since the names on disk are case sensitive here.
QStringList OpenDialogFilters();
QStringList SaveDialogFilters();

// The index (from 0) of the filter to select when a dialog opens: the first
// whose patterns name gameFileExt (".PGN", case ignored), else the first for
// all files, else the last. An empty extension names no filter.
int FilterIndexFor(const QStringList& filters, const QString& gameFileExt);

// The extension without its dot that a file saved under the filter gets
// ("PGN"), from the filter's first pattern; empty when that pattern has no
// dot or holds "*", "?" or ";" after it.
QString FilterSuffix(const QString& filter);
