#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QListView;
class QStringListModel;

// "Select Game": the list of the games (or positions) of a library file, of
// which the user opens one. A double click or Enter opens the selected
// entry. The list view shares one item height so that libraries of a
// hundred thousand games open at once.
class TSelectDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 5000;

    explicit TSelectDlg(QWidget* parent = nullptr);

    // Fills the list and selects its first entry.
    void SetEntries(const QStringList& entries);
    // The selected entry, -1 when there is none.
    int SelectedIndex() const;
    void SetKeepLibrary(bool keep);
    bool KeepLibrary() const;

signals:
    // The Help button: the help opens at the context, the dialog stays.
    void helpRequested(int context);

private:
    QStringListModel* model;
    QListView* list;
    QCheckBox* keepLibrary;
};

// Shows the dialog modally: the index chosen, or -1 when it was cancelled.
// keepLibrary is shown in the check box and comes back as the user left it,
// also on Cancel.
int ChooseGame(QWidget* parent, const QStringList& entries, bool& keepLibrary);

// Tests answer in place of the dialog; an empty function brings it back.
using TGameChooser = std::function<int(const QStringList& entries, bool& keepLibrary)>;
void SetGameChooser(TGameChooser chooser);
