#include "settings/profile_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        return QString::fromLatin1(bytes);
    }
    return text;
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
    image.clear();
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

void ProfileFile::parse(const QByteArray& bytes)
{
    image.clear();
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    // Entries go to the current section; none before the first header, and
    // none after a header that could not be read, whose section is unknown.
    Section* current = nullptr;
    for (const QString& rawLine : decode(bytes).split(lineBreak)) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';')) {
            continue;
        }
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QString name = close < 0 ? QString() : line.mid(1, close - 1).trimmed();
            current = name.isEmpty() ? nullptr : findSection(name);
            if (!name.isEmpty() && current == nullptr) {
                current = &addSection(name);
            }
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QString key = equals < 0 ? QString() : line.left(equals).trimmed();
        if (current == nullptr || key.isEmpty()) {
            continue;
        }
        current->entries.push_back({key, line.mid(equals + 1).trimmed()});
    }
}

QByteArray ProfileFile::text() const
{
    QString out;
    for (const Section& section : image) {
        out += u'[' + section.name + QStringLiteral("]\n");
        for (const Entry& entry : section.entries) {
            out += entry.key + u'=' + entry.rawValue + u'\n';
        }
        out += u'\n';
    }
    return out.toUtf8();
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
    const Section* found = findSection(section);
    return found != nullptr
        && std::any_of(found->entries.begin(), found->entries.end(),
            [&key](const Entry& entry) { return sameName(entry.key, key); });
}

QString ProfileFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    if (const Section* found = findSection(section)) {
        // The first of repeated keys wins, as in any profile reader.
        for (const Entry& entry : found->entries) {
            if (sameName(entry.key, key)) {
                return readableValue(entry.rawValue);
            }
        }
    }
    return defaultValue;
}

bool ProfileFile::setValue(const QString& section, const QString& key, const QString& value)
{
    if (!isWritableSectionName(section) || !isWritableKey(key) || hasLineBreak(value)) {
        return false;
    }
    Section* found = findSection(section);
    Section& target = found != nullptr ? *found : addSection(section);
    for (Entry& entry : target.entries) {
        if (sameName(entry.key, key)) {
            entry.rawValue = writableValue(value);
            return true;
        }
    }
    target.entries.push_back({key, writableValue(value)});
    return true;
}

bool ProfileFile::removeKey(const QString& section, const QString& key)
{
    Section* found = findSection(section);
    if (found == nullptr) {
        return false;
    }
    // Every copy goes, so that the key really reads as absent afterwards.
    return std::erase_if(found->entries, [&key](const Entry& entry) { return sameName(entry.key, key); }) > 0;
}

QStringList ProfileFile::sections() const
{
    QStringList names;
    for (const Section& section : image) {
        names.append(section.name);
    }
    return names;
}

QStringList ProfileFile::keys(const QString& section) const
{
    QStringList names;
    if (const Section* found = findSection(section)) {
        for (const Entry& entry : found->entries) {
            if (!names.contains(entry.key, Qt::CaseInsensitive)) {
                names.append(entry.key);
            }
        }
    }
    return names;
}

const ProfileFile::Section* ProfileFile::findSection(const QString& name) const
{
    const auto found = std::find_if(
        image.begin(), image.end(), [&name](const Section& section) { return sameName(section.name, name); });
    return found == image.end() ? nullptr : &*found;
}

ProfileFile::Section* ProfileFile::findSection(const QString& name)
{
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

ProfileFile::Section& ProfileFile::addSection(const QString& name)
{
    image.push_back({name, {}});
    return image.back();
}
