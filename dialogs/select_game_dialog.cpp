#include "dialogs/select_game_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

#include "dialogs/dialog_help.h"
#include "dialogs/form_translation.h"

#include <utility>

namespace {

TGameChooser gameChooser;

} // namespace

TSelectDlg::TSelectDlg(QWidget* parent)
    : QDialog(parent)
    , model(new QStringListModel(this))
    , list(new QListView(this))
    , keepLibrary(new QCheckBox(tr("&Keep library in memory"), this))
{
    setObjectName(QStringLiteral("SelectDlg"));
    setWindowTitle(tr("Select Game"));
    auto* layout = new QVBoxLayout(this);
    auto* heading
        = new QLabel(tr("This file is a library of games. Select the game you wish to open:"), this);
    heading->setObjectName(QStringLiteral("HeadingLabel"));
    heading->setWordWrap(true);
    heading->setBuddy(list);
    layout->addWidget(heading);

    list->setObjectName(QStringLiteral("GameList"));
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(480, 260);
    connect(list, &QListView::doubleClicked, this, &QDialog::accept);
    layout->addWidget(list);

    keepLibrary->setObjectName(QStringLiteral("KeepLibraryBox"));
    layout->addWidget(keepLibrary);

    AddOkCancelHelp(*this, *layout, [this] { emit helpRequested(HelpContext); });
    list->setFocus();
    TranslateForm(this);
}

void TSelectDlg::SetEntries(const QStringList& entries)
{
    model->setStringList(entries);
    if (!entries.isEmpty()) {
        list->setCurrentIndex(model->index(0));
    }
}

int TSelectDlg::SelectedIndex() const
{
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void TSelectDlg::SetKeepLibrary(bool keep)
{
    keepLibrary->setChecked(keep);
}

bool TSelectDlg::KeepLibrary() const
{
    return keepLibrary->isChecked();
}

int ChooseGame(QWidget* parent, const QStringList& entries, bool& keepLibrary)
{
    if (gameChooser) {
        return gameChooser(entries, keepLibrary);
    }
    TSelectDlg dialog(parent);
    QObject::connect(&dialog, &TSelectDlg::helpRequested, &ShowDialogHelp);
    dialog.SetEntries(entries);
    dialog.SetKeepLibrary(keepLibrary);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    keepLibrary = dialog.KeepLibrary();
    return chosen ? dialog.SelectedIndex() : -1;
}

void SetGameChooser(TGameChooser chooser)
{
    gameChooser = std::move(chooser);
}
