#include "sound/sound_files.h"

#include <array>

namespace {

struct TAlert {
    char16_t Code;
    const char* File;
};

constexpr std::array<TAlert, 5> alerts {{
    {u'*', "Asterisk.wav"},
    {u'!', "Exclamation.wav"},
    {u'$', "Hand.wav"},
    {u'?', "Question.wav"},
    {u'#', "Default.wav"},
}};

} // namespace

QString ResolveSoundFile(const QString& value, const QString& dataFolder)
{
    if (value.size() < 2 || value.contains(u'/')) {
        return value;
    }
    return dataFolder + value;
}

bool IsAlertCode(const QString& item)
{
    return !AlertSoundFile(item).isEmpty();
}

QString AlertSoundFile(const QString& code)
{
    if (code.size() != 1) {
        return {};
    }
    for (const TAlert& alert : alerts) {
        if (code.front() == QChar(alert.Code)) {
            return QString::fromLatin1(alert.File);
        }
    }
    return {};
}

QString DefaultAlertFile()
{
    return AlertSoundFile(QStringLiteral("#"));
}
