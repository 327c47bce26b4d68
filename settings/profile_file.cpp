#include "settings/profile_file.h"

#include <QFile>
#include <QSaveFile>

#include "support/eight_bit_text.h"
#include "support/text_lines.h"

#include <algorithm>
#include <utility>

namespace {

const QByteArray byteOrderMarkBytes = QByteArrayLiteral("\xEF\xBB\xBF");

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The lines of the file, each trimmed of blanks.
std::vector<QByteArray> splitLines(const QByteArray& bytes)
{
    std::vector<QByteArray> lines;
    ForEachLine(
        bytes.size(), [&bytes](qsizetype i) { return bytes[i]; },
        [&](qsizetype start, qsizetype length) { lines.push_back(bytes.mid(start, length).trimmed()); });
    return lines;
}

// A section's blank lines at its end are the gap before the next header,
// which the writer puts back as one.
template <typename Line> void dropTrailingBlanks(std::vector<Line>& lines)
{
    while (!lines.empty() && lines.back().bytes.isEmpty()) {
        lines.pop_back();
    }
}

bool isQuoted(const QString& value)
{
    return value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"');
}

// The value a reader sees: quotes removed and the length capped, without
// cutting a surrogate pair in two.
QString readableValue(const QString& rawValue)
{
    QString value = isQuoted(rawValue) ? rawValue.mid(1, rawValue.size() - 2) : rawValue;
    if (value.size() > ProfileFile::maxValueLength) {
        qsizetype length = ProfileFile::maxValueLength;
        if (value.at(length - 1).isHighSurrogate()) {
            --length;
        }
        value.truncate(length);
    }
    return value;
}

// Quotes a value whose outer blanks or quotes would otherwise be lost on
// reading, so that what is written reads back unchanged.
QString writableValue(const QString& value)
{
    const bool needsQuotes
        = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace() || isQuoted(value));
    return needsQuotes ? u'"' + value + u'"' : value;
}

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

bool isWritableSectionName(const QString& name)
{
    return !name.isEmpty() && name == name.trimmed() && !name.contains(u']') && !hasLineBreak(name);
}

bool isWritableKey(const QString& key)
{
    return !key.isEmpty() && key == key.trimmed() && !key.contains(u'=') && !key.startsWith(u'[')
        && !key.startsWith(u';') && !hasLineBreak(key);
}

} // namespace

ProfileFile::ProfileFile(QString fileName)
    : path(std::move(fileName))
{ }

bool ProfileFile::load()
{
    parse({});
    QFile file(path);
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    parse(file.readAll());
    return true;
}

ProfileFile::Line ProfileFile::readLine(const QByteArray& bytes)
{
    Line line {bytes, {}, {}, {}};
    const qsizetype equals = bytes.indexOf('=');
    if (bytes.startsWith(';') || equals < 0) {
        return line;
    }
    const QByteArray keyBytes = bytes.left(equals).trimmed();
    line.key = DecodeUtf8OrEightBit(keyBytes).trimmed();
    if (!line.key.isEmpty()) {
        line.keyBytes = keyBytes;
        line.rawValue = DecodeUtf8OrEightBit(bytes.mid(equals + 1)).trimmed();
    }
    return line;
}

ProfileFile::Section ProfileFile::readHeader(const QByteArray& bytes)
{
    // A header that lost its "]" still names its section; it is written
    // back whole, so the entries under it stay under it.
    const qsizetype close = bytes.indexOf(']');
    const QByteArray header = close < 0 ? bytes + ']' : bytes;
    const QByteArray name = close < 0 ? bytes.mid(1) : bytes.mid(1, close - 1);
    return {DecodeUtf8OrEightBit(name).trimmed(), header, {}};
}

void ProfileFile::parse(const QByteArray& bytes)
{
    leadingLines.clear();
    image.clear();
    std::vector<QByteArray> lines = splitLines(bytes);
    // The mark counts wherever blanks put it on the first line: it is
    // written back at the very start, and must read back as the mark.
    byteOrderMark = !lines.empty() && lines.front().startsWith(byteOrderMarkBytes);
    if (byteOrderMark) {
        lines.front() = lines.front().mid(byteOrderMarkBytes.size()).trimmed();
    }
    for (const QByteArray& line : lines) {
        if (line.startsWith('[')) {
            if (!image.empty()) {
                dropTrailingBlanks(image.back().lines);
            }
            image.push_back(readHeader(line));
        } else {
            (image.empty() ? leadingLines : image.back().lines).push_back(readLine(line));
        }
    }
    if (!image.empty()) {
        dropTrailingBlanks(image.back().lines);
    }
}

QByteArray ProfileFile::text() const
{
    QByteArray out = byteOrderMark ? byteOrderMarkBytes : QByteArray();
    for (const Line& line : leadingLines) {
        out += line.bytes + '\n';
    }
    for (const Section& section : image) {
        out += section.header + '\n';
        for (const Line& line : section.lines) {
            out += line.bytes + '\n';
        }
        out += '\n';
    }
    return out;
}

ProfileFile::SaveResult ProfileFile::save() const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, file.errorString()};
    }
    const QByteArray bytes = text();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit()) {
        return {false, file.errorString()};
    }
    return {};
}

bool ProfileFile::contains(const QString& section, const QString& key) const
{
    return findEntry(section, key) != nullptr;
}

QString ProfileFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Line* entry = findEntry(section, key);
    return entry != nullptr ? readableValue(entry->rawValue) : defaultValue;
}

bool ProfileFile::setValue(const QString& section, const QString& key, const QString& value)
{
    if (!isWritableSectionName(section) || !isWritableKey(key) || hasLineBreak(value)) {
        return false;
    }
    if (Line* entry = findEntry(section, key)) {
        // A value written as it was read keeps its bytes, whatever their
        // encoding; only a real change is written anew, in UTF-8.
        if (readableValue(entry->rawValue) != value) {
            entry->rawValue = writableValue(value);
            entry->bytes = entry->keyBytes + '=' + entry->rawValue.toUtf8();
        }
        return true;
    }
    Section* found = findSection(section);
    Section& target = found != nullptr ? *found : addSection(section);
    const QString rawValue = writableValue(value);
    target.lines.push_back({(key + u'=' + rawValue).toUtf8(), key, rawValue, key.toUtf8()});
    return true;
}

bool ProfileFile::removeKey(const QString& section, const QString& key)
{
    // Every copy goes, so that the key really reads as absent afterwards.
    bool removed = false;
    for (Section& block : image) {
        if (!block.name.isEmpty() && sameName(block.name, section)) {
            removed |= std::erase_if(block.lines, [&key](const Line& line) {
                return !line.key.isEmpty() && sameName(line.key, key);
            }) > 0;
        }
    }
    return removed;
}

QStringList ProfileFile::sections() const
{
    QStringList names;
    for (const Section& section : image) {
        if (!section.name.isEmpty() && !names.contains(section.name, Qt::CaseInsensitive)) {
            names.append(section.name);
        }
    }
    return names;
}

QStringList ProfileFile::keys(const QString& section) const
{
    QStringList names;
    for (const Section& block : image) {
        if (block.name.isEmpty() || !sameName(block.name, section)) {
            continue;
        }
        for (const Line& line : block.lines) {
            if (!line.key.isEmpty() && !names.contains(line.key, Qt::CaseInsensitive)) {
                names.append(line.key);
            }
        }
    }
    return names;
}

const ProfileFile::Line* ProfileFile::findEntry(const QString& section, const QString& key) const
{
    // The first of repeated keys wins, in whichever block of the section.
    for (const Section& block : image) {
        if (block.name.isEmpty() || !sameName(block.name, section)) {
            continue;
        }
        for (const Line& line : block.lines) {
            if (!line.key.isEmpty() && sameName(line.key, key)) {
                return &line;
            }
        }
    }
    return nullptr;
}

ProfileFile::Line* ProfileFile::findEntry(const QString& section, const QString& key)
{
    return const_cast<Line*>(std::as_const(*this).findEntry(section, key));
}

ProfileFile::Section* ProfileFile::findSection(const QString& name)
{
    const auto found = std::find_if(image.begin(), image.end(),
        [&name](const Section& section) { return !section.name.isEmpty() && sameName(section.name, name); });
    return found == image.end() ? nullptr : &*found;
}

ProfileFile::Section& ProfileFile::addSection(const QString& name)
{
    image.push_back({name, (u'[' + name + u']').toUtf8(), {}});
    return image.back();
}
