#include "settings/options.h"

#include "settings/figure_map.h"

#include <utility>

TOptionsRec Options;
bool Debug = false;
bool SettingsFromGame = false;

namespace {

constexpr std::int32_t currentVersion = 40;

RotateBoardHook rotateBoard;

} // namespace

void SetTimeDefaults(TOptionsRec& rec)
{
    rec.TimeLimitType = 2;
    rec.MinsPerGame = 20;
    rec.SecsPerTurn = 5;
    rec.MovesPerHour = 100;
    rec.SecsInSandclock = 180;
    rec.TimeLimitType2 = 2;
    rec.MinsPerGame2 = 20;
    rec.SecsPerTurn2 = 5;
    rec.MovesPerHour2 = 100;
    rec.DifferentTime = false;
    rec.StoreTime = false;
}

void SetStrengthDefaults(TOptionsRec& rec)
{
    rec.UserLimit = 0;
    rec.AutoPress = true;
    rec.UseOpeningLib = true;
    rec.AllowThinkAhead = false;
    rec.FreezeCoversBoard = true;
    rec.FreezeOnMinimize = false;
    rec.AutoPromote = false;
    rec.AllowResign = true;
    rec.AllowDraw = true;
    rec.ValidateBoard = true;
    rec.TouchMove = false;
    rec.PreventUndo = false;
    rec.SearchDepth = 5;
    rec.StoreStrength = false;
}

void SetDisplayDefaults(TOptionsRec& rec)
{
    rec.ShowButtons = 2;
    rec.ShowTaken = true;
    rec.SortTaken = false;
    rec.ShowLabels = true;
    rec.ShowPlayers = true;
    rec.EdgeSize = 16;
    rec.ShowStatus = true;
    rec.ShowAnalogue = true;
    rec.ShowDigital = false;
    rec.ShowHundredths = false;
    rec.ShowComment = true;
    rec.ShowWorking = true;
    rec.ShowNarration = true;
    rec.ShowECO = true;
    rec.RefreshRate = 5;
    rec.StoreDisplay = false;
}

void SetPiecesDefaults(TOptionsRec& rec)
{
    rec.PieceSet = QStringLiteral("Modern");
    rec.ScalePieces = false;
    rec.ShowCaptions = true;
    rec.MoveSpeed = 6;
    rec.OpenToEnd = true;
    rec.FastOpen = true;
    rec.FastUndo = true;
    rec.FastRedo = false;
    rec.DragPieces = true;
    rec.TwoClickMove = true;
    rec.MoveCursor = true;
    rec.ReduceFlicker = true;
    rec.DoubleBuffered = true;
    rec.MoveDelay = 1;
    rec.StorePieces = false;
}

void SetBoardDefaults(TOptionsRec& rec)
{
    rec.ShowAttacks = true;
    rec.ShowJeopardies = true;
    rec.PieceHints = true;
    rec.SquareHints = true;
    rec.MoveMarker = true;
    rec.ScaleSquares = true;
    rec.SquareSize = 44;
    rec.BorderSize = 3;
    rec.Texture = QStringLiteral("(none)");
    rec.WhiteColor = clWhite;
    rec.BlackColor = clMaroon;
    rec.AttackColor = clLime;
    rec.JeopardyColor = clRed;
    rec.MarkerColor = clFuchsia;
    rec.StoreBoard = false;
}

void SetTextDefaults(TOptionsRec& rec)
{
    rec.Language = QStringLiteral("English");
    rec.BoardFont = QStringLiteral("MS Sans Serif");
    rec.BoardFixed = true;
    rec.Notation = 1;
    rec.TextType = 0;
    rec.WhiteChar = 'W';
    rec.BlackChar = 'B';
    rec.NoPieceChar = ' ';
    rec.KingChar = 'K';
    rec.QueenChar = 'Q';
    rec.RookChar = 'R';
    rec.BishopChar = 'B';
    rec.KnightChar = 'N';
    rec.PawnChar = 'P';
    rec.StoreText = false;
}

void SetAudioDefaults(TOptionsRec& rec)
{
    // Spoken full moves suit screen-reader users best. The live flag decides,
    // so the options dialog's defaults follow how the program is being used.
    rec.AudioType = Options.ScreenReader ? 3 : 2;
    rec.WhiteVoice = QStringLiteral("English Female");
    rec.BlackVoice = QStringLiteral("English Male");
    rec.PlaceSound = QStringLiteral("Place.wav");
    rec.ClickSound = QStringLiteral("Click.wav");
    rec.TakeSound = QStringLiteral("Chomp.wav");
    rec.EnPassantSound = QStringLiteral("Chomp.wav");
    rec.CastleSound.clear();
    rec.PromoteSound.clear();
    rec.CheckSound = QStringLiteral("+");
    rec.CheckmateSound = QStringLiteral("Applause.wav");
    rec.StalemateSound = QStringLiteral("$");
    rec.ResignSound = QStringLiteral("Applause.wav");
    rec.DrawSound = QStringLiteral("$");
    rec.OutOfTimeSound = QStringLiteral("Ding.wav");
    rec.StoreAudio = false;
}

void SetPrintDefaults(TOptionsRec& rec)
{
    rec.PrintFont = QStringLiteral("Times New Roman");
    rec.PrintSize = 10;
    rec.PrintBold = false;
    rec.PrintItalic = false;
    rec.PrintFixed = false;
    rec.FigureFont = QStringLiteral("Chess");
    rec.FontChars = DefaultFigureMap(rec.FigureFont);
    rec.BoardLabels = true;
    rec.GraphicType = QStringLiteral(".gif");
    rec.HighResGraphic = false;
    rec.PrintBoardColor = clBlack;
    rec.StorePrint = false;
}

void SetTipsDefaults(TOptionsRec& rec)
{
    rec.ShowTips = true;
    rec.TipTypes = 3;
    rec.CurTipType = -1;
}

RotateBoardHook setRotateBoardHook(RotateBoardHook hook)
{
    return std::exchange(rotateBoard, std::move(hook));
}

void ResetOptions(TOptionsRec& rec)
{
    // The view must follow the live flag that is about to be cleared; a
    // copy's flag turns no view.
    if (&rec == &Options && rec.BoardRotated && rotateBoard) {
        rotateBoard();
    }
    rec = TOptionsRec {};
    rec.Version = currentVersion;
    rec.MainMenu = true;
    SetTimeDefaults(rec);
    SetStrengthDefaults(rec);
    SetDisplayDefaults(rec);
    SetPiecesDefaults(rec);
    SetBoardDefaults(rec);
    SetTextDefaults(rec);
    SetAudioDefaults(rec);
    SetPrintDefaults(rec);
    SetTipsDefaults(rec);
}

void CopyOptions(const TOptionsRec& source, TOptionsRec& target)
{
    // QString copies share their data only until one side changes, so the
    // two records never see each other's later changes.
    target = source;
}

void SetNoviceLevel(TOptionsRec& rec)
{
    rec.TimeLimitType = 2;
    rec.SecsPerTurn = 1;
    rec.UserLimit = 0;
    rec.AutoPress = true;
    rec.UseOpeningLib = true;
    rec.AllowThinkAhead = false;
    rec.AutoPromote = true;
    rec.TouchMove = false;
    rec.PreventUndo = false;
    rec.SearchDepth = -8;
}

void SetAverageLevel(TOptionsRec& rec)
{
    rec.TimeLimitType = 2;
    rec.SecsPerTurn = 5;
    rec.UserLimit = 0;
    rec.AutoPress = true;
    rec.UseOpeningLib = true;
    rec.AllowThinkAhead = true;
    rec.AutoPromote = false;
    rec.TouchMove = false;
    rec.PreventUndo = false;
    rec.SearchDepth = 5;
}

void SetExpertLevel(TOptionsRec& rec)
{
    rec.TimeLimitType = 3;
    rec.MovesPerHour = 40;
    rec.UserLimit = 2;
    rec.UseOpeningLib = true;
    rec.AllowThinkAhead = true;
    rec.AutoPromote = false;
    rec.TouchMove = true;
    rec.PreventUndo = true;
    rec.SearchDepth = 23;
}
