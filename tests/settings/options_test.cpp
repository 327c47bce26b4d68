#include "settings/figure_map.h"
#include "settings/letters.h"
#include "settings/option_keys.h"
#include "settings/options.h"
#include "settings/voices.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Every field with its name, so that two records can be compared field by
// field and a difference names the field.
struct FieldView {
    const char* name;
    std::function<std::string(const TOptionsRec&)> show;
};

template <typename T> std::string shown(const T& value)
{
    if constexpr (std::is_same_v<T, QString>) {
        return value.toStdString();
    } else {
        return std::to_string(value);
    }
}

#define FIELD(name)                                                                                          \
    FieldView                                                                                                \
    {                                                                                                        \
#name, [](const TOptionsRec& rec) { return shown(rec.name); }                                        \
    }

const std::vector<FieldView>& allFields()
{
    static const std::vector<FieldView> fields {
        FIELD(ScreenReader),
        FIELD(Version),
        FIELD(MainMenu),
        FIELD(AutoPreview),
        FIELD(TimeLimitType),
        FIELD(MinsPerGame),
        FIELD(SecsPerTurn),
        FIELD(MovesPerHour),
        FIELD(SecsInSandclock),
        FIELD(TimeLimitType2),
        FIELD(MinsPerGame2),
        FIELD(SecsPerTurn2),
        FIELD(MovesPerHour2),
        FIELD(DifferentTime),
        FIELD(StoreTime),
        FIELD(UserLimit),
        FIELD(AutoPress),
        FIELD(UseOpeningLib),
        FIELD(AllowThinkAhead),
        FIELD(FreezeCoversBoard),
        FIELD(FreezeOnMinimize),
        FIELD(AutoPromote),
        FIELD(AllowResign),
        FIELD(AllowDraw),
        FIELD(ValidateBoard),
        FIELD(TouchMove),
        FIELD(PreventUndo),
        FIELD(SearchDepth),
        FIELD(StoreStrength),
        FIELD(ShowButtons),
        FIELD(ShowTaken),
        FIELD(SortTaken),
        FIELD(ShowLabels),
        FIELD(ShowPlayers),
        FIELD(EdgeSize),
        FIELD(ShowStatus),
        FIELD(ShowAnalogue),
        FIELD(ShowDigital),
        FIELD(ShowHundredths),
        FIELD(ShowComment),
        FIELD(ShowWorking),
        FIELD(ShowNarration),
        FIELD(ShowECO),
        FIELD(RefreshRate),
        FIELD(StoreDisplay),
        FIELD(PieceSet),
        FIELD(ScalePieces),
        FIELD(ShowCaptions),
        FIELD(MoveSpeed),
        FIELD(OpenToEnd),
        FIELD(FastOpen),
        FIELD(FastUndo),
        FIELD(FastRedo),
        FIELD(DragPieces),
        FIELD(TwoClickMove),
        FIELD(MoveCursor),
        FIELD(ReduceFlicker),
        FIELD(DoubleBuffered),
        FIELD(MoveDelay),
        FIELD(StorePieces),
        FIELD(ShowAttacks),
        FIELD(ShowJeopardies),
        FIELD(PieceHints),
        FIELD(SquareHints),
        FIELD(MoveMarker),
        FIELD(ScaleSquares),
        FIELD(SquareSize),
        FIELD(BorderSize),
        FIELD(Texture),
        FIELD(WhiteColor),
        FIELD(BlackColor),
        FIELD(AttackColor),
        FIELD(JeopardyColor),
        FIELD(MarkerColor),
        FIELD(StoreBoard),
        FIELD(Language),
        FIELD(BoardFont),
        FIELD(BoardFixed),
        FIELD(Notation),
        FIELD(TextType),
        FIELD(WhiteChar),
        FIELD(BlackChar),
        FIELD(NoPieceChar),
        FIELD(KingChar),
        FIELD(QueenChar),
        FIELD(RookChar),
        FIELD(BishopChar),
        FIELD(KnightChar),
        FIELD(PawnChar),
        FIELD(StoreText),
        FIELD(AudioType),
        FIELD(WhiteVoice),
        FIELD(BlackVoice),
        FIELD(PlaceSound),
        FIELD(ClickSound),
        FIELD(TakeSound),
        FIELD(EnPassantSound),
        FIELD(CastleSound),
        FIELD(PromoteSound),
        FIELD(CheckSound),
        FIELD(CheckmateSound),
        FIELD(StalemateSound),
        FIELD(ResignSound),
        FIELD(DrawSound),
        FIELD(OutOfTimeSound),
        FIELD(StoreAudio),
        FIELD(PrintFont),
        FIELD(PrintSize),
        FIELD(PrintBold),
        FIELD(PrintItalic),
        FIELD(PrintFixed),
        FIELD(FigureFont),
        FIELD(FontChars),
        FIELD(BoardLabels),
        FIELD(GraphicType),
        FIELD(HighResGraphic),
        FIELD(PrintBoardColor),
        FIELD(StorePrint),
        FIELD(ShowTips),
        FIELD(TipTypes),
        FIELD(ProgTipNo),
        FIELD(GameTipNo),
        FIELD(InfoTipNo),
        FIELD(CurTipType),
        FIELD(BoardRotated),
    };
    return fields;
}

#undef FIELD

// name -> value as text for each field that differs.
std::map<std::string, std::string> differences(const TOptionsRec& before, const TOptionsRec& after)
{
    std::map<std::string, std::string> changed;
    for (const FieldView& field : allFields()) {
        if (field.show(before) != field.show(after)) {
            changed[field.name] = field.show(after);
        }
    }
    return changed;
}

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetOptions(Options); }
    void TearDown() override
    {
        setRotateBoardHook({});
        ResetOptions(Options);
    }
};

// Converts to the type of any field, so a record that can be brace-built
// from N of these has at least N fields.
struct AnyField {
    template <typename T> operator T() const;
};

template <typename Record, std::size_t... I> constexpr bool bracesTake(std::index_sequence<I...>)
{
    return requires
    {
        Record {(void(I), AnyField {})...};
    };
}

// The number of fields of a record without base classes or arrays.
template <typename Record, std::size_t N = 0> constexpr std::size_t fieldCount()
{
    if constexpr (bracesTake<Record>(std::make_index_sequence<N + 1> {})) {
        return fieldCount<Record, N + 1>();
    } else {
        return N;
    }
}

TEST_F(OptionsTest, TheFieldListCoversTheWholeRecord)
{
    // A field added to the record but not to the list above would escape
    // every comparison in these tests.
    std::set<std::string> listed;
    for (const FieldView& field : allFields()) {
        EXPECT_TRUE(listed.insert(field.name).second) << field.name << " is listed twice";
    }
    EXPECT_EQ(listed.size(), fieldCount<TOptionsRec>());

    // The settings file and saved games carry every field through the key
    // table, except the figure-font characters (a section of their own),
    // the blank letter for no piece and the board's turn, never stored.
    std::set<std::string> keyed {"FontChars", "NoPieceChar", "BoardRotated"};
    for (const TOptionKey& key : OptionKeys()) {
        EXPECT_TRUE(keyed.insert(key.keyName().toStdString()).second) << key.keyName().toStdString();
    }
    std::vector<std::string> unkeyed;
    std::set_difference(listed.begin(), listed.end(), keyed.begin(), keyed.end(), std::back_inserter(unkeyed));
    EXPECT_EQ(unkeyed, std::vector<std::string> {});
    EXPECT_EQ(keyed, listed);
}

TEST_F(OptionsTest, ResetGivesTheDocumentedDefaults)
{
    TOptionsRec rec;
    rec.ScreenReader = true;
    rec.AutoPreview = true;
    rec.ProgTipNo = 9;
    ResetOptions(rec);

    const std::map<std::string, std::string> expected {
        {"Version", "40"},
        {"MainMenu", "1"},
        {"ScreenReader", "0"},
        {"AutoPreview", "0"},
        {"TimeLimitType", "2"},
        {"MinsPerGame", "20"},
        {"SecsInSandclock", "180"},
        {"MovesPerHour2", "100"},
        {"AutoPress", "1"},
        {"AllowThinkAhead", "0"},
        {"SearchDepth", "5"},
        {"ShowButtons", "2"},
        {"EdgeSize", "16"},
        {"ShowDigital", "0"},
        {"RefreshRate", "5"},
        {"PieceSet", "Modern"},
        {"MoveSpeed", "6"},
        {"MoveDelay", "1"},
        {"SquareSize", "44"},
        {"Texture", "(none)"},
        {"WhiteColor", std::to_string(clWhite)},
        {"BlackColor", std::to_string(clMaroon)},
        {"MarkerColor", std::to_string(clFuchsia)},
        {"Language", "English"},
        {"Notation", "1"},
        {"KingChar", std::to_string('K')},
        {"NoPieceChar", std::to_string(' ')},
        {"AudioType", "2"},
        {"WhiteVoice", "English Female"},
        {"CastleSound", ""},
        {"CheckSound", "+"},
        {"OutOfTimeSound", "Ding.wav"},
        {"PrintFont", "Times New Roman"},
        {"FigureFont", "Chess"},
        {"FontChars", "kqrbhplwtnjo=+ - /\\ _ "},
        {"GraphicType", ".gif"},
        {"PrintBoardColor", "0"},
        {"ShowTips", "1"},
        {"TipTypes", "3"},
        {"ProgTipNo", "0"},
        {"CurTipType", "-1"},
        {"BoardRotated", "0"},
    };
    for (const FieldView& field : allFields()) {
        if (const auto it = expected.find(field.name); it != expected.end()) {
            EXPECT_EQ(field.show(rec), it->second) << field.name;
        }
    }
    EXPECT_EQ(rec.FontChars.size(), 22);
}

TEST_F(OptionsTest, EachGroupDefaultRestoresOnlyItsOwnGroup)
{
    // One changed field in every group, plus a tip counter and a general flag.
    TOptionsRec changed;
    ResetOptions(changed);
    changed.AutoPreview = true;
    changed.MinsPerGame = 7;
    changed.SearchDepth = 12;
    changed.EdgeSize = 30;
    changed.PieceSet = QStringLiteral("Old");
    changed.Texture = QStringLiteral("Wood");
    changed.KnightChar = 'S';
    changed.TakeSound.clear();
    changed.FontChars = QStringLiteral("x");
    changed.TipTypes = 0;
    changed.ProgTipNo = 4;

    using Changes = std::map<std::string, std::string>;
    const struct {
        const char* name;
        void (*routine)(TOptionsRec&);
        Changes restored;
    } cases[] = {
        {"time", SetTimeDefaults, {{"MinsPerGame", "20"}}},
        {"strength", SetStrengthDefaults, {{"SearchDepth", "5"}}},
        {"display", SetDisplayDefaults, {{"EdgeSize", "16"}}},
        {"pieces", SetPiecesDefaults, {{"PieceSet", "Modern"}}},
        {"board", SetBoardDefaults, {{"Texture", "(none)"}}},
        {"text", SetTextDefaults, {{"KnightChar", std::to_string('N')}}},
        {"audio", SetAudioDefaults, {{"TakeSound", "Chomp.wav"}}},
        {"print", SetPrintDefaults, {{"FontChars", "kqrbhplwtnjo=+ - /\\ _ "}}},
        {"tips", SetTipsDefaults, {{"TipTypes", "3"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TOptionsRec rec = changed;
        c.routine(rec);
        EXPECT_EQ(differences(changed, rec), c.restored);
    }
}

TEST_F(OptionsTest, AudioDefaultFollowsTheLiveScreenReaderFlag)
{
    TOptionsRec rec;
    ResetOptions(rec);
    Options.ScreenReader = true;
    SetAudioDefaults(rec);
    EXPECT_EQ(rec.AudioType, 3);
    Options.ScreenReader = false;
    SetAudioDefaults(rec);
    EXPECT_EQ(rec.AudioType, 2);

    // Resetting the live record clears the flag before the audio default.
    Options.ScreenReader = true;
    ResetOptions(Options);
    EXPECT_EQ(Options.AudioType, 2);
}

TEST_F(OptionsTest, ResetTurnsARotatedBoardBackFirst)
{
    int turns = 0;
    setRotateBoardHook([&turns]() { ++turns; });
    Options.BoardRotated = true;
    ResetOptions(Options);
    EXPECT_EQ(turns, 1);
    EXPECT_FALSE(Options.BoardRotated);
    ResetOptions(Options);
    EXPECT_EQ(turns, 1);

    // A copy (the options dialog's) has no view to turn.
    TOptionsRec copy = Options;
    copy.BoardRotated = true;
    ResetOptions(copy);
    EXPECT_EQ(turns, 1);
    EXPECT_FALSE(copy.BoardRotated);
    setRotateBoardHook({});
}

TEST_F(OptionsTest, PresetsChangeExactlyTheirFields)
{
    using Changes = std::map<std::string, std::string>;
    const struct {
        const char* name;
        void (*preset)(TOptionsRec&);
        Changes changes;
    } cases[] = {
        {"novice", SetNoviceLevel, {{"SecsPerTurn", "1"}, {"AutoPromote", "1"}, {"SearchDepth", "-8"}}},
        {"average", SetAverageLevel, {{"AllowThinkAhead", "1"}}},
        {"expert", SetExpertLevel,
            {{"TimeLimitType", "3"}, {"MovesPerHour", "40"}, {"UserLimit", "2"}, {"AllowThinkAhead", "1"},
                {"TouchMove", "1"}, {"PreventUndo", "1"}, {"SearchDepth", "23"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TOptionsRec reset;
        ResetOptions(reset);
        TOptionsRec rec = reset;
        c.preset(rec);
        EXPECT_EQ(differences(reset, rec), c.changes);
    }

    // Fields a preset does not list keep whatever they held.
    TOptionsRec rec;
    ResetOptions(rec);
    rec.AutoPress = false;
    rec.MovesPerHour = 77;
    rec.SecsPerTurn = 9;
    SetExpertLevel(rec);
    EXPECT_FALSE(rec.AutoPress);
    EXPECT_EQ(rec.SecsPerTurn, 9);
    SetNoviceLevel(rec);
    EXPECT_EQ(rec.MovesPerHour, 40);
    rec.MovesPerHour = 77;
    SetAverageLevel(rec);
    EXPECT_EQ(rec.MovesPerHour, 77);
}

TEST_F(OptionsTest, CopiesAreIndependent)
{
    TOptionsRec source;
    ResetOptions(source);
    source.BoardRotated = true;
    TOptionsRec copy;
    CopyOptions(source, copy);
    EXPECT_EQ(copy, source);
    source.PieceSet.append(u" Large");
    source.FontChars[0] = u'X';
    EXPECT_EQ(copy.PieceSet, u"Modern");
    EXPECT_EQ(copy.FontChars.at(0), u'k');
}

TEST_F(OptionsTest, LettersFollowTheTextType)
{
    Options.KnightChar = 'S';
    Options.BlackChar = 'N';
    EXPECT_EQ(PieceLetter(5), 'N');
    EXPECT_EQ(ColourLetter(1), 'B');
    EXPECT_EQ(PieceLetter(0), ' ');
    Options.TextType = 1;
    EXPECT_EQ(PieceLetter(5), 'S');
    EXPECT_EQ(ColourLetter(1), 'N');
    EXPECT_EQ(PieceLetter(0), ' ');
    Options.TextType = -1;
    EXPECT_EQ(ColourLetter(1), 'B');
}

TEST_F(OptionsTest, PieceKindFromLetter)
{
    const struct {
        int textType;
        char typed;
        int kind;
    } cases[] = {
        {0, 'k', 1},
        {0, 'N', 5},
        {0, 'p', 6},
        {0, 'x', 0},
        {0, ' ', 0},
        // King and rook share "R": kind 1 is tried first.
        {1, 'r', 1},
        {1, 'd', 2},
    };
    Options.KingChar = 'R';
    Options.RookChar = 'R';
    Options.QueenChar = 'D';
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Options.TextType = c.textType;
        EXPECT_EQ(PieceKindFromLetter(QChar::fromLatin1(c.typed)), c.kind);
    }
    Options.TextType = 0;
    EXPECT_TRUE(IsBlackLetter(u'b'));
    EXPECT_FALSE(IsBlackLetter(u'w'));
}

TEST_F(OptionsTest, VoiceFolders)
{
    const QString data = QStringLiteral("/usr/share/quarvel/");
    EXPECT_EQ(VoiceFolder(0, data), u"/usr/share/quarvel/voices/English Female/");
    EXPECT_EQ(VoiceFolder(1, data), u"/usr/share/quarvel/voices/English Male/");
    Options.BlackVoice = QStringLiteral("(none)");
    EXPECT_EQ(VoiceFolder(1, data), u"");
}

TEST(FigureMaps, BuiltInMapsAreTwentyTwoCharacters)
{
    const struct {
        const char* font;
        const char* map;
    } cases[] = {
        {"Chess", "kqrbhplwtnjo=+ - /\\ _ "},
        {"Some Other Font", "kqrbhplwtnjo=+ - /\\ _ "},
        {"chess merida", "kqrbnplwtvmo*+12345789"},
        {"Chess Usual", "kqrbnplwtvmo +12345789"},
        {"Chess Montreal", "kqrbnplwtvmo /12345789"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.font);
        EXPECT_EQ(DefaultFigureMap(QString::fromUtf8(c.font)), QString::fromUtf8(c.map));
    }
    const QString alpha = DefaultFigureMap(QStringLiteral("Chess Alpha"));
    EXPECT_EQ(alpha.size(), 22);
    EXPECT_EQ(alpha.mid(12, 8), u" +!\"#$%&");
    EXPECT_EQ(alpha.at(21), u'(');
}

} // namespace
