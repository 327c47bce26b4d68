#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "dialogs/board_settings.h"
#include "dialogs/board_settings_dialog.h"
#include "dialogs/promotion_dialog.h"

#include <gtest/gtest.h>

namespace {

TBoardSettings Typed(engine::Colour first, const char* moveNumber, const char* halfMoves = "0")
{
    TBoardSettings settings;
    settings.FirstPlayer = first;
    settings.MoveNumber = QString::fromLatin1(moveNumber);
    settings.HalfMoves = QString::fromLatin1(halfMoves);
    return settings;
}

TEST(BoardSettings, FirstPlyFromMoveNumberAndSide)
{
    const struct {
        engine::Colour first;
        const char* moveNumber;
        int startPly;
    } cases[] = {
        {engine::Black, "10", 19},
        {engine::White, "10", 18},
        {engine::White, "1", 0},
        {engine::White, "0", 0},
        {engine::Black, "0", 1},
        {engine::White, "-7", 0},
        {engine::Black, "abc", 1}, // unreadable counts as move 1
        {engine::White, "", 0},
        {engine::White, " 3 ", 4},
        // Numbers beyond any game are capped instead of overflowing.
        {engine::Black, "2147483647", (MaxFirstMoveNumber - 1) * 2 + 1},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.moveNumber);
        EXPECT_EQ(ApplyBoardSettings(Typed(row.first, row.moveNumber), {}).StartPly, row.startPly);
    }
}

TEST(BoardSettings, StateFromTheAnswers)
{
    TBoardSettings settings = Typed(engine::Black, "5", "7");
    settings.WhiteKingSide = true;
    settings.BlackQueenSide = true;
    settings.BlackKingSide = true;
    settings.EnPassant = QStringLiteral(" E3");
    settings.Status = TSetupStatus::Drawn;
    engine::PositionState before {};
    before.MateIn = 4;
    const engine::PositionState state = ApplyBoardSettings(settings, before).State;
    EXPECT_EQ(state.WhiteCastling, engine::CastleShort);
    EXPECT_EQ(state.BlackCastling, engine::CastleShort | engine::CastleLong);
    EXPECT_EQ(state.EnPassant, (engine::SquarePair {5, 3}));
    EXPECT_EQ(state.HalfMoves, 7);
    EXPECT_EQ(state.Status, 9);
    EXPECT_EQ(state.MateIn, 4);

    for (const char* unreadable : {"x", "-3", ""}) {
        SCOPED_TRACE(unreadable);
        settings.HalfMoves = QString::fromLatin1(unreadable);
        settings.EnPassant = QString::fromLatin1(unreadable);
        settings.Status = TSetupStatus::Resigned;
        const engine::PositionState read = ApplyBoardSettings(settings, {}).State;
        EXPECT_EQ(read.HalfMoves, 0);
        EXPECT_EQ(read.EnPassant, (engine::SquarePair {0, 0}));
        EXPECT_EQ(read.Status, engine::StatusResigns);
    }
}

// What the dialog shows comes back unchanged when nothing is edited.
TEST(BoardSettings, ShownValuesReadBackToTheSameState)
{
    engine::PositionState state {};
    state.WhiteCastling = engine::CastleLong;
    state.BlackCastling = engine::CastleShort;
    state.EnPassant = {4, 6};
    state.HalfMoves = 12;
    state.Status = engine::StatusResigns;
    const TBoardSettings shown = BoardSettingsOf(38, state);
    EXPECT_EQ(shown.MoveNumber, QStringLiteral("20"));
    EXPECT_EQ(shown.FirstPlayer, engine::White);
    EXPECT_EQ(shown.EnPassant, QStringLiteral("d6"));
    EXPECT_EQ(shown.Status, TSetupStatus::Resigned);

    TBoardSetDlg dialog;
    dialog.SetSettings(shown);
    const TBoardSetup back = ApplyBoardSettings(dialog.Settings(), {});
    EXPECT_EQ(back.StartPly, 38);
    EXPECT_EQ(back.State.WhiteCastling, state.WhiteCastling);
    EXPECT_EQ(back.State.BlackCastling, state.BlackCastling);
    EXPECT_EQ(back.State.EnPassant, state.EnPassant);
    EXPECT_EQ(back.State.HalfMoves, 12);
    EXPECT_EQ(back.State.Status, engine::StatusResigns);
}

TEST(BoardSettings, DialogReadsItsControls)
{
    TBoardSetDlg dialog;
    dialog.SetSettings(BoardSettingsOf(0, {}));
    dialog.findChild<QRadioButton*>(QStringLiteral("FirstPlayerBlack"))->setChecked(true);
    dialog.findChild<QLineEdit*>(QStringLiteral("MoveNumberEdit"))->setText(QStringLiteral("10"));
    dialog.findChild<QCheckBox*>(QStringLiteral("WhiteQueenBox"))->setChecked(true);
    dialog.findChild<QRadioButton*>(QStringLiteral("StatusDrawn"))->setChecked(true);
    const TBoardSetup setup = ApplyBoardSettings(dialog.Settings(), {});
    EXPECT_EQ(setup.StartPly, 19);
    EXPECT_EQ(setup.State.WhiteCastling, engine::CastleLong);
    EXPECT_EQ(setup.State.Status, 9);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Initial Board Settings"));
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->isDefault());
}

// Runs the promotion dialog and acts on it once it is up.
int ChooseWith(const std::function<void(TPromoteDlg&)>& act)
{
    QTimer::singleShot(0, [&act] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<TPromoteDlg*>(window); dialog && dialog->isVisible()) {
                act(*dialog);
            }
        }
    });
    return TPromoteDlg::Choose(nullptr);
}

TEST(PromotionDialog, EachButtonGivesItsPieceAndClosingGivesAQueen)
{
    const struct {
        const char* button;
        int kind;
    } cases[] = {{"QueenBtn", engine::Queen}, {"RookBtn", engine::Rook}, {"BishopBtn", engine::Bishop},
        {"KnightBtn", engine::Knight}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.button);
        EXPECT_EQ(ChooseWith([&row](TPromoteDlg& dialog) {
            dialog.findChild<QPushButton*>(QLatin1String(row.button))->click();
        }),
            row.kind);
    }
    // The frame's close box and Esc both end without a choice.
    EXPECT_EQ(ChooseWith([](TPromoteDlg& dialog) { dialog.close(); }), engine::Queen);
    EXPECT_EQ(ChooseWith([](TPromoteDlg& dialog) { dialog.reject(); }), engine::Queen);
}

TEST(PromotionDialog, CaptionsAndHelpThatKeepsTheDialogOpen)
{
    TPromoteDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Promotion"));
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("QueenBtn"))->isDefault());
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("KnightBtn"))->text(), QStringLiteral("K&night"));
    int context = 0;
    QObject::connect(&dialog, &TPromoteDlg::helpRequested, [&context](int value) { context = value; });
    dialog.show();
    dialog.findChild<QPushButton*>(QStringLiteral("HelpBtn"))->click();
    EXPECT_EQ(context, 5800);
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace
