#pragma once

#include <QString>

#include "support/colour.h"

#include <cstdint>
#include <functional>

// Every user-adjustable behaviour of the program, in one flat record grouped
// like the pages of the options dialog. Field names are the settings-file
// keys. Every field starts at zero, so TOptionsRec{} is the zero-filled
// record that ResetOptions starts from; the group routines give the defaults.
struct TOptionsRec {
    // General ("Settings" section)
    bool ScreenReader {};
    std::int32_t Version {};
    bool MainMenu {};
    bool AutoPreview {};

    // Time
    std::int32_t TimeLimitType {};
    std::int32_t MinsPerGame {};
    std::int32_t SecsPerTurn {};
    std::int32_t MovesPerHour {};
    std::int32_t SecsInSandclock {};
    std::int32_t TimeLimitType2 {};
    std::int32_t MinsPerGame2 {};
    std::int32_t SecsPerTurn2 {};
    std::int32_t MovesPerHour2 {};
    bool DifferentTime {};
    bool StoreTime {};

    // Strength
    std::int32_t UserLimit {};
    bool AutoPress {};
    bool UseOpeningLib {};
    bool AllowThinkAhead {};
    bool FreezeCoversBoard {};
    bool FreezeOnMinimize {};
    bool AutoPromote {};
    bool AllowResign {};
    bool AllowDraw {};
    bool ValidateBoard {};
    bool TouchMove {};
    bool PreventUndo {};
    std::int32_t SearchDepth {};
    bool StoreStrength {};

    // Display
    std::int32_t ShowButtons {};
    bool ShowTaken {};
    bool SortTaken {};
    bool ShowLabels {};
    bool ShowPlayers {};
    std::int32_t EdgeSize {};
    bool ShowStatus {};
    bool ShowAnalogue {};
    bool ShowDigital {};
    bool ShowHundredths {};
    bool ShowComment {};
    bool ShowWorking {};
    bool ShowNarration {};
    bool ShowECO {};
    std::int32_t RefreshRate {};
    bool StoreDisplay {};

    // Pieces
    QString PieceSet;
    bool ScalePieces {};
    bool ShowCaptions {};
    std::int32_t MoveSpeed {};
    bool OpenToEnd {};
    bool FastOpen {};
    bool FastUndo {};
    bool FastRedo {};
    bool DragPieces {};
    bool TwoClickMove {};
    bool MoveCursor {};
    bool ReduceFlicker {};
    bool DoubleBuffered {};
    std::int32_t MoveDelay {};
    bool StorePieces {};

    // Board
    bool ShowAttacks {};
    bool ShowJeopardies {};
    bool PieceHints {};
    bool SquareHints {};
    bool MoveMarker {};
    bool ScaleSquares {};
    std::int32_t SquareSize {};
    std::int32_t BorderSize {};
    QString Texture;
    TColour WhiteColor {};
    TColour BlackColor {};
    TColour AttackColor {};
    TColour JeopardyColor {};
    TColour MarkerColor {};
    bool StoreBoard {};

    // Text. The colour letters and the seven piece-letter slots are indexed
    // by colour and by piece kind through ColourLetter and PieceLetter; the
    // slot of kind 0 (no piece) is a blank that is never edited or stored.
    QString Language;
    QString BoardFont;
    bool BoardFixed {};
    std::int32_t Notation {};
    std::int32_t TextType {};
    char WhiteChar {};
    char BlackChar {};
    char NoPieceChar {};
    char KingChar {};
    char QueenChar {};
    char RookChar {};
    char BishopChar {};
    char KnightChar {};
    char PawnChar {};
    bool StoreText {};

    // Audio
    std::int32_t AudioType {};
    QString WhiteVoice;
    QString BlackVoice;
    QString PlaceSound;
    QString ClickSound;
    QString TakeSound;
    QString EnPassantSound;
    QString CastleSound;
    QString PromoteSound;
    QString CheckSound;
    QString CheckmateSound;
    QString StalemateSound;
    QString ResignSound;
    QString DrawSound;
    QString OutOfTimeSound;
    bool StoreAudio {};

    // Print
    QString PrintFont;
    std::int32_t PrintSize {};
    bool PrintBold {};
    bool PrintItalic {};
    bool PrintFixed {};
    QString FigureFont;
    QString FontChars;
    bool BoardLabels {};
    QString GraphicType;
    bool HighResGraphic {};
    TColour PrintBoardColor {};
    bool StorePrint {};

    // Tips
    bool ShowTips {};
    std::int32_t TipTypes {};
    std::int32_t ProgTipNo {};
    std::int32_t GameTipNo {};
    std::int32_t InfoTipNo {};
    std::int32_t CurTipType {};

    // Run-time state, never stored: Black is drawn at the bottom.
    bool BoardRotated {};

    bool operator==(const TOptionsRec&) const = default;
};

// The one live record, read by the whole program.
extern TOptionsRec Options;

// Debug adds start, finish and load entries to the error log and turns on
// the board self-check reports. SettingsFromGame is set while a loaded game's
// settings stand in for the user's own.
extern bool Debug;
extern bool SettingsFromGame;

// The standard letters, indexed by colour and by piece kind.
inline constexpr char standardColourLetters[] = "WB";
inline constexpr char standardPieceLetters[] = " KQRBNP";

// Group defaults: each sets exactly the fields of its options-dialog page.
void SetTimeDefaults(TOptionsRec& rec);
void SetStrengthDefaults(TOptionsRec& rec);
void SetDisplayDefaults(TOptionsRec& rec);
void SetPiecesDefaults(TOptionsRec& rec);
void SetBoardDefaults(TOptionsRec& rec);
void SetTextDefaults(TOptionsRec& rec);
// AudioType follows the live Options' ScreenReader flag, not the record's.
void SetAudioDefaults(TOptionsRec& rec);
void SetPrintDefaults(TOptionsRec& rec);
// The tip counters are left as they are.
void SetTipsDefaults(TOptionsRec& rec);

// Turns the board view back to White at the bottom (and clears
// Options.BoardRotated). The main window installs it when it builds the
// board; ResetOptions calls it before clearing the live Options while the
// board is rotated, so reading settings never leaves the view rotated.
using RotateBoardHook = std::function<void()>;
RotateBoardHook setRotateBoardHook(RotateBoardHook hook);

// Zero-fills the record, then Version 40, MainMenu on and every group default.
void ResetOptions(TOptionsRec& rec);

// Makes the target an independent copy of the source, strings included.
void CopyOptions(const TOptionsRec& source, TOptionsRec& target);

// The playing-level presets: each changes only some time and strength fields.
void SetNoviceLevel(TOptionsRec& rec);
void SetAverageLevel(TOptionsRec& rec);
void SetExpertLevel(TOptionsRec& rec);
