#include "settings/game_settings.h"

#include "settings/option_keys.h"
#include "settings/setting_values.h"

#include <type_traits>

namespace {

const QString separator = QStringLiteral(": ");

template <typename Field> void readGameField(const QString& text, Field& field)
{
    if constexpr (std::is_same_v<Field, bool>) {
        field = text.trimmed().toUpper() == u"Y";
    } else if constexpr (std::is_same_v<Field, std::int32_t>) {
        field = ReadIntegerValue(text).value_or(field);
    } else if constexpr (std::is_same_v<Field, char>) {
        field = text.isEmpty() ? ' ' : ReadLetterValue(text).value_or(field);
    } else if constexpr (std::is_same_v<Field, TColour>) {
        field = ReadColourValue(text).value_or(field);
    } else {
        field = text;
    }
}

bool anyStoreFlag(const TOptionsRec& rec)
{
    for (TStoreGroup group : StoreGroups()) {
        if (rec.*StoreFlag(group)) {
            return true;
        }
    }
    return false;
}

bool carriedByGames(const TOptionKey& key)
{
    return key.group != TStoreGroup::None || key.keyName() == u"Version";
}

} // namespace

QStringList WriteGameSettings(const TOptionsRec& rec)
{
    if (!anyStoreFlag(rec)) {
        return {};
    }
    QStringList lines {
        QStringLiteral("[Settings]"), QStringLiteral("Version") + separator + QString::number(rec.Version)};
    for (TStoreGroup group : StoreGroups()) {
        if (!(rec.*StoreFlag(group))) {
            continue;
        }
        for (const TOptionKey& key : OptionKeys()) {
            if (key.group != group) {
                continue;
            }
            const QString text = std::visit(
                [&rec](auto member) { return FieldValueText(rec.*member, TValueForm::Game); }, key.field);
            if (text.isEmpty() && std::holds_alternative<QString TOptionsRec::*>(key.field)) {
                continue;
            }
            lines.append(key.keyName() + separator + text);
        }
    }
    return lines;
}

bool ReadGameSetting(const QString& keyWithColon, const QString& value)
{
    const QString trimmed = keyWithColon.trimmed();
    if (!trimmed.endsWith(u':')) {
        return false;
    }
    const TOptionKey* key = FindOptionKey(trimmed.chopped(1));
    if (key == nullptr || !carriedByGames(*key)) {
        return false;
    }
    std::visit([&value](auto member) { readGameField(value, Options.*member); }, key->field);
    SettingsFromGame = true;
    return true;
}
