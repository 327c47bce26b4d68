#include "settings/option_keys.h"

#include <array>

namespace {

constexpr auto settingsSection = u"Settings";
constexpr auto optionsSection = u"Options";
constexpr auto boardSection = u"Board";
constexpr auto textSection = u"Text";
constexpr auto soundSection = u"Sound";
constexpr auto printSection = u"Print";
constexpr auto tipsSection = u"Tips";

// The key is the field's name, so the two cannot drift apart.
#define OPTION(section, field, group)                                                                        \
    TOptionKey                                                                                               \
    {                                                                                                        \
        section, u"" #field, &TOptionsRec::field, true, TStoreGroup::group                                   \
    }
#define READ_ONLY(section, field)                                                                            \
    TOptionKey                                                                                               \
    {                                                                                                        \
        section, u"" #field, &TOptionsRec::field, false, TStoreGroup::None                                   \
    }

const std::array optionKeys {
    READ_ONLY(settingsSection, ScreenReader),
    OPTION(settingsSection, Version, None),
    READ_ONLY(settingsSection, MainMenu),
    OPTION(settingsSection, AutoPreview, None),

    OPTION(optionsSection, TimeLimitType, Time),
    OPTION(optionsSection, MinsPerGame, Time),
    OPTION(optionsSection, SecsPerTurn, Time),
    OPTION(optionsSection, MovesPerHour, Time),
    OPTION(optionsSection, SecsInSandclock, Time),
    OPTION(optionsSection, TimeLimitType2, Time),
    OPTION(optionsSection, MinsPerGame2, Time),
    OPTION(optionsSection, SecsPerTurn2, Time),
    OPTION(optionsSection, MovesPerHour2, Time),
    OPTION(optionsSection, DifferentTime, Time),
    OPTION(optionsSection, StoreTime, None),
    OPTION(optionsSection, UserLimit, Strength),
    OPTION(optionsSection, AutoPress, Strength),
    OPTION(optionsSection, UseOpeningLib, Strength),
    OPTION(optionsSection, AllowThinkAhead, Strength),
    OPTION(optionsSection, FreezeCoversBoard, Strength),
    OPTION(optionsSection, FreezeOnMinimize, Strength),
    OPTION(optionsSection, AutoPromote, Strength),
    OPTION(optionsSection, AllowResign, Strength),
    OPTION(optionsSection, AllowDraw, Strength),
    OPTION(optionsSection, ValidateBoard, Strength),
    OPTION(optionsSection, TouchMove, Strength),
    OPTION(optionsSection, PreventUndo, Strength),
    OPTION(optionsSection, SearchDepth, Strength),
    OPTION(optionsSection, StoreStrength, None),

    OPTION(boardSection, ShowButtons, Display),
    OPTION(boardSection, ShowTaken, Display),
    OPTION(boardSection, SortTaken, Display),
    OPTION(boardSection, ShowLabels, Display),
    OPTION(boardSection, ShowPlayers, Display),
    OPTION(boardSection, EdgeSize, Display),
    OPTION(boardSection, ShowStatus, Display),
    OPTION(boardSection, ShowAnalogue, Display),
    OPTION(boardSection, ShowDigital, Display),
    OPTION(boardSection, ShowHundredths, Display),
    OPTION(boardSection, ShowComment, Display),
    OPTION(boardSection, ShowWorking, Display),
    OPTION(boardSection, ShowNarration, Display),
    OPTION(boardSection, ShowECO, Display),
    OPTION(boardSection, RefreshRate, Display),
    OPTION(boardSection, StoreDisplay, None),

    OPTION(boardSection, PieceSet, Pieces),
    OPTION(boardSection, ScalePieces, Pieces),
    OPTION(boardSection, ShowCaptions, Pieces),
    OPTION(boardSection, MoveSpeed, Pieces),
    OPTION(boardSection, OpenToEnd, Pieces),
    OPTION(boardSection, FastOpen, Pieces),
    OPTION(boardSection, FastUndo, Pieces),
    OPTION(boardSection, FastRedo, Pieces),
    OPTION(boardSection, DragPieces, Pieces),
    OPTION(boardSection, TwoClickMove, Pieces),
    OPTION(boardSection, MoveCursor, Pieces),
    OPTION(boardSection, ReduceFlicker, Pieces),
    OPTION(boardSection, DoubleBuffered, Pieces),
    OPTION(boardSection, MoveDelay, Pieces),
    OPTION(boardSection, StorePieces, None),

    OPTION(boardSection, ShowAttacks, Board),
    OPTION(boardSection, ShowJeopardies, Board),
    OPTION(boardSection, PieceHints, Board),
    OPTION(boardSection, SquareHints, Board),
    OPTION(boardSection, MoveMarker, Board),
    OPTION(boardSection, ScaleSquares, Board),
    OPTION(boardSection, SquareSize, Board),
    OPTION(boardSection, BorderSize, Board),
    OPTION(boardSection, Texture, Board),
    OPTION(boardSection, WhiteColor, Board),
    OPTION(boardSection, BlackColor, Board),
    OPTION(boardSection, AttackColor, Board),
    OPTION(boardSection, JeopardyColor, Board),
    OPTION(boardSection, MarkerColor, Board),
    OPTION(boardSection, StoreBoard, None),

    OPTION(textSection, Language, Text),
    OPTION(textSection, BoardFont, Text),
    OPTION(textSection, BoardFixed, Text),
    OPTION(textSection, Notation, Text),
    OPTION(textSection, TextType, Text),
    OPTION(textSection, WhiteChar, Text),
    OPTION(textSection, BlackChar, Text),
    OPTION(textSection, KingChar, Text),
    OPTION(textSection, QueenChar, Text),
    OPTION(textSection, RookChar, Text),
    OPTION(textSection, BishopChar, Text),
    OPTION(textSection, KnightChar, Text),
    OPTION(textSection, PawnChar, Text),
    OPTION(textSection, StoreText, None),

    OPTION(optionsSection, AudioType, Audio),
    OPTION(optionsSection, WhiteVoice, Audio),
    OPTION(optionsSection, BlackVoice, Audio),
    OPTION(soundSection, PlaceSound, Audio),
    OPTION(soundSection, ClickSound, Audio),
    OPTION(soundSection, TakeSound, Audio),
    OPTION(soundSection, EnPassantSound, Audio),
    OPTION(soundSection, CastleSound, Audio),
    OPTION(soundSection, PromoteSound, Audio),
    OPTION(soundSection, CheckSound, Audio),
    OPTION(soundSection, CheckmateSound, Audio),
    OPTION(soundSection, StalemateSound, Audio),
    OPTION(soundSection, ResignSound, Audio),
    OPTION(soundSection, DrawSound, Audio),
    OPTION(soundSection, OutOfTimeSound, Audio),
    OPTION(optionsSection, StoreAudio, None),

    OPTION(printSection, PrintFont, Print),
    OPTION(printSection, PrintSize, Print),
    OPTION(printSection, PrintBold, Print),
    OPTION(printSection, PrintItalic, Print),
    OPTION(printSection, PrintFixed, Print),
    OPTION(printSection, FigureFont, Print),
    OPTION(printSection, BoardLabels, Print),
    OPTION(printSection, GraphicType, Print),
    OPTION(printSection, HighResGraphic, Print),
    OPTION(printSection, PrintBoardColor, Print),
    OPTION(printSection, StorePrint, None),

    OPTION(tipsSection, ShowTips, None),
    OPTION(tipsSection, TipTypes, None),
    OPTION(tipsSection, ProgTipNo, None),
    OPTION(tipsSection, GameTipNo, None),
    OPTION(tipsSection, InfoTipNo, None),
    OPTION(tipsSection, CurTipType, None),
};

#undef OPTION
#undef READ_ONLY

constexpr std::array storeGroups {TStoreGroup::Time, TStoreGroup::Strength, TStoreGroup::Display,
    TStoreGroup::Pieces, TStoreGroup::Board, TStoreGroup::Text, TStoreGroup::Audio, TStoreGroup::Print};

} // namespace

std::span<const TOptionKey> OptionKeys()
{
    return optionKeys;
}

const TOptionKey* FindOptionKey(const QString& name)
{
    for (const TOptionKey& key : optionKeys) {
        if (name.compare(key.keyName(), Qt::CaseInsensitive) == 0) {
            return &key;
        }
    }
    return nullptr;
}

bool TOptionsRec::*StoreFlag(TStoreGroup group)
{
    switch (group) {
    case TStoreGroup::None:
        return nullptr;
    case TStoreGroup::Time:
        return &TOptionsRec::StoreTime;
    case TStoreGroup::Strength:
        return &TOptionsRec::StoreStrength;
    case TStoreGroup::Display:
        return &TOptionsRec::StoreDisplay;
    case TStoreGroup::Pieces:
        return &TOptionsRec::StorePieces;
    case TStoreGroup::Board:
        return &TOptionsRec::StoreBoard;
    case TStoreGroup::Text:
        return &TOptionsRec::StoreText;
    case TStoreGroup::Audio:
        return &TOptionsRec::StoreAudio;
    case TStoreGroup::Print:
        return &TOptionsRec::StorePrint;
    }
    return nullptr;
}

std::span<const TStoreGroup> StoreGroups()
{
    return storeGroups;
}
