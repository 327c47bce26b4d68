#include "settings/piece_set_names.h"

#include <array>

namespace {

constexpr std::array<const char16_t*, 12> legacyNames {u"Modern", u"Classic", u"Staunton 8", u"Staunton 24",
    u"Oriental 4", u"Oriental 8", u"Std Small", u"Std Medium", u"Std Large", u"Std Xtra large", u"Rounded 4",
    u"Rounded 8"};

} // namespace

QString PieceSetName(const QString& stored)
{
    bool ok = false;
    const int number = stored.trimmed().toInt(&ok);
    if (!ok || number < 0 || number >= static_cast<int>(legacyNames.size())) {
        return stored;
    }
    return QString::fromUtf16(legacyNames[static_cast<std::size_t>(number)]);
}
