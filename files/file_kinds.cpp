#include "files/file_kinds.h"

#include <QFile>

#include "support/file_names.h"

#include <algorithm>
#include <cstring>

namespace {

struct TExtension {
    const char* name;
    TFileType type;
};

constexpr TExtension extensions[] = {
    {"BMP", TFileType::Bmp},
    {"EPD", TFileType::Epd},
    {"FEN", TFileType::Fen},
    {"GIF", TFileType::Gif},
    {"HTM", TFileType::Html},
    {"HTML", TFileType::Html},
    {"INI", TFileType::Ini},
    {"JPG", TFileType::Jpeg},
    {"JPEG", TFileType::Jpeg},
    {"ZRB", TFileType::Native},
    {"PGN", TFileType::Pgn},
    {"PNG", TFileType::Png},
};

// Blanks, line ends and the zero bytes of a short file's padding.
bool IsPadding(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

QByteArrayView WithoutLeadingPadding(QByteArrayView text)
{
    qsizetype start = 0;
    while (start < text.size() && IsPadding(text[start])) {
        ++start;
    }
    return text.sliced(start);
}

bool BeginsWith(QByteArrayView text, const char* signature, Qt::CaseSensitivity cs)
{
    const auto length = static_cast<qsizetype>(std::strlen(signature));
    if (text.size() < length) {
        return false;
    }
    if (cs == Qt::CaseSensitive) {
        return std::memcmp(text.data(), signature, static_cast<size_t>(length)) == 0;
    }
    return qstrnicmp(text.data(), length, signature, length) == 0;
}

struct TLineCounts {
    int slashes = 0;
    int blanks = 0;
};

TLineCounts CountFirstLine(QByteArrayView text)
{
    TLineCounts counts;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            break;
        }
        counts.slashes += c == '/';
        counts.blanks += c == ' ';
    }
    return counts;
}

// "Portable Game files (*.PGN *.pgn)" -> {"*.PGN", "*.pgn"}.
QStringList FilterPatterns(const QString& filter)
{
    const qsizetype open = filter.lastIndexOf(u'(');
    const qsizetype close = filter.lastIndexOf(u')');
    if (open < 0 || close < open) {
        return filter.split(u' ', Qt::SkipEmptyParts);
    }
    return filter.mid(open + 1, close - open - 1).split(u' ', Qt::SkipEmptyParts);
}

bool IsAllFilesPattern(const QString& pattern)
{
    return pattern == u"*" || pattern == u"*.*";
}

QString Filter(const char* description, const char* extension)
{
    const QString upper = QString::fromLatin1(extension);
    return QStringLiteral("%1 (*.%2 *.%3)").arg(QString::fromLatin1(description), upper, upper.toLower());
}

// On this system "*.*" would hide files without an extension.
QString AllFilesFilter()
{
    return QStringLiteral("All files (*)");
}

} // namespace

TFileType FileTypeOf(const QString& fileName)
{
    const QString extension = ExtensionWithoutDot(fileName);
    for (const TExtension& known : extensions) {
        if (extension.compare(QLatin1String(known.name), Qt::CaseInsensitive) == 0) {
            return known.type;
        }
    }
    return TFileType::Other;
}

bool IsPictureFile(TFileType type)
{
    return type == TFileType::Bmp || type == TFileType::Gif || type == TFileType::Jpeg
        || type == TFileType::Png;
}

std::optional<QByteArray> ReadFileHead(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.read(RecogniseFileHead);
}

QByteArray ClipboardHead(const QString& text)
{
    return text.left(RecogniseClipboardHead).toUtf8();
}

TLoadKind RecogniseGame(QByteArrayView head, TFileType fileType, bool fromClipboard)
{
    const QByteArrayView text = WithoutLeadingPadding(head);
    const auto exact
        = [text](const char* signature) { return BeginsWith(text, signature, Qt::CaseSensitive); };
    const auto anyCase
        = [text](const char* signature) { return BeginsWith(text, signature, Qt::CaseInsensitive); };
    const bool fromFile = !fromClipboard;

    // Settings name the file that becomes the settings file, so pasted
    // settings text has nothing to become and is read like any other text.
    if (fromFile && (fileType == TFileType::Ini || exact("[Settings]"))) {
        return TLoadKind::Settings;
    }
    if (fromFile && exact("Borland Pascal Chess saved game")) {
        return TLoadKind::BinaryA;
    }
    if (fromFile && exact("Zor-Bel!")) {
        return TLoadKind::BinaryB;
    }
    if (fileType == TFileType::Native || anyCase("[ZOR-BEL GAME]") || anyCase("[ZORBEL GAME]")) {
        return TLoadKind::Native;
    }
    if (anyCase("WHITE TO PLAY") || anyCase("BLACK TO PLAY")) {
        return TLoadKind::Chs;
    }
    if (fileType == TFileType::Pgn || anyCase("[Event \"") || anyCase("----<PGN FORMAT>----")) {
        return TLoadKind::Pgn;
    }
    const TLineCounts counts = CountFirstLine(text);
    const bool positionLine = fromClipboard && counts.slashes == 7;
    if (fileType == TFileType::Fen || (positionLine && counts.blanks == 5)) {
        return TLoadKind::Fen;
    }
    if (fileType == TFileType::Epd || (positionLine && counts.blanks > 2)) {
        return TLoadKind::Epd;
    }
    return fromFile ? TLoadKind::Unknown : TLoadKind::MoveList;
}

QStringList OpenDialogFilters()
{
    return {
        Filter("Vorta Chess files", "CHS"),
        Filter("EPD files", "EPD"),
        Filter("FEN files", "FEN"),
        Filter("Chess Quarvel files", "ZRB"),
        Filter("Portable Game files", "PGN"),
        AllFilesFilter(),
    };
}

QStringList SaveDialogFilters()
{
    return {
        Filter("Bitmap files", "BMP"),
        Filter("EPD files", "EPD"),
        Filter("FEN files", "FEN"),
        Filter("GIF graphic files", "GIF"),
        Filter("HTML files", "HTM"),
        Filter("JPEG graphic files", "JPG"),
        Filter("Chess Quarvel files", "ZRB"),
        Filter("Portable Game files", "PGN"),
        Filter("PNG graphic files", "PNG"),
        AllFilesFilter(),
    };
}

int FilterIndexFor(const QStringList& filters, const QString& gameFileExt)
{
    if (!gameFileExt.isEmpty()) {
        const QString wanted = gameFileExt.startsWith(u'.') ? gameFileExt : u'.' + gameFileExt;
        for (qsizetype i = 0; i < filters.size(); ++i) {
            for (const QString& pattern : FilterPatterns(filters[i])) {
                if (pattern.endsWith(wanted, Qt::CaseInsensitive) && pattern.size() == wanted.size() + 1) {
                    return static_cast<int>(i);
                }
            }
        }
    }
    for (qsizetype i = 0; i < filters.size(); ++i) {
        const QStringList patterns = FilterPatterns(filters[i]);
        if (std::any_of(patterns.begin(), patterns.end(), IsAllFilesPattern)) {
            return static_cast<int>(i);
        }
    }
    return filters.isEmpty() ? 0 : static_cast<int>(filters.size() - 1);
}

QString FilterSuffix(const QString& filter)
{
    const QStringList patterns = FilterPatterns(filter);
    if (patterns.isEmpty()) {
        return {};
    }
    const QString& pattern = patterns.front();
    const qsizetype dot = pattern.indexOf(u'.');
    if (dot < 0) {
        return {};
    }
    const QString suffix = pattern.mid(dot + 1);
    const bool wild = suffix.contains(u'*') || suffix.contains(u'?') || suffix.contains(u';');
    return wild ? QString() : suffix;
}
