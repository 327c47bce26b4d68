#include "controller/switches.h"

#include <QFileInfo>

#include "support/text_fields.h"

namespace {

std::optional<int> Number(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The host window id that the screen-saver roles get as the next argument.
std::uint64_t HostAfter(const QStringList& arguments, qsizetype index)
{
    if (index + 1 >= arguments.size()) {
        return 0;
    }
    bool ok = false;
    const qulonglong id = arguments.at(index + 1).trimmed().toULongLong(&ok);
    return ok ? id : 0;
}

// Switches begin with a slash as absolute paths do: a path has a second
// slash in it, or names something that is there.
bool IsPath(const QString& argument)
{
    return argument.startsWith(u'/') && (argument.indexOf(u'/', 1) > 0 || QFileInfo::exists(argument));
}

} // namespace

TStartSwitches ReadParamSwitches(const QStringList& arguments)
{
    TStartSwitches result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString value = arguments.at(i);
        const QChar letter = IsPath(value) ? QChar() : SwitchLetter(value);
        if (letter.isNull()) {
            result.Files.append(arguments.at(i));
            continue;
        }
        switch (letter.unicode()) {
        case u'A':
            result.AppMode = TAppMode::SaverPassword;
            result.PreviewHost = HostAfter(arguments, i);
            return result;
        case u'C':
            result.AppMode = TAppMode::SaverConfig;
            return result;
        case u'P':
            result.AppMode = TAppMode::SaverPreview;
            result.PreviewHost = HostAfter(arguments, i);
            return result;
        case u'S':
            result.AppMode = TAppMode::SaverRun;
            return result;
        case u'B':
            result.SquareSizeOverride = Number(value).value_or(StoredSquareSize);
            break;
        case u'D':
            result.Debug = result.Debug || value.toUpper() == u"EBUG";
            break;
        case u'M':
            result.Maximized = true;
            break;
        case u'Q':
            result.RotateAtStart = true;
            break;
        case u'T':
            result.RunMinutes = Number(value).value_or(60);
            break;
        case u'V':
            result.AppMode = TAppMode::ViewGame;
            result.GotoPlyAtStart = Number(value).value_or(0);
            break;
        default:
            break;
        }
    }
    return result;
}
