#include "dialogs/board_settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/form_translation.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"

namespace {

QCheckBox* MakeBox(const char* name, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QRadioButton* MakeRadio(const char* name, const QString& caption, QWidget* parent)
{
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(QLatin1String(name));
    return radio;
}

QLineEdit* MakeEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QPushButton* MakeButton(
    const char* name, const QString& caption, QDialogButtonBox* box, QDialogButtonBox::ButtonRole role)
{
    auto* button = box->addButton(caption, role);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

TBoardSetDlg::TBoardSetDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("BoardSetDlg"));
    setWindowTitle(tr("Initial Board Settings"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Enter the initial state of the board:"), this);
    heading->setObjectName(QStringLiteral("HeadingLabel"));
    layout->addWidget(heading);

    // Black's rights above White's, as the board shows them.
    auto* castling = new QGroupBox(tr("Castling Allowed"), this);
    castling->setObjectName(QStringLiteral("CastlingGroup"));
    auto* castlingGrid = new QGridLayout(castling);
    blackQueenSide = MakeBox("BlackQueenBox", tr("Black queen's side"), castling);
    blackKingSide = MakeBox("BlackKingBox", tr("king's side"), castling);
    whiteQueenSide = MakeBox("WhiteQueenBox", tr("White queen's side"), castling);
    whiteKingSide = MakeBox("WhiteKingBox", tr("king's side"), castling);
    castlingGrid->addWidget(blackQueenSide, 0, 0);
    castlingGrid->addWidget(blackKingSide, 0, 1);
    castlingGrid->addWidget(whiteQueenSide, 1, 0);
    castlingGrid->addWidget(whiteKingSide, 1, 1);
    layout->addWidget(castling);

    auto* player = new QGroupBox(tr("First Player"), this);
    player->setObjectName(QStringLiteral("FirstPlayerGroup"));
    auto* playerRow = new QHBoxLayout(player);
    firstPlayer[0] = MakeRadio("FirstPlayerWhite", FormatMessage(msg::FirstColourName), player);
    firstPlayer[1] = MakeRadio("FirstPlayerBlack", FormatMessage(msg::LastColourName), player);
    for (QRadioButton* radio : firstPlayer) {
        playerRow->addWidget(radio);
    }
    layout->addWidget(player);

    auto* fields = new QFormLayout;
    moveNumber = MakeEdit("MoveNumberEdit", this);
    enPassant = MakeEdit("EnPassantEdit", this);
    halfMoves = MakeEdit("FiftyMoveEdit", this);
    const struct {
        const char* name;
        QString caption;
        QLineEdit* edit;
    } rows[] = {
        {"MoveNumberLabel", tr("First &Move number:"), moveNumber},
        {"EnPassantLabel", tr("&En passant target:"), enPassant},
        {"FiftyMoveLabel", tr("Moves &since capture or pawn move:"), halfMoves},
    };
    for (const auto& row : rows) {
        auto* label = new QLabel(row.caption, this);
        label->setObjectName(QLatin1String(row.name));
        label->setBuddy(row.edit);
        fields->addRow(label, row.edit);
    }
    layout->addLayout(fields);

    auto* statusGroup = new QGroupBox(tr("Game Status"), this);
    statusGroup->setObjectName(QStringLiteral("GameStatusGroup"));
    auto* statusRow = new QHBoxLayout(statusGroup);
    status[0] = MakeRadio("StatusNormal", tr("Normal"), statusGroup);
    status[1] = MakeRadio("StatusDrawn", tr("Drawn"), statusGroup);
    status[2] = MakeRadio("StatusResigned", tr("Resigned"), statusGroup);
    for (QRadioButton* radio : status) {
        statusRow->addWidget(radio);
    }
    layout->addWidget(statusGroup);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = MakeButton("OKBtn", tr("&OK"), buttons, QDialogButtonBox::AcceptRole);
    MakeButton("CancelBtn", tr("Cancel"), buttons, QDialogButtonBox::RejectRole);
    QPushButton* help = MakeButton("HelpBtn", tr("&Help"), buttons, QDialogButtonBox::HelpRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(HelpContext); });
    layout->addWidget(buttons);
    TranslateForm(this);
}

void TBoardSetDlg::SetSettings(const TBoardSettings& settings)
{
    blackQueenSide->setChecked(settings.BlackQueenSide);
    blackKingSide->setChecked(settings.BlackKingSide);
    whiteQueenSide->setChecked(settings.WhiteQueenSide);
    whiteKingSide->setChecked(settings.WhiteKingSide);
    firstPlayer[settings.FirstPlayer == engine::Black ? 1 : 0]->setChecked(true);
    moveNumber->setText(settings.MoveNumber);
    enPassant->setText(settings.EnPassant);
    halfMoves->setText(settings.HalfMoves);
    status[static_cast<int>(settings.Status)]->setChecked(true);
}

TBoardSettings TBoardSetDlg::Settings() const
{
    TBoardSettings settings;
    settings.BlackQueenSide = blackQueenSide->isChecked();
    settings.BlackKingSide = blackKingSide->isChecked();
    settings.WhiteQueenSide = whiteQueenSide->isChecked();
    settings.WhiteKingSide = whiteKingSide->isChecked();
    settings.FirstPlayer = firstPlayer[1]->isChecked() ? engine::Black : engine::White;
    settings.MoveNumber = moveNumber->text();
    settings.EnPassant = enPassant->text();
    settings.HalfMoves = halfMoves->text();
    settings.Status = status[2]->isChecked() ? TSetupStatus::Resigned
        : status[1]->isChecked()             ? TSetupStatus::Drawn
                                             : TSetupStatus::Normal;
    return settings;
}
