#include "board_fixture.h"

#include <QImage>

#include "settings/data_folder.h"
#include "settings/language_file.h"
#include "settings/options.h"
#include "support/busy_delay.h"

engine::SquarePair Sq(const char* name)
{
    return {static_cast<std::uint8_t>(name[0] - 'a' + 1), static_cast<std::uint8_t>(name[1] - '0')};
}

engine::BoardImage BoardFromRows(const std::vector<const char*>& rows)
{
    engine::BoardImage board {};
    const std::string kinds = ".kqrbnp";
    for (int row = 0; row < 8; ++row) {
        for (int file = 1; file <= 8; ++file) {
            const char c = rows[row][file - 1];
            const auto kind = kinds.find(static_cast<char>(std::tolower(c)));
            engine::ImageCell& cell = board.At(file, 8 - row);
            cell.Kind = static_cast<std::uint8_t>(kind == std::string::npos ? 0 : kind);
            cell.Colour = std::islower(c) ? engine::Black : engine::White;
            if (cell.Kind == 0) {
                cell.Colour = 0;
            }
        }
    }
    return board;
}

std::vector<std::string> RowsOf(const engine::BoardImage& board)
{
    std::vector<std::string> rows;
    for (int rank = 8; rank >= 1; --rank) {
        std::string row;
        for (int file = 1; file <= 8; ++file) {
            const engine::ImageCell& cell = board.At(file, rank);
            const char c = ".KQRBNP"[cell.Kind];
            row += cell.Colour == engine::Black ? static_cast<char>(std::tolower(c)) : c;
        }
        rows.push_back(row);
    }
    return rows;
}

void TFakeBoardHost::PieceMouseDown(TPieceSprite* sprite, Qt::MouseButton button)
{
    piecePresses.push_back(sprite);
    if (button == Qt::LeftButton && panel != nullptr) {
        panel->StartDrag(sprite, true);
    }
}

void TFakeBoardHost::PieceDragDrop(TPieceSprite* sprite, engine::SquarePair target)
{
    drops.push_back(target);
    dragShownAtDrop = panel->Dragging() || panel->DragPicture()->isVisible();
    panel->MovePieceAt(panel->SquareOf(sprite), target);
}

bool TFakeBoardHost::PieceDragOver(TPieceSprite*, engine::SquarePair target)
{
    dragOvers.push_back(target);
    return acceptedTargets.count({target.File, target.Rank}) > 0;
}

void BoardPanelTest::SetUp()
{
    DataDir = QStringLiteral(QUARVEL_DATA_DIR);
    OpenLanguageFile(QStringLiteral(QUARVEL_SOURCE_DIR "/data/English.lng"));
    ResetOptions(Options);
    Options.PieceSet = QStringLiteral("Modern");
    Options.Texture = QStringLiteral("(none)");
    setDelayCount(1000);
    previousPresenter = setMessageBoxPresenter([this](const TMessageBoxRequest& request) {
        shown.append(request.text);
        return request.buttons.front();
    });
    panel = std::make_unique<TBoardPanel>(host);
    host.panel = panel.get();
    QString missing;
    ASSERT_TRUE(panel->LoadPieceSet(&missing)) << missing.toStdString();
}

void BoardPanelTest::TearDown()
{
    panel.reset();
    setMessageBoxPresenter(previousPresenter);
    CloseLanguageFile();
    ResetOptions(Options);
    Debug = false;
}

void BoardPanelTest::StartPosition(const engine::BoardImage* board, bool blackToMove)
{
    host.record.StartPly = blackToMove ? 1 : 0;
    engine::PositionState state = InitialState();
    if (board != nullptr) {
        state.WhiteCastling = 0;
        state.BlackCastling = 0;
    }
    host.record.StartFromPosition(board, board != nullptr ? &state : nullptr);
    panel->resize(panel->BoardWidth(), panel->BoardHeight() + panel->TakenHeight());
    panel->ResizeBoard();
    panel->RedrawTaken(true);
}

void BoardPanelTest::SaveScreenshot(const QString& name)
{
    const QImage picture = panel->grab().toImage();
    const QString path = QStringLiteral(QUARVEL_SCREENSHOT_DIR "/") + name + QStringLiteral(".png");
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
}
