#include "files/game_info.h"

#include "files/key_lines.h"
#include "files/text_store.h"
#include "settings/messages.h"

#include <algorithm>
#include <array>

TInfoRec GameInfo;

namespace {

const std::array<TInfoField, 21> fields {{
    {QStringLiteral("Event"), &TInfoRec::Event},
    {QStringLiteral("Site"), &TInfoRec::Site},
    {QStringLiteral("Round"), &TInfoRec::Round},
    {QStringLiteral("Date"), &TInfoRec::Date},
    {QStringLiteral("Time"), &TInfoRec::Time},
    {QStringLiteral("Opening"), &TInfoRec::Opening},
    {QStringLiteral("ECO"), &TInfoRec::ECO},
    {QStringLiteral("White"), &TInfoRec::White},
    {QStringLiteral("WhiteTitle"), &TInfoRec::WhiteTitle},
    {QStringLiteral("WhiteELO"), &TInfoRec::WhiteELO},
    {QStringLiteral("WhiteCountry"), &TInfoRec::WhiteCountry},
    {QStringLiteral("WhiteEmail"), &TInfoRec::WhiteEmail},
    {QStringLiteral("WhiteTcpip"), &TInfoRec::WhiteTcpip},
    {QStringLiteral("Black"), &TInfoRec::Black},
    {QStringLiteral("BlackTitle"), &TInfoRec::BlackTitle},
    {QStringLiteral("BlackELO"), &TInfoRec::BlackELO},
    {QStringLiteral("BlackCountry"), &TInfoRec::BlackCountry},
    {QStringLiteral("BlackEmail"), &TInfoRec::BlackEmail},
    {QStringLiteral("BlackTcpip"), &TInfoRec::BlackTcpip},
    {QStringLiteral("Annotator"), &TInfoRec::Annotator},
    {QStringLiteral("EventDate"), &TInfoRec::EventDate},
}};

// Saved games list the game's own fields before the players'.
constexpr std::array<int, 21> keyOrder {
    0, 1, 2, 3, 4, 5, 6, 19, 20, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};

const QString unknown = QStringLiteral("?");

bool ComputerPlaysWhite(TPlayKind kind)
{
    return kind == TPlayKind::AutoPlay || kind == TPlayKind::UserBlack;
}

bool ComputerPlaysBlack(TPlayKind kind)
{
    return kind == TPlayKind::AutoPlay || kind == TPlayKind::UserWhite;
}

void FillName(QString& name, bool computerPlays, const QString& title)
{
    if (name.isEmpty() || name == unknown) {
        name = computerPlays ? title : unknown;
    }
}

} // namespace

std::span<const TInfoField> InfoFields()
{
    return fields;
}

const TInfoField* FindInfoField(QStringView name)
{
    const auto found = std::find_if(fields.begin(), fields.end(),
        [name](const TInfoField& field) { return name.compare(field.name, Qt::CaseInsensitive) == 0; });
    return found == fields.end() ? nullptr : &*found;
}

void ClearGameInfo(TInfoRec& info)
{
    info = TInfoRec {};
}

void InitGameInfo(TInfoRec& info, TPlayKind playKind, const QString& title, const QDateTime& now)
{
    if (info.Event.isEmpty()) {
        info.Event = QStringLiteral("Casual Game");
    }
    if (info.Site.isEmpty()) {
        info.Site = unknown;
    }
    if (info.Round.isEmpty()) {
        info.Round = QStringLiteral("-");
    }
    if (info.Date.isEmpty() && info.Time.isEmpty()) {
        info.Date = now.toString(QStringLiteral("yyyy.MM.dd"));
        info.Time = now.toString(QStringLiteral("HH:mm:ss"));
    }
    FillName(info.White, ComputerPlaysWhite(playKind), title);
    FillName(info.Black, ComputerPlaysBlack(playKind), title);
}

bool InformativeValue(const QString& text)
{
    return !text.isEmpty() && text != u"-" && text != unknown && !text.startsWith(u"??");
}

bool ReadInfoKey(TInfoRec& info, const QString& word, const QString& rest)
{
    for (const TInfoField& field : fields) {
        if (MatchKeyString(word, rest, field.name, info.*field.member)) {
            return true;
        }
    }
    return false;
}

void WriteInfoKeys(TTextStore& store, const TInfoRec& info)
{
    for (const int index : keyOrder) {
        WriteKeyString(store, fields[index].name, info.*fields[index].member);
    }
}

QString WhiteLabelText(const TInfoRec& info)
{
    return PlayerLabelText(0, info.White);
}

QString BlackLabelText(const TInfoRec& info)
{
    return PlayerLabelText(1, info.Black);
}
