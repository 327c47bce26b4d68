#include "settings/voices.h"

#include "settings/data_folder.h"
#include "settings/options.h"

QString VoiceFolder(int side, const QString& dataFolder)
{
    const QString& voice = side == 0 ? Options.WhiteVoice : Options.BlackVoice;
    if (voice.isEmpty() || voice.compare(u"(none)", Qt::CaseInsensitive) == 0) {
        return {};
    }
    return dataFolder + QStringLiteral("voices/") + voice + u'/';
}

QString VoiceFolder(int side)
{
    return VoiceFolder(side, DataDir);
}
