#include "files/key_lines.h"

#include "files/pgn_tags.h"
#include "files/text_store.h"
#include "settings/setting_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool IsKeyWord(const QString& word, const QString& key)
{
    return word.size() == key.size() + 1 && word.endsWith(u':')
        && QStringView(word).chopped(1).compare(key, Qt::CaseInsensitive) == 0;
}

void WriteKeyLine(TTextStore& store, const QString& key, const QString& text)
{
    store.StoreWriteLine(key + QStringLiteral(": ") + text);
}

qsizetype FirstBlank(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSpace()) {
            return i;
        }
    }
    return -1;
}

qsizetype LastBlank(QStringView text)
{
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (text[i].isSpace()) {
            return i;
        }
    }
    return -1;
}

} // namespace

QString CutLine(QString& text, int width)
{
    text = text.trimmed();
    width = std::max(width, 0);
    if (text.size() <= width) {
        return std::exchange(text, QString());
    }
    qsizetype cut = LastBlank(QStringView(text).left(width + 1));
    if (cut < 0) {
        cut = FirstBlank(text);
    }
    if (cut < 0) {
        return std::exchange(text, QString());
    }
    const QString piece = text.left(cut).trimmed();
    text = text.mid(cut + 1).trimmed();
    return piece;
}

void WriteKeyString(TTextStore& store, const QString& key, const QString& value)
{
    if (!value.isEmpty()) {
        WriteKeyLine(store, key, value);
    }
}

void WriteKeyNumber(TTextStore& store, const QString& key, int value)
{
    WriteKeyLine(store, key, QString::number(value));
}

void WriteKeyReal(TTextStore& store, const QString& key, double value)
{
    WriteKeyLine(store, key, QString::number(value, 'g', 15));
}

void WriteKeyFlag(TTextStore& store, const QString& key, bool value)
{
    WriteKeyLine(store, key, GameBoolValueText(value));
}

void WriteKeyColour(TTextStore& store, const QString& key, TColour value)
{
    WriteKeyLine(store, key, ColourValueText(value));
}

bool MatchKeyString(const QString& word, const QString& rest, const QString& key, QString& value)
{
    if (!IsKeyWord(word, key)) {
        return false;
    }
    value = rest;
    return true;
}

bool MatchKeyChar(const QString& word, const QString& rest, const QString& key, QChar& value)
{
    if (!IsKeyWord(word, key)) {
        return false;
    }
    value = rest.isEmpty() ? QChar(u' ') : rest.front();
    return true;
}

bool MatchKeyReal(const QString& word, const QString& rest, const QString& key, double& value)
{
    if (!IsKeyWord(word, key)) {
        return false;
    }
    bool ok = false;
    const double number = rest.trimmed().toDouble(&ok);
    value = ok && std::isfinite(number) ? number : 0.0;
    return true;
}

bool MatchKeyInteger(const QString& word, const QString& rest, const QString& key, int& value)
{
    if (!IsKeyWord(word, key)) {
        return false;
    }
    bool ok = false;
    const int number = rest.trimmed().toInt(&ok, 10);
    if (ok) {
        value = number;
    }
    return true;
}

bool MatchKeyFlag(const QString& word, const QString& rest, const QString& key, bool& value)
{
    if (!IsKeyWord(word, key)) {
        return false;
    }
    value = rest.trimmed().compare(u"Y", Qt::CaseInsensitive) == 0;
    return true;
}

bool MatchKeyColour(const QString& word, const QString& rest, const QString& key, TColour& value)
{
    if (!IsKeyWord(word, key)) {
        return false;
    }
    value = ReadColour(rest.trimmed()).value_or(value);
    return true;
}

void WriteTag(TTextStore& store, const QString& name, const QString& value, const QString& fallback)
{
    const QString& text = value.isEmpty() ? fallback : value;
    if (!text.isEmpty()) {
        store.StoreWriteLine(TagLine(name, text));
    }
}
