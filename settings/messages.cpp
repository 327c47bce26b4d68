#include "settings/messages.h"

#include <QSet>

#include "settings/language_file.h"
#include "settings/message_catalog.h"

namespace {

constexpr int firstColourMessage = 2001;
constexpr int firstPieceMessage = 2003;
constexpr int lastPieceKind = 6;

} // namespace

QString MessageText(int number)
{
    const QString key = QString::number(number);
    return LanguageValue(QString::fromUtf16(messagesSection), key, QStringLiteral("Mesg #") + key);
}

QString FormatMessageArgs(int number, std::span<const MessageArg> args)
{
    if (const TMessageUse* use = FindMessageUse(number)) {
        QByteArray given;
        for (const MessageArg& arg : args) {
            given += std::holds_alternative<QString>(arg) ? 's' : 'd';
        }
        static QSet<int> reported;
        if (given != QByteArrayView(use->args) && !reported.contains(number)) {
            reported.insert(number);
            qWarning("Message %d is given arguments (%s) but the catalogue lists (%.*s)", number,
                given.constData(), static_cast<int>(use->args.size()), use->args.data());
        }
    }
    return FormatText(MessageText(number), args);
}

QString ColourText(int colour)
{
    return colour == 0 || colour == 1 ? MessageText(firstColourMessage + colour) : QString();
}

QString PlayerLabelText(int colour, const QString& name)
{
    return name.isEmpty() ? ColourText(colour) : ColourText(colour) + QStringLiteral(": ") + name;
}

QString PieceText(int kind)
{
    return kind >= 0 && kind <= lastPieceKind ? MessageText(firstPieceMessage + kind) : QString();
}

QString ColouredPieceText(int colour, int kind)
{
    if (kind == 0) {
        return PieceText(0);
    }
    const QString colourName = ColourText(colour);
    const QString pieceName = PieceText(kind);
    if (colourName.isEmpty() || pieceName.isEmpty()) {
        return {};
    }
    return colourName + u' ' + pieceName;
}
