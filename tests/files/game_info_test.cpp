#include "files/game_info.h"
#include "files/text_store.h"
#include "files_fixture.h"
#include "support/text_fields.h"

namespace {

using GameInfoTest = FilesTest;

const QString title = QStringLiteral("Chess Quarvel");
const QDateTime now(QDate(2026, 3, 7), QTime(9, 5, 4));

TEST_F(GameInfoTest, DefaultsFillOnlyWhatIsMissing)
{
    struct Case {
        const char* name;
        TInfoRec before;
        TPlayKind kind;
        TInfoRec after;
    };
    const auto info = [](QString white, QString black, QString date = {}, QString time = {}) {
        TInfoRec rec;
        rec.White = white;
        rec.Black = black;
        rec.Date = date;
        rec.Time = time;
        return rec;
    };
    const auto filled = [](TInfoRec rec) {
        rec.Event = QStringLiteral("Casual Game");
        rec.Site = QStringLiteral("?");
        rec.Round = QStringLiteral("-");
        return rec;
    };
    const Case cases[] = {
        {"two players from scratch", info("", ""), TPlayKind::TwoPlayer,
            filled(info("?", "?", "2026.03.07", "09:05:04"))},
        {"computer plays Black", info("", ""), TPlayKind::UserWhite,
            filled(info("?", title, "2026.03.07", "09:05:04"))},
        {"computer plays White", info("", ""), TPlayKind::UserBlack,
            filled(info(title, "?", "2026.03.07", "09:05:04"))},
        {"computer plays both", info("?", ""), TPlayKind::AutoPlay,
            filled(info(title, title, "2026.03.07", "09:05:04"))},
        {"no play kind", info("", "?"), TPlayKind::Unset, filled(info("?", "?", "2026.03.07", "09:05:04"))},
        {"typed names stay", info("Anna", "Ben"), TPlayKind::AutoPlay,
            filled(info("Anna", "Ben", "2026.03.07", "09:05:04"))},
        {"a known date keeps an empty time", info("?", "?", "1999.??.??"), TPlayKind::UserWhite,
            filled(info("?", title, "1999.??.??"))},
        {"a known time keeps an empty date", info("?", "?", "", "10:00:00"), TPlayKind::UserWhite,
            filled(info("?", title, "", "10:00:00"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TInfoRec rec = c.before;
        InitGameInfo(rec, c.kind, title, now);
        EXPECT_EQ(rec, c.after);
    }

    TInfoRec kept = filled(info("x", "y", "d", "t"));
    kept.Event = QStringLiteral("Club");
    kept.Site = QStringLiteral("Home");
    kept.Round = QStringLiteral("3");
    const TInfoRec before = kept;
    InitGameInfo(kept, TPlayKind::AutoPlay, title, now);
    EXPECT_EQ(kept, before);
}

TEST_F(GameInfoTest, ASecondActivationGivesTheComputerOnlyItsOwnSide)
{
    TInfoRec rec;
    InitGameInfo(rec, TPlayKind::TwoPlayer, title, now);
    InitGameInfo(rec, TPlayKind::UserWhite, title, now);
    EXPECT_EQ(rec.White, QStringLiteral("?"));
    EXPECT_EQ(rec.Black, title);
    ClearGameInfo(rec);
    EXPECT_EQ(rec, TInfoRec {});
}

TEST_F(GameInfoTest, OnlyKnownValuesAreInformative)
{
    struct Case {
        QString text;
        bool informative;
    };
    const Case cases[] = {
        {"", false},
        {"-", false},
        {"?", false},
        {"????.??.??", false},
        {"??", false},
        {"??x", false},
        {"2004.??.??", true},
        {"?x", true},
        {"--", true},
        {"Anna", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(InformativeValue(c.text), c.informative);
    }
}

TEST_F(GameInfoTest, KeyLinesFillTheNamedField)
{
    struct Case {
        QString line;
        bool read;
        QString TInfoRec::*field;
        QString value;
    };
    const Case cases[] = {
        {"whiteelo: 1850", true, &TInfoRec::WhiteELO, "1850"},
        {"EVENTDATE: 2004.03.07", true, &TInfoRec::EventDate, "2004.03.07"},
        {"Event: Club: round 2", true, &TInfoRec::Event, "Club: round 2"},
        {"Black:", true, &TInfoRec::Black, ""},
        {"White Anna", false, &TInfoRec::White, "x"},
        {"Whites: Anna", false, &TInfoRec::White, "x"},
        {"Result: 1-0", false, &TInfoRec::Event, "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        TInfoRec rec;
        rec.*c.field = QStringLiteral("x");
        QString rest = c.line;
        const QString word = NextToken(QStringLiteral(" "), rest);
        EXPECT_EQ(ReadInfoKey(rec, word, rest), c.read);
        EXPECT_EQ(rec.*c.field, c.value);
    }
}

TEST_F(GameInfoTest, KeyLinesRoundTripEveryFieldInTheirOrder)
{
    TInfoRec rec;
    for (const TInfoField& field : InfoFields()) {
        rec.*field.member = field.name.toLower() + QStringLiteral(" value");
    }
    rec.WhiteTcpip.clear();
    TTextStore store;
    store.StoreBegin(QStringLiteral("x"));
    WriteInfoKeys(store, rec);

    QStringList words;
    TInfoRec read;
    for (const QString& line : store.Lines()) {
        QString rest = line;
        const QString word = NextToken(QStringLiteral(" "), rest);
        words.append(word);
        EXPECT_TRUE(ReadInfoKey(read, word, rest)) << line.toStdString();
    }
    EXPECT_EQ(read, rec);
    EXPECT_EQ(words.join(u' '),
        QStringLiteral("Event: Site: Round: Date: Time: Opening: ECO: Annotator: EventDate: "
                       "White: WhiteTitle: WhiteELO: WhiteCountry: WhiteEmail: "
                       "Black: BlackTitle: BlackELO: BlackCountry: BlackEmail: BlackTcpip:"));
}

TEST_F(GameInfoTest, FieldsAreFoundByNameInAnyCase)
{
    ASSERT_EQ(InfoFields().size(), 21u);
    EXPECT_EQ(InfoFields().front().name, QStringLiteral("Event"));
    EXPECT_EQ(InfoFields().back().name, QStringLiteral("EventDate"));
    const TInfoField* eco = FindInfoField(u"eco");
    ASSERT_NE(eco, nullptr);
    EXPECT_EQ(eco->member, &TInfoRec::ECO);
    EXPECT_EQ(FindInfoField(u"Result"), nullptr);
    EXPECT_EQ(FindInfoField(u"Event:"), nullptr);
}

TEST_F(GameInfoTest, PlayerLabelsNameTheColourAndThePlayer)
{
    TInfoRec rec;
    rec.White = QStringLiteral("Anna");
    EXPECT_EQ(WhiteLabelText(rec), QStringLiteral("White: Anna"));
    EXPECT_EQ(BlackLabelText(rec), QStringLiteral("Black"));
}

} // namespace
