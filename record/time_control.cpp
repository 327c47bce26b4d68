#include "record/time_control.h"
#include "settings/message_catalog.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace time_control {
namespace {

bool BlackOwnFields(const TOptionsRec& options, int colour)
{
    return colour == 1 && options.DifferentTime;
}

std::int32_t ClampToInt32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A budget handed to the engine: never below nothing, never beyond no limit.
std::int32_t Budget(std::int64_t ticks)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(ticks, 0, NoTickLimit));
}

// Moves colour c has completed since the game began.
std::int64_t MovesMade(const TimeSituation& now, int colour)
{
    std::int64_t moves = 0;
    for (int ply = now.startPly; ply < now.endPly; ++ply) {
        moves += (ply % 2 == colour) ? 1 : 0;
    }
    return moves;
}

// A schedule of fewer than one move an hour cannot be divided by.
std::int64_t HourLimitAtLeastOne(const TOptionsRec& options, int colour)
{
    return std::max<std::int64_t>(GetHourLimit(options, colour), 1);
}

std::int64_t GameBudget(const TOptionsRec& options, const TimeSituation& now, int colour)
{
    std::int64_t budget = std::int64_t(GetGameLimit(options, colour)) * TicksPerMinute;
    if (GetLimitType(options, colour) == GamePlusIncrement) {
        budget += MovesMade(now, colour) * SecondsToTicks(GetTurnLimit(options, colour));
    }
    return budget;
}

// The clocks whose game time counts: the computer's always, the human's
// only when the user loses on time.
bool GameClockExamined(const TOptionsRec& options, const TimeSituation& now, int colour)
{
    const int kind = GetLimitType(options, colour);
    if (kind != GameTime && kind != GamePlusIncrement) {
        return false;
    }
    if (now.playKind == TPlayKind::AutoPlay || options.UserLimit == UserLosesGame) {
        return true;
    }
    return (now.playKind == TPlayKind::UserWhite && colour == 1)
        || (now.playKind == TPlayKind::UserBlack && colour == 0);
}

bool SideToMoveHasKind(const TOptionsRec& options, const TimeSituation& now, std::int32_t kind)
{
    return GetLimitType(options, now.sideToMove) == kind;
}

std::int64_t Number(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

} // namespace

std::int32_t GetLimitType(const TOptionsRec& o, int colour)
{
    return BlackOwnFields(o, colour) ? o.TimeLimitType2 : o.TimeLimitType;
}

std::int32_t GetGameLimit(const TOptionsRec& o, int colour)
{
    return BlackOwnFields(o, colour) ? o.MinsPerGame2 : o.MinsPerGame;
}

std::int32_t GetTurnLimit(const TOptionsRec& o, int colour)
{
    return BlackOwnFields(o, colour) ? o.SecsPerTurn2 : o.SecsPerTurn;
}

std::int32_t GetHourLimit(const TOptionsRec& o, int colour)
{
    return BlackOwnFields(o, colour) ? o.MovesPerHour2 : o.MovesPerHour;
}

std::int32_t GetSandLimit(const TOptionsRec& o)
{
    return o.SecsInSandclock;
}

void SetLimitType(TOptionsRec& o, int colour, std::int32_t kind)
{
    (colour == 1 ? o.TimeLimitType2 : o.TimeLimitType) = kind;
}

void SetGameLimit(TOptionsRec& o, int colour, std::int32_t minutes)
{
    (colour == 1 ? o.MinsPerGame2 : o.MinsPerGame) = minutes;
}

void SetTurnLimit(TOptionsRec& o, int colour, std::int32_t seconds)
{
    (colour == 1 ? o.SecsPerTurn2 : o.SecsPerTurn) = seconds;
}

void SetHourLimit(TOptionsRec& o, int colour, std::int32_t moves)
{
    (colour == 1 ? o.MovesPerHour2 : o.MovesPerHour) = moves;
}

void SetSandLimit(TOptionsRec& o, std::int32_t seconds)
{
    o.SecsInSandclock = seconds;
}

std::uint32_t TurnTicksRemaining(const TOptionsRec& options, const TimeSituation& now)
{
    std::int64_t ticks = std::max<std::int64_t>(0, GetTurnLimit(options, now.sideToMove)) * 91 / 5;
    if (options.UserLimit == ComputerMovesForUser) {
        ticks = std::max<std::int64_t>(0, ticks - now.lap[now.sideToMove]);
    }
    return static_cast<std::uint32_t>(ticks);
}

bool ComputerMovesForUserNow(const TOptionsRec& options, const TimeSituation& now)
{
    // Half a second before the turn time is spent.
    constexpr std::uint32_t HalfSecond = 9;
    return options.UserLimit == ComputerMovesForUser && TurnTicksRemaining(options, now) <= HalfSecond;
}

std::int32_t ComputerTickLimit(const TOptionsRec& options, const TimeSituation& now)
{
    if (now.mode == TGameMode::Analysing) {
        return NoTickLimit;
    }
    if (now.mode == TGameMode::QuickHint) {
        return QuickHintTicks;
    }
    const int s = now.sideToMove;
    const int o = 1 - s;
    const std::int64_t n = now.endPly;
    const std::int64_t usedS = now.used[s];
    const std::int64_t usedO = now.used[o];
    // A little more than a fortieth of the time left, more with every ply.
    // The time left is the one the flag test counts down, so with an
    // increment it includes the increments earned so far.
    const std::int64_t left = GameBudget(options, now, s) - usedS;
    const std::int64_t gameShare = left * (n + 80) / 3200;
    switch (GetLimitType(options, s)) {
    case GameTime:
        return Budget(gameShare);
    case TurnTime:
        return Budget(TurnTicksRemaining(options, now));
    case MovesPerHour: {
        const std::int64_t h = HourLimitAtLeastOne(options, s);
        return Budget(std::min(((n + 2) / 2) * TicksPerHour / h - usedS, 2 * TicksPerHour / h));
    }
    case MatchUser:
        return Budget(std::max<std::int64_t>(usedO * 2 / (n + 1), 90));
    case Sandclock:
        return Budget((std::int64_t(GetSandLimit(options)) * 9 + usedO - usedS) * 4 / 5 - 2);
    case GamePlusIncrement:
        // The increment of this move is earned only once it is made: never
        // more than the time left, less the margin the search keeps.
        return Budget(std::min(gameShare + std::int64_t(GetTurnLimit(options, s)) * 91 / 5, left) - 2);
    default:
        return NoTickLimit;
    }
}

bool GameTimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m)
{
    for (int colour = 0; colour < 2; ++colour) {
        if (!GameClockExamined(options, now, colour)) {
            continue;
        }
        const std::int64_t budget = GameBudget(options, now, colour);
        if (budget < m || now.used[colour] > budget - m) {
            return true;
        }
    }
    return false;
}

bool TurnTimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m)
{
    if (!SideToMoveHasKind(options, now, TurnTime) || options.UserLimit != UserLosesGame) {
        return false;
    }
    // The turn has lasted more than half a second beyond its limit.
    const std::int64_t limit = std::int64_t(GetTurnLimit(options, now.sideToMove)) * 91 / 5;
    const std::int64_t margin = m;
    return margin - limit > 9 || now.lap[now.sideToMove] > limit + 9 - margin;
}

bool HourTimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m)
{
    const int s = now.sideToMove;
    if (!SideToMoveHasKind(options, now, MovesPerHour) || options.UserLimit != UserLosesGame
        || now.used[s] < TicksPerHour) {
        return false;
    }
    // At every whole hour used, the side must have made its moves for that
    // many hours: the flag falls on falling behind the schedule.
    const std::int64_t hours = (std::int64_t(now.used[s]) + m) / TicksPerHour;
    return MovesMade(now, s) < hours * GetHourLimit(options, s);
}

bool SandTimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m)
{
    if (!SideToMoveHasKind(options, now, Sandclock) || options.UserLimit != UserLosesGame) {
        return false;
    }
    const std::int64_t sand = std::int64_t(GetSandLimit(options)) * 91 / 5;
    return std::llabs(std::int64_t(now.used[0]) - now.used[1]) > sand - std::int64_t(m);
}

bool TimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m)
{
    return GameTimeRemaining(options, now, m) || TurnTimeRemaining(options, now, m)
        || HourTimeRemaining(options, now, m) || SandTimeRemaining(options, now, m);
}

bool PlayedLeastTime(const TimeSituation& now)
{
    return now.used[0] >= now.used[1];
}

int TimeForfeitMessage(const TOptionsRec& options, const TimeSituation& now)
{
    if (GameTimeRemaining(options, now, 0)) {
        return msg::GameTimeOver;
    }
    if (TurnTimeRemaining(options, now, 0)) {
        return msg::TurnTimeOver;
    }
    if (HourTimeRemaining(options, now, 0)) {
        return msg::HourScheduleOver;
    }
    if (SandTimeRemaining(options, now, 0)) {
        return msg::SandclockOver;
    }
    return 0;
}

// The game time and the turn and hour tests concern the side whose own
// clock is over; only the game time looks at both clocks.
int TimeForfeitWinner(const TOptionsRec& options, const TimeSituation& now)
{
    const int message = TimeForfeitMessage(options, now);
    if (message == 0 || message == msg::SandclockOver) {
        return PlayedLeastTime(now) ? 1 : 0;
    }
    if (message == msg::GameTimeOver) {
        const int s = now.sideToMove;
        const bool moverOver
            = GameClockExamined(options, now, s) && std::int64_t(now.used[s]) > GameBudget(options, now, s);
        return moverOver ? 1 - s : s;
    }
    return 1 - now.sideToMove;
}

QString GetPlayerTimeControl(const TOptionsRec& options, int colour)
{
    switch (GetLimitType(options, colour)) {
    case GameTime:
        return QString::number(std::int64_t(GetGameLimit(options, colour)) * 60);
    case TurnTime:
        return QStringLiteral("0+%1").arg(GetTurnLimit(options, colour));
    case MovesPerHour:
        return QStringLiteral("%1/3600").arg(GetHourLimit(options, colour));
    case MatchUser:
        return QStringLiteral("?");
    case Sandclock:
        return QStringLiteral("*%1").arg(GetSandLimit(options));
    case GamePlusIncrement:
        return QStringLiteral("%1+%2")
            .arg(std::int64_t(GetGameLimit(options, colour)) * 60)
            .arg(GetTurnLimit(options, colour));
    default:
        return QStringLiteral("-");
    }
}

QString GetGameTimeControl(const TOptionsRec& options)
{
    const QString white = GetPlayerTimeControl(options, 0);
    const QString black = GetPlayerTimeControl(options, 1);
    return options.DifferentTime && black != white ? white + u' ' + black : white;
}

void SetPlayerTimeControl(TOptionsRec& options, int colour, const QString& text)
{
    // Of a control in several periods, the first one is used.
    QString period;
    for (const QString& piece : text.split(u':')) {
        if (!piece.trimmed().isEmpty()) {
            period = piece.trimmed();
            break;
        }
    }
    if (period == u"-") {
        SetLimitType(options, colour, NoLimit);
    } else if (const int slash = period.indexOf(u'/'); slash >= 0) {
        bool ok = false;
        std::int64_t seconds = period.mid(slash + 1).trimmed().toLongLong(&ok);
        if (!ok || seconds <= 0) {
            seconds = 3600;
        }
        SetHourLimit(options, colour, ClampToInt32(Number(period.left(slash)) * 3600 / seconds));
        SetLimitType(options, colour, MovesPerHour);
    } else if (period == u"?") {
        SetLimitType(options, colour, MatchUser);
    } else if (const int plus = period.indexOf(u'+'); plus >= 0) {
        const std::int64_t base = Number(period.left(plus));
        if (base != 0) {
            SetLimitType(options, colour, GamePlusIncrement);
            SetGameLimit(options, colour, ClampToInt32(base / 60));
        } else {
            SetLimitType(options, colour, TurnTime);
        }
        SetTurnLimit(options, colour, ClampToInt32(Number(period.mid(plus + 1))));
    } else if (const int star = period.indexOf(u'*'); star >= 0) {
        SetLimitType(options, colour, Sandclock);
        SetSandLimit(options, ClampToInt32(Number(period.mid(star + 1))));
    } else {
        SetLimitType(options, colour, GameTime);
        SetGameLimit(options, colour, ClampToInt32(Number(period) / 60));
    }
}

void SetGameTimeControl(TOptionsRec& options, const QString& text)
{
    const QString trimmed = text.trimmed();
    const int blank = trimmed.indexOf(u' ');
    const QString white = blank < 0 ? trimmed : trimmed.left(blank);
    const QString black = blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed();
    SetPlayerTimeControl(options, 0, white);
    options.DifferentTime = !black.isEmpty();
    if (options.DifferentTime) {
        SetPlayerTimeControl(options, 1, black);
    }
}

} // namespace time_control
