#pragma once

#include <QDialog>

#include "files/game_info.h"

#include <array>
#include <functional>

class QLineEdit;

// "Game and Player Information": the 21 descriptive fields of the game in
// edit boxes, the game's on the left, each player's on the right. Some
// boxes are limited in length; the dates and the time have fixed
// separators and one place per character. A stored date or time that does
// not fit those places is shown as it is, so opening the dialog never
// changes it.
class TInfoDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 5200;
    static constexpr std::size_t FieldCount = 21;

    explicit TInfoDlg(QWidget* parent = nullptr);

    // Every box takes its field; the Event box gets the focus.
    void SetInfo(const TInfoRec& info);
    // The boxes' texts. A date or time box reads empty while no place is
    // filled, and a place left empty reads "?", the unknown of a PGN date.
    TInfoRec Info() const;

signals:
    // The Help button: the help opens at the context, the dialog stays.
    void helpRequested(int context);

private:
    std::array<QLineEdit*, FieldCount> edits {};
};

// Shows the dialog with info; on OK info takes the edited fields and true
// is returned, on Cancel info is left alone.
bool EditGameInfo(QWidget* parent, TInfoRec& info);

// Tests answer in place of the dialog; an empty function brings it back.
using TInfoEditor = std::function<bool(TInfoRec& info)>;
void SetInfoEditor(TInfoEditor editor);
