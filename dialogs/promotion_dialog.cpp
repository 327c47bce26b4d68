#include "dialogs/promotion_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>

#include "dialogs/form_translation.h"
#include "engine/types.h"

namespace {

struct PieceButton {
    const char* name;
    const char* caption;
    int kind;
};

constexpr PieceButton pieceButtons[] = {
    {"QueenBtn", "&Queen", engine::Queen},
    {"RookBtn", "&Rook", engine::Rook},
    {"BishopBtn", "&Bishop", engine::Bishop},
    {"KnightBtn", "K&night", engine::Knight},
};

} // namespace

TPromoteDlg::TPromoteDlg(QWidget* parent)
    : QDialog(parent)
    , choice(engine::Queen)
{
    setObjectName(QStringLiteral("PromoteDlg"));
    setWindowTitle(tr("Promotion"));
    auto* layout = new QHBoxLayout(this);
    for (const PieceButton& piece : pieceButtons) {
        auto* button = new QPushButton(tr(piece.caption), this);
        button->setObjectName(QLatin1String(piece.name));
        const int kind = piece.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] {
            choice = kind;
            accept();
        });
        layout->addWidget(button);
        if (kind == engine::Queen) {
            button->setDefault(true);
            button->setFocus();
        }
    }
    auto* help = new QPushButton(tr("&Help"), this);
    help->setObjectName(QStringLiteral("HelpBtn"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(HelpContext); });
    layout->addWidget(help);
    TranslateForm(this);
}

int TPromoteDlg::Choose(QWidget* parent)
{
    TPromoteDlg dialog(parent);
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = dialog.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        dialog.move(frame.topLeft());
    }
    dialog.exec();
    return dialog.Choice();
}
